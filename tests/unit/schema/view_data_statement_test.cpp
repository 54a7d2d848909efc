#include <gtest/gtest.h>

#include <string>

#include "ViewDataStatement.h"

namespace {

struct ViewDataCase {
  const char* name;
  SelectedNode node;
  std::string expected;  // empty: View Data does nothing
};

TEST(ViewDataStatement, TableAndViewNodesGiveAllRows) {
  const ViewDataCase cases[] = {
      {"table under Tables/All", {"SCOTT.EMP", "All", "Tables"}, "SELECT * FROM \"SCOTT\".\"EMP\""},
      {"view under Views/User", {"EMP_DEPT", "User", "Views"}, "SELECT * FROM \"EMP_DEPT\""},
      {"view under Views/All", {"SCOTT.EMP_DEPT", "All", "Views"}, "SELECT * FROM \"SCOTT\".\"EMP_DEPT\""},
      {"table named All", {"All", "User", "Tables"}, "SELECT * FROM \"All\""},
      {"dot in a name under User", {"A.B", "User", "Tables"}, "SELECT * FROM \"A.B\""},
      {"dot in a name under All", {"A.B.C", "All", "Tables"}, "SELECT * FROM \"A\".\"B.C\""},
      {"double quote in a name", {"O\"K.T", "All", "Views"}, "SELECT * FROM \"O\"\"K\".\"T\""},
      {"mixed case", {"Sales.Orders 2", "All", "Tables"}, "SELECT * FROM \"Sales\".\"Orders 2\""},
  };
  for (const ViewDataCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ViewDataStatement(c.node));
  }
}

TEST(ViewDataStatement, OtherNodesGiveNothing) {
  const ViewDataCase cases[] = {
      {"no selection", {"", "", ""}, ""},
      {"root", {"Database", "", ""}, ""},
      {"category", {"Tables", "Database", ""}, ""},
      {"scope node", {"All", "Tables", "Database"}, ""},
      {"index node", {"SCOTT.PK_EMP", "All", "Indexes"}, ""},
      {"user node", {"SCOTT", "Users", "Database"}, ""},
      {"synonym node", {"EMPLOYEES", "User", "Synonyms"}, ""},
  };
  for (const ViewDataCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ViewDataStatement(c.node));
  }
}

}  // namespace
