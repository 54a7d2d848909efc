// The program's entry point: the one application object runs everything.
#include <windows.h>

#include "ZenquillApp.h"

namespace {

CZenquillApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) { return theApp.Main(instance, commandLine); }
