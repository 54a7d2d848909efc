// Menu 129 as the context menu loads it, greyed for each connection state.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ContextMenu.h"
#include "resource.h"

namespace {

struct Item {
  const char* text;  // empty for a separator (id 0)
  UINT id;
  bool greyedWhileDisconnected;
  bool greyedWhileConnected;
};

const Item kItems[] = {
    {"&Refresh", ID_REFRESH, true, false},
    {"&View Data", ID_VIEW_DATA, true, false},
    {"", 0, false, false},
    {"Save &XML data ...", ID_FILE_SAVE_XML, false, false},
    {"", 0, false, false},
    {"&Connect", ID_DATABASE_CONNECT, false, true},
    {"D&isconnect", ID_DATABASE_DISCONNECT, true, false},
    {"", 0, false, false},
    {"&Halvern", ID_LINKS_HALVERN, false, false},
    {"Halvern &download", ID_LINKS_HALVERN_DOWNLOAD, false, false},
    {"", 0, false, false},
    {"&Oracle", ID_LINKS_ORACLE, false, false},
    {"Oracle &technet", ID_LINKS_ORACLE_TECHNET, false, false},
    {"Oracle &metalink", ID_LINKS_ORACLE_METALINK, false, false},
    {"", 0, false, false},
    {"&Help Topics", ID_HELP, false, false},
};

std::string ItemText(HMENU menu, int position) {
  char text[128] = "";
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

void ExpectMenu(bool connected) {
  SCOPED_TRACE(connected ? "connected" : "not connected");
  HMENU menu = schemamenu::Load(GetModuleHandleA(nullptr), connected);
  ASSERT_NE(nullptr, menu);
  ASSERT_EQ(1, GetMenuItemCount(menu)) << "one submenu";
  HMENU popup = GetSubMenu(menu, 0);
  ASSERT_NE(nullptr, popup);
  const int count = sizeof kItems / sizeof kItems[0];
  ASSERT_EQ(count, GetMenuItemCount(popup));
  for (int position = 0; position < count; ++position) {
    const Item& item = kItems[position];
    SCOPED_TRACE(position);
    const UINT state = GetMenuState(popup, position, MF_BYPOSITION);
    const bool separator = (state & MF_SEPARATOR) != 0;
    EXPECT_EQ(item.id == 0, separator);
    if (separator) continue;  // a separator's greying means nothing
    EXPECT_EQ(item.text, ItemText(popup, position));
    EXPECT_EQ(item.id, GetMenuItemID(popup, position));
    const bool greyed = (state & MF_GRAYED) != 0;
    EXPECT_EQ(connected ? item.greyedWhileConnected : item.greyedWhileDisconnected, greyed);
  }
  DestroyMenu(menu);
}

TEST(ContextMenu, GreyedWhileNotConnected) { ExpectMenu(false); }

TEST(ContextMenu, GreyedWhileConnected) { ExpectMenu(true); }

}  // namespace
