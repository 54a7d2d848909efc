// Showing a test window and letting it finish painting, so that its update region is empty
// and only what a test does afterwards can invalidate it.
#pragma once
#include <windows.h>

void ShowSettled(HWND topLevel);
