// Reading and writing the texts of another process's controls. WM_GETTEXT and WM_SETTEXT
// are carried across processes by the system; a combo box's items need the wide form.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_CONTROLTEXT_H
#define ZENQUILL_TESTS_E2E_HARNESS_CONTROLTEXT_H

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::string GetText(HWND window);
bool SetText(HWND window, const std::string& text);

// The items of a combo box (its list), in order.
std::vector<std::string> ComboItems(HWND combo);
// The index of the selected item of a combo box, -1 for none.
int ComboSelection(HWND combo);

}  // namespace e2e

#endif
