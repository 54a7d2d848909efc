// F5 on a script written for SQL*Plus, through the real program against the demo database:
// client commands skipped and counted, EDITIONABLE units run to their "/", a q-quote and a
// comment with apostrophes masked, a query ended by a lone "/".
#include "Workbench.h"
#include "resource.h"

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

// Answers the next substitution ask: its prompt, and whether it came as a password box.
std::string AnswerAsk(const Workbench& bench, const std::string& value, bool& hidden) {
  const HWND dialog = bench.WaitForDialog("Substitution variable");
  if (!dialog || !e2e::WaitForControl(dialog, IDC_SUBST_HIDDEN, kPatienceMs)) return "<no ask>";
  hidden = IsWindowVisible(GetDlgItem(dialog, IDC_SUBST_HIDDEN)) != 0;
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath(hidden ? "substitution-hidden.png" : "substitution-ask.png")));
  const std::string prompt = e2e::GetText(GetDlgItem(dialog, IDC_SUBST_PROMPT));
  e2e::SetText(GetDlgItem(dialog, hidden ? IDC_SUBST_HIDDEN : IDC_SUBST_VALUE), value);
  Workbench::Answer(dialog, IDOK);
  return prompt;
}

TEST_F(SqlPlusScript, SubstitutesAsksAndGoesOnPastAFailingDrop) {
  ASSERT_TRUE(bench.StartConnected("sqlplus-substitution"));
  const std::string script =
      "WHENEVER SQLERROR CONTINUE\r\n"
      "DROP TABLE subst_t;\r\n"
      "ACCEPT pass PROMPT 'Enter a password for the user HR: ' HIDE\r\n"
      "DEFINE tbs = HR\r\n"
      "CREATE TABLE subst_t (name VARCHAR2(30), val VARCHAR2(30));\r\n"
      "INSERT INTO subst_t VALUES ('pass', '&pass');\r\n"
      "INSERT INTO subst_t VALUES ('tbs', '&tbs._DATA');\r\n"
      "INSERT INTO subst_t VALUES ('once', '&&once');\r\n"
      "INSERT INTO subst_t VALUES ('again', '&once');\r\n"
      "SET DEFINE OFF\r\n"
      "INSERT INTO subst_t VALUES ('company', 'AT&T');\r\n"
      "SELECT name, val FROM subst_t ORDER BY name;\r\n";
  bench.SetEditorText(script);
  bench.PostF5();
  bool hidden = false;
  EXPECT_EQ("Enter a password for the user HR: ", AnswerAsk(bench, "s3cret", hidden));
  EXPECT_TRUE(hidden);
  EXPECT_EQ("Enter value for once:", AnswerAsk(bench, "first", hidden));
  EXPECT_FALSE(hidden);
  const std::string message = bench.WaitForReport();
  EXPECT_EQ(0u, message.find("ORA-00942")) << message;
  EXPECT_NE(std::string::npos, message.find(" (1 of 8 statements failed) (4 SQL*Plus commands skipped)")) << message;
  const int drop = static_cast<int>(script.find("DROP TABLE subst_t"));
  EXPECT_EQ(std::make_pair(drop, drop + 18), bench.EditorSelection()) << "the failing DROP is selected";
  EXPECT_EQ((Rows{{"again", "first"}, {"company", "AT&T"}, {"once", "first"}, {"pass", "s3cret"}, {"tbs", "HR_DATA"}}),
            bench.List().Rows());
}

}  // namespace
}  // namespace exece2e
