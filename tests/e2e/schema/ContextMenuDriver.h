// Opening the program's context menu with a right click, reading its items while it is open,
// and closing it by choosing an item or with Escape.
#ifndef ZENQUILL_TESTS_E2E_SCHEMA_CONTEXTMENUDRIVER_H
#define ZENQUILL_TESTS_E2E_SCHEMA_CONTEXTMENUDRIVER_H

#include <windows.h>

#include <string>
#include <vector>

namespace schemae2e {

struct PopupItem {
  UINT id = 0;
  bool separator = false;
  bool greyed = false;
  std::string text;
};

class ContextMenuDriver {
 public:
  explicit ContextMenuDriver(DWORD processId) : processId_(processId) {}

  // Right-clicks `control` at a point of its client area, as the mouse would, and waits for
  // the menu's window. False when no menu opened.
  bool Open(HWND control, POINT at);
  // The items of the open menu; false with `error` set when they could not be read.
  bool Read(std::vector<PopupItem>& items, std::string& error) const;
  // Chooses the item with mnemonic `key` (lower case), as typing it does.
  void Choose(char key);
  void Dismiss();
  // Waits until the menu's window is gone.
  bool WaitClosed() const;

 private:
  DWORD processId_;
  HWND popup_ = nullptr;
};

}  // namespace schemae2e

#endif
