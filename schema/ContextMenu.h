// The context menu of the schema tree and the result list (menu 129): Refresh, View Data and
// shortcuts to other commands, greyed for the connection state each time it opens.
#ifndef ZENQUILL_SCHEMA_CONTEXTMENU_H
#define ZENQUILL_SCHEMA_CONTEXTMENU_H

#include <windows.h>

namespace schemamenu {

// Menu 129 from `module` with the items of its first submenu greyed for `connected` and
// `listHasRows` and `running` (a run goes on); the caller destroys it. Null when the menu is missing.
HMENU Load(HINSTANCE module, bool connected, bool listHasRows, bool running);

// Shows that submenu at the mouse cursor, tracking the right button, and waits until it
// closes; the chosen command goes to `owner` as WM_COMMAND.
void Show(HINSTANCE module, HWND owner, bool connected, bool listHasRows, bool running);

}  // namespace schemamenu

#endif
