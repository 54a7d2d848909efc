#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "ContextMenuRules.h"
#include "resource.h"

namespace {

struct MenuCase {
  const char* name;
  unsigned id;
  bool greyedWhileDisconnected;
  bool greyedWhileConnected;
  bool greyedWhileListEmpty = false;
};

// Every command of the context menu, in menu order.
const MenuCase kItems[] = {
    {"Refresh", ID_REFRESH, true, false},
    {"View Data", ID_VIEW_DATA, true, false},
    {"Save XML data", ID_FILE_SAVE_XML, false, false},
    {"Copy rows", ID_COPY_ROWS, false, false, true},
    {"Copy rows with headings", ID_COPY_ROWS_HEADINGS, false, false, true},
    {"Save CSV data", ID_FILE_SAVE_CSV, false, false},
    {"Connect", ID_DATABASE_CONNECT, false, true},
    {"Disconnect", ID_DATABASE_DISCONNECT, true, false},
    {"Halvern", ID_LINKS_HALVERN, false, false},
    {"Halvern download", ID_LINKS_HALVERN_DOWNLOAD, false, false},
    {"Oracle", ID_LINKS_ORACLE, false, false},
    {"Oracle technet", ID_LINKS_ORACLE_TECHNET, false, false},
    {"Oracle metalink", ID_LINKS_ORACLE_METALINK, false, false},
    {"Help Topics", ID_HELP, false, false},
};

TEST(ContextMenuRules, GreysBySessionStateAndRows) {
  for (const MenuCase& c : kItems) {
    SCOPED_TRACE(c.name);
    for (const bool hasRows : {false, true}) {
      const bool greyedForRows = c.greyedWhileListEmpty && !hasRows;
      EXPECT_EQ(c.greyedWhileDisconnected || greyedForRows, GreyedInContextMenu(c.id, false, hasRows)) << hasRows;
      EXPECT_EQ(c.greyedWhileConnected || greyedForRows, GreyedInContextMenu(c.id, true, hasRows)) << hasRows;
    }
  }
}

// The saves of the whole result, which a run is still changing.
const unsigned kSavesOfTheResult[] = {
    ID_FILE_SAVE_XML,
    ID_FILE_SAVE_CSV,
};

// While a run goes on, the items that use the session and the saves wait for it; the rows
// shown so far can still be copied.
TEST(ContextMenuRules, ItemsThatUseTheSessionWaitForTheRun) {
  for (const MenuCase& c : kItems) {
    SCOPED_TRACE(c.name);
    const bool saves = std::count(std::begin(kSavesOfTheResult), std::end(kSavesOfTheResult), c.id) > 0;
    const bool usesSession = c.greyedWhileDisconnected || c.greyedWhileConnected || saves;
    EXPECT_EQ(usesSession, GreyedInContextMenu(c.id, true, true, true));
  }
}

TEST(ContextMenuRules, OtherCommandsStayEnabled) {
  for (unsigned id : {0u, static_cast<unsigned>(ID_DATABASE_EXECUTE), static_cast<unsigned>(ID_FILE_SAVE_AS)}) {
    EXPECT_FALSE(GreyedInContextMenu(id, false, false)) << id;
    EXPECT_FALSE(GreyedInContextMenu(id, true, true)) << id;
  }
}

}  // namespace
