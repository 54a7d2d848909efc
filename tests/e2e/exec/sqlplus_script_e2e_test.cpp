// F5 on a script written for SQL*Plus, through the real program against the demo database:
// client commands skipped and counted, EDITIONABLE units run to their "/", a q-quote and a
// comment with apostrophes masked, a query ended by a lone "/".
#include "Workbench.h"

namespace exece2e {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class SqlPlusScript : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }
  Workbench bench;
};

TEST_F(SqlPlusScript, RunsEveryStatementAndCountsTheSkippedCommands) {
  ASSERT_TRUE(bench.StartConnected("sqlplus-script"));
  const std::string script =
      "SET ECHO ON\r\n"
      "PROMPT Creating the payroll package; it's quick\r\n"
      "/* don't run this twice */\r\n"
      "CREATE OR REPLACE EDITIONABLE PACKAGE payroll AS\r\n"
      "  FUNCTION greeting RETURN VARCHAR2;\r\n"
      "END payroll;\r\n"
      "/\r\n"
      "CREATE OR REPLACE EDITIONABLE PACKAGE BODY payroll AS\r\n"
      "  FUNCTION greeting RETURN VARCHAR2 IS\r\n"
      "  BEGIN\r\n"
      "    RETURN q'[it's Bob's; done]';\r\n"
      "  END greeting;\r\n"
      "END payroll;\r\n"
      "/\r\n"
      "SELECT ename FROM emp WHERE deptno = 10 ORDER BY ename\r\n"
      "/\r\n";
  EXPECT_EQ("Rows 3 (2 SQL*Plus commands skipped)", bench.Execute(script));
  EXPECT_EQ((Rows{{"CLARK"}, {"KING"}, {"MILLER"}}), bench.List().Rows());
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("sqlplus-script.png")));
  EXPECT_EQ("Rows 1", bench.Execute("SELECT object_name FROM user_procedures WHERE object_name = 'PAYROLL'"))
      << "the package was created";
}

}  // namespace
}  // namespace exece2e
