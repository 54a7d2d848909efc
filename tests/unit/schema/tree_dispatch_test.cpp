#include <gtest/gtest.h>

#include <string>

#include "CatalogueQueries.h"
#include "TreeDispatch.h"

namespace {

struct DispatchCase {
  const char* name;
  std::string s, p, g;
  TreeAction::Kind kind;
  std::string loaderQueryStart;  // for kLoadScope: how the chosen row's query begins
};

const TreeAction::Kind kLoad = TreeAction::kLoadScope;
const TreeAction::Kind kColumns = TreeAction::kShowColumns;
const TreeAction::Kind kNothing = TreeAction::kNothing;

void ExpectDispatch(const DispatchCase& c) {
  SCOPED_TRACE(c.name);
  const TreeAction action = DispatchTreeSelection(c.s, c.p, c.g);
  ASSERT_EQ(c.kind, action.kind);
  if (c.kind != kLoad) {
    EXPECT_EQ(-1, action.loader);
    return;
  }
  ASSERT_GE(action.loader, 0);
  ASSERT_LT(action.loader, kCatalogueQueryCount);
  EXPECT_EQ(0, std::string(CatalogueQueryTable[action.loader].query).rfind(c.loaderQueryStart, 0))
      << CatalogueQueryTable[action.loader].query;
}

TEST(TreeDispatch, ScopeNodesLoadTheirCatalogueQuery) {
  const DispatchCase cases[] = {
      {"Tables/All", "All", "Tables", "Database", kLoad, "SELECT TABLE_NAME, OWNER, "},
      {"Tables/User", "User", "Tables", "Database", kLoad, "SELECT TABLE_NAME, TABLESPACE_NAME"},
      {"Views/All", "All", "Views", "Database", kLoad, "SELECT VIEW_NAME, OWNER"},
      {"Views/User", "User", "Views", "Database", kLoad, "SELECT VIEW_NAME, TYPE_TEXT"},
      {"Users", "Users", "Database", "", kLoad, "SELECT USERNAME"},
      {"Triggers/All", "All", "Triggers", "Database", kLoad, "SELECT TRIGGER_NAME, OWNER"},
      {"Triggers/User", "User", "Triggers", "Database", kLoad, "SELECT TRIGGER_NAME, TRIGGER_TYPE"},
      {"Procedures/All", "All", "Procedures", "Database", kLoad, "SELECT PROCEDURE_NAME, OWNER"},
      {"Procedures/User", "User", "Procedures", "Database", kLoad, "SELECT PROCEDURE_NAME, OBJECT_NAME"},
      {"Indexes/All", "All", "Indexes", "Database", kLoad, "SELECT INDEX_NAME, OWNER"},
      {"Indexes/User", "User", "Indexes", "Database", kLoad, "SELECT INDEX_NAME, INDEX_TYPE"},
      {"Sequenses/All", "All", "Sequenses", "Database", kLoad, "SELECT SEQUENCE_NAME, SEQUENCE_OWNER"},
      {"Sequenses/User", "User", "Sequenses", "Database", kLoad, "SELECT SEQUENCE_NAME, MIN_VALUE"},
      {"Constraints/All", "All", "Constraints", "Database", kLoad, "SELECT CONSTRAINT_NAME, OWNER"},
      {"Constraints/User", "User", "Constraints", "Database", kLoad, "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE"},
      {"Synonyms/All", "All", "Synonyms", "Database", kLoad, "SELECT SYNONYM_NAME, OWNER"},
      {"Synonyms/User", "User", "Synonyms", "Database", kLoad, "SELECT SYNONYM_NAME, TABLE_NAME"},
      {"DBLinks/All", "All", "DBLinks", "Database", kLoad, "SELECT DB_LINK, OWNER"},
      {"DBLinks/User", "User", "DBLinks", "Database", kLoad, "SELECT DB_LINK, USERNAME"},
      {"grandparent does not matter for scopes", "All", "Tables", "", kLoad, "SELECT TABLE_NAME, OWNER"},
  };
  for (const DispatchCase& c : cases) ExpectDispatch(c);
}

TEST(TreeDispatch, TableAndViewNodesShowColumns) {
  const DispatchCase cases[] = {
      {"table under Tables/All", "SCOTT.EMP", "All", "Tables", kColumns, ""},
      {"view under Views/User", "EMP_VIEW", "User", "Views", kColumns, ""},
      {"table named All", "All", "User", "Tables", kColumns, ""},
      {"table named User", "User", "All", "Tables", kColumns, ""},
      {"table named Users", "Users", "User", "Tables", kColumns, ""},
      {"view named Tables", "Tables", "User", "Views", kColumns, ""},
      {"dotted name", "A.B.C", "All", "Tables", kColumns, ""},
      {"leading dot", ".X", "All", "Tables", kColumns, ""},
  };
  for (const DispatchCase& c : cases) ExpectDispatch(c);
}

TEST(TreeDispatch, EverythingElseDoesNothing) {
  const DispatchCase cases[] = {
      {"no selection", "", "", "", kNothing, ""},
      {"root", "Database", "", "", kNothing, ""},
      {"category", "Tables", "Database", "", kNothing, ""},
      {"misspelt category is not the tree's", "All", "Sequences", "Database", kNothing, ""},
      {"case matters", "all", "Tables", "Database", kNothing, ""},
      {"index node", "SCOTT.PK_EMP", "All", "Indexes", kNothing, ""},
      {"procedure with a NULL name under All", "SCOTT.NULL", "All", "Procedures", kNothing, ""},
      {"procedure with a NULL name under User", "NULL", "User", "Procedures", kNothing, ""},
      {"user node", "SCOTT", "Users", "Database", kNothing, ""},
      {"user named All", "All", "Users", "Database", kNothing, ""},
      {"Users away from the root", "Users", "Tables", "Database", kNothing, ""},
  };
  for (const DispatchCase& c : cases) ExpectDispatch(c);
}

TEST(TreeDispatch, TableOrViewNodeRule) {
  EXPECT_TRUE(IsTableOrViewNode("All", "Tables"));
  EXPECT_TRUE(IsTableOrViewNode("User", "Views"));
  EXPECT_FALSE(IsTableOrViewNode("All", "Indexes"));
  EXPECT_FALSE(IsTableOrViewNode("Tables", "Database"));
  EXPECT_FALSE(IsTableOrViewNode("Users", "Tables"));
  EXPECT_FALSE(IsTableOrViewNode("", ""));
}

}  // namespace
