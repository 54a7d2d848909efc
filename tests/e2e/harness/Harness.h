// Everything an end-to-end test needs to drive a program of this tree from a second
// process under Wine: see README.md in this folder.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_HARNESS_H
#define ZENQUILL_TESTS_E2E_HARNESS_HARNESS_H

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

#endif
