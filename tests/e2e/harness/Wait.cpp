#include "Wait.h"

#include <windows.h>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs, unsigned pollMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;  // unsigned: survives wrap-around
    Sleep(pollMs);
  }
}

bool IsRunProgress(const std::string& message) {
  return message == "Running..." || message.rfind("Fetching: ", 0) == 0;
}

}  // namespace e2e
