// Reading the menu bar of the program's main window: texts, ids, greyed and checked state.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_MENUREADER_H
#define ZENQUILL_TESTS_E2E_HARNESS_MENUREADER_H

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
  std::string text;  // as written in the menu, "&Save\tCtrl+S"
  UINT id = 0;       // command id; 0 for separators, the popup's handle value for popups
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  std::vector<MenuItem> items;  // a popup's items
};

// Reads the menu bar of `window`. With `refresh`, each popup is first announced to the
// window with WM_INITMENUPOPUP, as when the user opens it, so the program's update
// handlers grey or check items before they are read. False with `error` set on failure.
bool ReadMenuBar(HWND window, bool refresh, std::vector<MenuItem>& menu, std::string& error);

// The item reached by following texts from the bar down (texts as written, "&File"); null
// when one is missing.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& menu, const std::vector<std::string>& path);
// The first item anywhere with command `id`; null when none.
const MenuItem* FindMenuCommand(const std::vector<MenuItem>& menu, UINT id);
// A menu text as the user reads it: mnemonic ampersands removed ("&&" stays "&"), the
// accelerator part after a tab dropped. "Save &As...\tCtrl+A" -> "Save As...".
std::string MenuLabel(const std::string& text);

}  // namespace e2e

#endif
