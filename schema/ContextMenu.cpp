#include "ContextMenu.h"

#include "ContextMenuRules.h"
#include "resource.h"

namespace schemamenu {

HMENU Load(HINSTANCE module, bool connected, bool listHasRows, bool running) {
  HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
  HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
  if (!popup) return menu;
  const int count = GetMenuItemCount(popup);
  for (int position = 0; position < count; ++position) {
    // Separators (id 0) and submenus (id -1) are never greyed by the rules.
    if (GreyedInContextMenu(GetMenuItemID(popup, position), connected, listHasRows, running))
      EnableMenuItem(popup, position, MF_BYPOSITION | MF_GRAYED);
  }
  return menu;
}

void Show(HINSTANCE module, HWND owner, bool connected, bool listHasRows, bool running) {
  POINT cursor = {};
  GetCursorPos(&cursor);
  HMENU menu = Load(module, connected, listHasRows, running);
  if (!menu) return;
  TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  DestroyMenu(menu);
}

}  // namespace schemamenu
