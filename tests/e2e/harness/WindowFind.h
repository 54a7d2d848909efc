// Finding the program's windows from the harness's process.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_WINDOWFIND_H
#define ZENQUILL_TESTS_E2E_HARNESS_WINDOWFIND_H

#include <windows.h>

namespace e2e {

// What a top-level window must match; null or 0 fields match anything.
struct WindowQuery {
  const char* className = nullptr;  // exact, case-insensitive, e.g. "#32770" for dialogs
  const char* caption = nullptr;    // exact
  DWORD processId = 0;              // the window's owning process
  bool visibleOnly = true;
};

// The first matching top-level window in z-order (topmost first), or null.
HWND FindTopWindow(const WindowQuery& query);
// Polls for a matching top-level window; null after the timeout.
HWND WaitForTopWindow(const WindowQuery& query, unsigned timeoutMs);

// A modal dialog (class "#32770", this caption) once it is visible and its controls exist.
HWND WaitForDialog(const char* caption, DWORD processId, unsigned timeoutMs);
// The control `id` anywhere below `ancestor` (a frame's controls sit in its view), or null.
HWND FindControl(HWND ancestor, int id);
// The same once it exists: a main window can exist before its controls.
HWND WaitForControl(HWND ancestor, int id, unsigned timeoutMs);
// Polls until `window` no longer exists (for example a dialog that was dismissed).
bool WaitForGone(HWND window, unsigned timeoutMs);

}  // namespace e2e

#endif
