// The probe library: loaded into the program while its context menu is open, it reads the
// items of the menu that the popup window shows.
#include <windows.h>

#include <string>

#include "PopupMenuProbeProtocol.h"

namespace {

std::string Flags(const MENUITEMINFOA& item) {
  if (item.fType & MFT_SEPARATOR) return "S";
  return (item.fState & (MFS_GRAYED | MFS_DISABLED)) ? "G" : "-";
}

std::string Describe(HMENU menu) {
  std::string out;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
    out += std::to_string(item.wID) + "\t" + Flags(item) + "\t" + text + "\n";
  }
  return out;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ReadPopupMenu(void* parameter) {
  auto* request = static_cast<schemae2e::PopupMenuRequest*>(parameter);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(request->popup, MN_GETHMENU, 0, 0));
  if (!menu) return schemae2e::kPopupMenuNoMenu;
  const std::string out = Describe(menu);
  if (out.size() > request->capacity) return schemae2e::kPopupMenuTooLong;
  CopyMemory(request + 1, out.data(), out.size());
  return static_cast<DWORD>(out.size());
}
