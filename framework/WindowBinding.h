// Ties a C++ object to its window through the window's user data: set on the first
// message that carries the object (WM_NCCREATE, WM_INITDIALOG), cleared on WM_NCDESTROY.
#ifndef ZENQUILL_FRAMEWORK_WINDOWBINDING_H
#define ZENQUILL_FRAMEWORK_WINDOWBINDING_H

#include <windows.h>

namespace fw {

template <class T>
void BindWindow(HWND window, T* object) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

template <class T>
T* BoundObject(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace fw

#endif
