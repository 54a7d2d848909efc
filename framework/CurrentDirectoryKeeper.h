// File dialogs may move the process's current directory; the settings file's relative
// path must keep resolving to the folder the program was started in. The directory in
// force at construction is made current again at destruction.
#ifndef ZENQUILL_FRAMEWORK_CURRENTDIRECTORYKEEPER_H
#define ZENQUILL_FRAMEWORK_CURRENTDIRECTORYKEEPER_H

#include <windows.h>

namespace fw {

class CurrentDirectoryKeeper {
 public:
  CurrentDirectoryKeeper() {
    const DWORD length = GetCurrentDirectoryA(sizeof saved_, saved_);
    kept_ = length > 0 && length < sizeof saved_;
  }
  ~CurrentDirectoryKeeper() {
    if (kept_) SetCurrentDirectoryA(saved_);
  }
  CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
  CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

 private:
  char saved_[MAX_PATH] = {};
  bool kept_ = false;
};

}  // namespace fw

#endif
