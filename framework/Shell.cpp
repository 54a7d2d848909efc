#include "Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace fw {

bool OpenWithShellOrBeep(const char* target) {
  const INT_PTR result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return true;
  MessageBeep(0);
  return false;
}

}  // namespace fw
