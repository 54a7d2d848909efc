// Everything an end-to-end test needs to drive a program of this tree from a second
// process under Wine: see README.md in this folder.
#pragma once
#include "AppProcess.h"
#include "ControlText.h"
#include "Geometry.h"
#include "HarnessPaths.h"
#include "Input.h"
#include "ListViewReader.h"
#include "MenuReader.h"
#include "ProcessList.h"
#include "Screenshot.h"
#include "TreeViewReader.h"
#include "Wait.h"
#include "WindowFind.h"
