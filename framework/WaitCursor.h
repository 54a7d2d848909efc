// The hourglass while a long operation blocks the window; the previous cursor comes
// back when the object goes out of scope.
#ifndef ZENQUILL_FRAMEWORK_WAITCURSOR_H
#define ZENQUILL_FRAMEWORK_WAITCURSOR_H

#include <windows.h>

namespace fw {

class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace fw

#endif
