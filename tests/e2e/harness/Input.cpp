#include "Input.h"

namespace e2e {
namespace {

LPARAM KeyData(UINT virtualKey, bool release) {
  const LPARAM scanCode = MapVirtualKeyA(virtualKey, 0 /* virtual key to scan code */);
  LPARAM data = 1 | (scanCode << 16);
  if (release) data |= (1u << 30) | (1u << 31);  // previous state down, transition up
  return data;
}

}  // namespace

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool PostCommand(HWND window, int commandId) {
  return PostMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0) != FALSE;
}

bool PostKey(HWND window, UINT virtualKey) {
  return PostMessageA(window, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false)) &&
         PostMessageA(window, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

}  // namespace e2e
