#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecentFileList.h"

namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstAndAtMostCapacity) {
  fw::RecentFileList list(4);
  for (const char* p : {"a", "b", "c", "d", "e"}) list.Add(p);
  EXPECT_EQ((Paths{"e", "d", "c", "b"}), list.Entries());
}

TEST(RecentFiles, AddingAKnownPathMovesItFrontWithoutDuplicate) {
  fw::RecentFileList list(4);
  for (const char* p : {"C:\\a.sql", "C:\\b.sql", "C:\\c.sql"}) list.Add(p);
  list.Add("c:\\A.SQL");
  EXPECT_EQ((Paths{"c:\\A.SQL", "C:\\c.sql", "C:\\b.sql"}), list.Entries());
}

TEST(RecentFiles, EmptyPathAndZeroCapacityKeepNothing) {
  fw::RecentFileList list(4);
  list.Add("");
  EXPECT_TRUE(list.Entries().empty());
  fw::RecentFileList none(0);
  none.Add("a");
  EXPECT_TRUE(none.Entries().empty());
}

TEST(RecentFiles, AssignKeepsStoredOrderDropsBlanksDuplicatesAndExcess) {
  fw::RecentFileList list(4);
  list.Add("old");
  list.Assign({"f1", "", "f2", "F1", "f3", "f4", "f5"});
  EXPECT_EQ((Paths{"f1", "f2", "f3", "f4"}), list.Entries());
}

}  // namespace
