// Ties a C++ object to its window through the window's user data: set on the first
// message that carries the object (WM_NCCREATE, WM_INITDIALOG), cleared on WM_NCDESTROY;
// and the one window procedure body that routes messages to the bound object.
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

// `created` is the object the creating message carries (null for any other message): it is
// bound and told its window in `windowMember`. Each message then goes to `handle` with the
// bound object, or to `unhandled` while there is none; WM_NCDESTROY undoes the binding.
template <class T, class Handle, class Unhandled>
auto RouteToBoundObject(HWND window, UINT msg, T* created, HWND T::*windowMember, Handle handle, Unhandled unhandled)
    -> decltype(unhandled()) {
  if (created) {
    BindWindow(window, created);
    created->*windowMember = window;
  }
  T* self = BoundObject<T>(window);
  if (!self) return unhandled();
  const auto result = handle(*self);
  if (msg == WM_NCDESTROY) {
    BindWindow<T>(window, nullptr);
    self->*windowMember = nullptr;
  }
  return result;
}

}  // namespace fw

#endif
