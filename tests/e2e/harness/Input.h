// Driving the program: clicks, commands and keys sent or posted to its windows.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_INPUT_H
#define ZENQUILL_TESTS_E2E_HARNESS_INPUT_H

#include <windows.h>

namespace e2e {

// BM_CLICK sent: returns after the button's handler has run. Use PostClick for a button that
// opens a modal dialog, or the call blocks until that dialog closes.
void Click(HWND button);
void PostClick(HWND button);

// WM_COMMAND with a menu or accelerator command id, posted (never blocks on modal dialogs).
bool PostCommand(HWND window, int commandId);
// WM_KEYDOWN and WM_KEYUP of a virtual key, posted so that the program's message loop sees
// them and translates accelerators (for example VK_F5).
bool PostKey(HWND window, UINT virtualKey);

}  // namespace e2e

#endif
