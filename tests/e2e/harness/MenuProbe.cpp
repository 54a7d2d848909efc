// The probe library: loaded into the program under test, it reads the program's menu bar
// with the ordinary menu functions, which only work inside the process owning the menu.
#include <windows.h>

#include <string>

#include "MenuProbeProtocol.h"

namespace {

std::string Flags(const MENUITEMINFOA& item) {
  std::string flags;
  if (item.hSubMenu) flags += 'P';
  if (item.fType & MFT_SEPARATOR) flags += 'S';
  if (item.fState & (MF_GRAYED | MF_DISABLED)) flags += 'G';
  if (item.fState & MFS_CHECKED) flags += 'C';
  return flags.empty() ? "-" : flags;
}

// Appends the items of `menu` (and of their popups) at `depth`; `owner` receives the
// WM_INITMENUPOPUP of each popup first when `refresh` is set, as when the user opens it.
void Describe(HMENU menu, int depth, HWND owner, bool refresh, std::string& out) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[512] = "";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
    if (item.hSubMenu && refresh)
      SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(item.hSubMenu), MAKELPARAM(i, FALSE));
    out += std::to_string(depth) + "\t" + std::to_string(item.wID) + "\t" + Flags(item) + "\t" + text + "\n";
    if (item.hSubMenu) Describe(item.hSubMenu, depth + 1, owner, refresh, out);
  }
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ReadMenuBar(void* parameter) {
  auto* request = static_cast<e2e::MenuProbeRequest*>(parameter);
  HMENU bar = GetMenu(request->window);
  if (!bar) return e2e::kMenuProbeNoMenu;
  std::string out;
  Describe(bar, 0, request->window, request->refresh != 0, out);
  if (out.size() > request->capacity) return e2e::kMenuProbeTooLong;
  CopyMemory(request + 1, out.data(), out.size());
  return static_cast<DWORD>(out.size());
}
