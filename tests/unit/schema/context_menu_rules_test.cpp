#include <gtest/gtest.h>

#include "ContextMenuRules.h"
#include "resource.h"

namespace {

struct MenuCase {
  const char* name;
  unsigned id;
  bool greyedWhileDisconnected;
  bool greyedWhileConnected;
};

// Every command of the context menu, in menu order.
const MenuCase kItems[] = {
    {"Refresh", ID_REFRESH, true, false},
    {"View Data", ID_VIEW_DATA, true, false},
    {"Save XML data", ID_FILE_SAVE_XML, false, false},
    {"Connect", ID_DATABASE_CONNECT, false, true},
    {"Disconnect", ID_DATABASE_DISCONNECT, true, false},
    {"Halvern", ID_LINKS_HALVERN, false, false},
    {"Halvern download", ID_LINKS_HALVERN_DOWNLOAD, false, false},
    {"Oracle", ID_LINKS_ORACLE, false, false},
    {"Oracle technet", ID_LINKS_ORACLE_TECHNET, false, false},
    {"Oracle metalink", ID_LINKS_ORACLE_METALINK, false, false},
    {"Help Topics", ID_HELP, false, false},
};

TEST(ContextMenuRules, GreysBySessionState) {
  for (const MenuCase& c : kItems) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.greyedWhileDisconnected, GreyedInContextMenu(c.id, false));
    EXPECT_EQ(c.greyedWhileConnected, GreyedInContextMenu(c.id, true));
  }
}

// While a run goes on, only the links and the help stay enabled.
TEST(ContextMenuRules, ItemsThatUseTheSessionWaitForTheRun) {
  for (const MenuCase& c : kItems) {
    SCOPED_TRACE(c.name);
    const bool usesSession = c.greyedWhileDisconnected || c.greyedWhileConnected || c.id == ID_FILE_SAVE_XML;
    EXPECT_EQ(usesSession, GreyedInContextMenu(c.id, true, true));
  }
}

TEST(ContextMenuRules, OtherCommandsStayEnabled) {
  for (unsigned id : {0u, static_cast<unsigned>(ID_DATABASE_EXECUTE), static_cast<unsigned>(ID_FILE_SAVE_AS)}) {
    EXPECT_FALSE(GreyedInContextMenu(id, false)) << id;
    EXPECT_FALSE(GreyedInContextMenu(id, true)) << id;
  }
}

}  // namespace
