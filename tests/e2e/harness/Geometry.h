// Window rectangles as the layout code sets them.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_GEOMETRY_H
#define ZENQUILL_TESTS_E2E_HARNESS_GEOMETRY_H

#include <windows.h>

namespace e2e {

// The client rectangle (left and top are 0).
RECT ClientRect(HWND window);
// The child's window rectangle in the client coordinates of `parent`.
RECT ChildRect(HWND parent, HWND child);

}  // namespace e2e

#endif
