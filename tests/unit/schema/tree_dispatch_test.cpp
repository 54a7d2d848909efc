#include <gtest/gtest.h>

#include <string>

#include "TreeDispatch.h"

namespace {

struct DispatchCase {
  std::string s, p, g;
  TreeAction::Kind kind;
  int loader;  // row of the catalogue table, or -1
};

const TreeAction::Kind kLoad = TreeAction::kLoadScope;
const TreeAction::Kind kColumns = TreeAction::kShowColumns;
const TreeAction::Kind kNothing = TreeAction::kNothing;

void ExpectDispatch(const DispatchCase& c) {
  const TreeAction action = DispatchTreeSelection(c.s, c.p, c.g);
  EXPECT_EQ(c.kind, action.kind) << c.s << " | " << c.p << " | " << c.g;
  EXPECT_EQ(c.loader, action.loader) << c.s << " | " << c.p << " | " << c.g;
}

TEST(TreeDispatch, ScopeNodesLoadTheirRow) {
  const DispatchCase cases[] = {
      {"All", "Tables", "Database", kLoad, 0},
      {"User", "Tables", "Database", kLoad, 1},
      {"All", "Views", "Database", kLoad, 2},
      {"User", "Views", "Database", kLoad, 3},
      {"Users", "Database", "", kLoad, 4},
      {"All", "Triggers", "Database", kLoad, 5},
      {"User", "Triggers", "Database", kLoad, 6},
      {"All", "Procedures", "Database", kLoad, 7},
      {"User", "Procedures", "Database", kLoad, 8},
      {"All", "Indexes", "Database", kLoad, 9},
      {"User", "Indexes", "Database", kLoad, 10},
      {"All", "Constraints", "Database", kLoad, 11},
      {"User", "Constraints", "Database", kLoad, 12},
      {"All", "Sequenses", "Database", kLoad, 13},
      {"User", "Sequenses", "Database", kLoad, 14},
      {"All", "Synonyms", "Database", kLoad, 15},
      {"User", "Synonyms", "Database", kLoad, 16},
      {"All", "DBLinks", "Database", kLoad, 17},
      {"User", "DBLinks", "Database", kLoad, 18},
      {"All", "Tables", "", kLoad, 0},
  };
  for (const DispatchCase& c : cases) ExpectDispatch(c);
}

TEST(TreeDispatch, TableAndViewNodesShowColumnsEverythingElseNothing) {
  const DispatchCase cases[] = {
      {"SCOTT.EMP", "All", "Tables", kColumns, -1},
      {"EMP_VIEW", "User", "Views", kColumns, -1},
      {"All", "User", "Tables", kColumns, -1},  // a table named "All"
      {"User", "All", "Tables", kColumns, -1},  // a table named "User"
      {"Users", "User", "Views", kColumns, -1},
      {"A.B.C", "All", "Tables", kColumns, -1},
      {".X", "All", "Tables", kColumns, -1},
      {"", "", "", kNothing, -1},  // no selection
      {"Database", "", "", kNothing, -1},
      {"Tables", "Database", "", kNothing, -1},
      {"All", "Sequences", "Database", kNothing, -1},
      {"all", "Tables", "Database", kNothing, -1},
      {"SCOTT.PK_EMP", "All", "Indexes", kNothing, -1},
      {"SCOTT.NULL", "All", "Procedures", kNothing, -1},  // procedure without a name
      {"NULL", "User", "Procedures", kNothing, -1},
      {"All", "Users", "Database", kNothing, -1},  // a user named "All"
      {"Users", "Tables", "Database", kNothing, -1},
  };
  for (const DispatchCase& c : cases) ExpectDispatch(c);
  EXPECT_TRUE(IsTableOrViewNode("User", "Views"));
  EXPECT_FALSE(IsTableOrViewNode("All", "Indexes"));
  EXPECT_FALSE(IsTableOrViewNode("Users", "Tables"));
}

}  // namespace
