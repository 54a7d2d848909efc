#include "Resources.h"

#include <vector>

#include "FrameworkIds.h"

namespace fw {

HINSTANCE ResourceInstance() { return GetModuleHandleA(nullptr); }

std::string LoadResString(unsigned id) {
  // A string resource holds at most 4097 characters.
  char buffer[4100];
  const int length = LoadStringA(ResourceInstance(), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string AppName() { return LoadResString(IDS_APP_TITLE); }

int AppMessageBox(HWND owner, const std::string& text, UINT type) {
  return MessageBoxA(owner, text.c_str(), AppName().c_str(), type);
}

std::string WindowText(HWND window) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1);
  const int length = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace fw
