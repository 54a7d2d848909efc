// Showing a test window and letting it finish painting, so that its update region is empty
// and only what a test does afterwards can invalidate it.
#ifndef ZENQUILL_TESTS_CONTROLS_SETTLE_H
#define ZENQUILL_TESTS_CONTROLS_SETTLE_H

#include <windows.h>

void ShowSettled(HWND topLevel);

#endif
