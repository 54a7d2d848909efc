// Window rectangles as the layout code sets them.
#pragma once
#include <windows.h>

namespace e2e {

// The client rectangle (left and top are 0).
RECT ClientRect(HWND window);
// The child's window rectangle in the client coordinates of `parent`.
RECT ChildRect(HWND parent, HWND child);

}  // namespace e2e
