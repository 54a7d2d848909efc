// Execute (F5) through the real program against ocilite's demo database: queries, changes,
// scripts, errors, the read-all question and transactions.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

using Texts = std::vector<std::string>;
using Rows = std::vector<Texts>;

// The pixels of the list's rows area (below its headings) as they are on screen.
std::vector<std::uint32_t> RowsArea(HWND list) {
  RECT area = {}, headings = {};
  GetClientRect(list, &area);
  GetWindowRect(GetDlgItem(list, 0), &headings);
  POINT origin = {0, headings.bottom - headings.top};
  ClientToScreen(list, &origin);
  return e2e::ScreenPixels(origin.x, origin.y, area.right, area.bottom - (headings.bottom - headings.top));
}

class Execute : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }
  Workbench bench;
};

TEST_F(Execute, QueriesAndChanges) {
  ASSERT_TRUE(bench.StartConnected("execute-query"));
  HWND list = e2e::FindControl(bench.Main(), IDC_RESULT_LIST);
  const std::vector<std::uint32_t> empty = RowsArea(list);
  EXPECT_EQ("Rows 4", bench.Execute("SELECT * FROM DEPT ORDER BY DEPTNO;\r\n"));
  EXPECT_EQ((Texts{"DEPTNO", "DNAME", "LOC"}), bench.List().Columns());
  EXPECT_EQ((Rows{{"10", "ACCOUNTING", "NEW YORK"},
                  {"20", "RESEARCH", "DALLAS"},
                  {"30", "SALES", "CHICAGO"},
                  {"40", "OPERATIONS", "BOSTON"}}),
            bench.List().Rows());
  EXPECT_EQ(-1, bench.List().SelectedRow());
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("main-window-after-query.png")));
  EXPECT_TRUE(e2e::WaitUntil([&] { return RowsArea(list) != empty; })) << "the rows are drawn";
  EXPECT_EQ("Execute succeeded! Rows changed 3", bench.Execute("UPDATE EMP SET SAL = SAL + 1 WHERE DEPTNO = 10"));
  EXPECT_TRUE(bench.List().Columns().empty());
  // A run that empties the list and shows nothing still draws it: no old row stays on screen.
  EXPECT_TRUE(e2e::WaitUntil([&] { return RowsArea(list) == empty; }));
  bench.Execute("SELECT SAL FROM EMP WHERE EMPNO = 7839");
  EXPECT_EQ("5001", bench.List().Cell(0, 0));
}

TEST_F(Execute, ScriptCollectsRowsUnderHeadingsOfTheWidestQuery) {
  ASSERT_TRUE(bench.StartConnected("execute-script"));
  EXPECT_EQ("Rows 10",
            bench.Execute("SELECT DEPTNO, DNAME FROM DEPT ORDER BY DEPTNO;\r\nUPDATE DEPT SET LOC = LOC;\r\n"
                          "SELECT * FROM SALGRADE ORDER BY GRADE;\r\nSELECT ENAME FROM EMP WHERE EMPNO = 7839;"));
  EXPECT_EQ((Texts{"Column 1", "Column 2", "Column 3"}), bench.List().Columns());
  const Rows rows = bench.List().Rows();
  ASSERT_EQ(10u, rows.size());
  EXPECT_EQ((Rows{{"10", "ACCOUNTING", ""}, {"1", "700", "1200"}, {"KING", "", ""}}),
            (Rows{rows[0], rows[4], rows[9]}));
}

TEST_F(Execute, FailingStatementPutsTheCaretAtTheError) {
  ASSERT_TRUE(bench.StartConnected("execute-caret"));
  const std::string text = "SELECT 1 FROM DUAL;\r\n\r\n  SELECT NO_SUCH_COLUMN FROM DEPT;";
  bench.SetEditorText(text);
  bench.SelectInEditor(static_cast<int>(text.find("\r\n\r\n")), static_cast<int>(text.size()));
  EXPECT_EQ("ORA-00904: \"NO_SUCH_COLUMN\": invalid identifier, approx. offset 7", bench.PressF5());
  const int caret = static_cast<int>(text.find("NO_SUCH_COLUMN"));
  EXPECT_EQ(std::make_pair(caret, caret), bench.EditorSelection());
  EXPECT_FALSE(bench.MenuEnabled(ID_SQL_BACK)) << "a failure is not recorded";
}

TEST_F(Execute, FailingThirdStatementIsSelectedAndNotRecorded) {
  ASSERT_TRUE(bench.StartConnected("execute-third"));
  ASSERT_EQ("Rows 1", bench.Execute("SELECT 'A' FROM DUAL"));
  ASSERT_EQ("Rows 1", bench.Execute("SELECT 'B' FROM DUAL"));
  const std::string script =
      "SELECT * FROM DEPT;\r\nUPDATE DEPT SET LOC = 'X' WHERE DEPTNO = 40;\r\n"
      "SELECT * FROM NO_SUCH_TABLE;\r\nSELECT * FROM EMP;\r\n";
  EXPECT_EQ("ORA-00942: table or view does not exist, approx. offset in selected area 14", bench.Execute(script));
  const int at = static_cast<int>(script.find("SELECT * FROM NO_SUCH_TABLE"));
  EXPECT_EQ(std::make_pair(at, at + 27), bench.EditorSelection());
  EXPECT_EQ(4, bench.List().RowCount()) << "the first query's rows stay";
  bench.RunQuietCommand(ID_SQL_BACK);
  EXPECT_EQ("SELECT 'A' FROM DUAL", bench.EditorText()) << "the failed script is not in the history";
  bench.Execute("SELECT LOC FROM DEPT WHERE DEPTNO = 40");
  EXPECT_EQ("X", bench.List().Cell(0, 0)) << "the statements before the failure stay done";
}

// What a server sends that a buffer sized by display size would lose: an aggregate's row
// that comes with a warning, a long number, a large object past the largest buffer.
TEST_F(Execute, WarningsLongNumbersAndCutLargeObjects) {
  ASSERT_TRUE(bench.StartConnected("execute-server-values"));
  EXPECT_EQ("Rows 1", bench.Execute("SELECT SUM(COMM), MAX(COMM) FROM EMP"));
  EXPECT_EQ((Rows{{"2200", "1400"}}), bench.List().Rows());
  EXPECT_EQ("Rows 1", bench.Execute("SELECT 5000/3 FROM DUAL"));
  EXPECT_EQ("1666.66666666667", bench.List().Cell(0, 0)) << "whole, neither cut nor truncated";
  ASSERT_EQ("Rows 0", bench.Execute("CREATE TABLE DOCS (BODY CLOB);\r\n"
                                    "INSERT INTO DOCS SELECT replace(hex(zeroblob(35000)), '0', 'x') FROM DUAL;"));
  EXPECT_EQ("Rows 1, 1 values cut", bench.Execute("SELECT BODY FROM DOCS"));
  EXPECT_EQ(std::string(65534, 'x') + "...", bench.List().Cell(0, 0));
}

TEST_F(Execute, ReadAllQuestionAtFiveHundredRows) {
  ASSERT_TRUE(bench.StartConnected("execute-read-all"));
  // DIGITS holds 0 to 9; BIG the numbers 0 to 1199.
  std::string script = "CREATE TABLE DIGITS (N NUMBER);\r\nCREATE TABLE BIG (N NUMBER);\r\n";
  for (char digit = '0'; digit <= '9'; ++digit) script += std::string("INSERT INTO DIGITS VALUES (") + digit + ");\r\n";
  script +=
      "INSERT INTO BIG SELECT A.N * 100 + B.N * 10 + C.N FROM DIGITS A, DIGITS B, DIGITS C;\r\n"
      "INSERT INTO BIG SELECT 1000 + A.N * 10 + B.N FROM DIGITS A, DIGITS B;\r\n"
      "INSERT INTO BIG SELECT 1100 + A.N * 10 + B.N FROM DIGITS A, DIGITS B;\r\n";
  ASSERT_EQ("Rows 0", bench.Execute(script));
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    bench.SetEditorText("SELECT N FROM BIG ORDER BY N");
    e2e::PostKey(bench.Main(), VK_F5);
    HWND question = bench.WaitForDialog();
    ASSERT_NE(nullptr, question);
    EXPECT_EQ("You have read 500 rows do you want to read all?", Workbench::MessageBoxText(question));
    EXPECT_EQ(500, bench.List().RowCount()) << "the rows read so far stand behind the question";
    Workbench::Answer(question, yes ? IDYES : IDNO);
    const std::string expected = yes ? "Rows 1200" : "Rows 500";
    EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == expected; }, kPatienceMs)) << bench.Message();
    e2e::ListViewReader list = bench.List();
    ASSERT_EQ(yes ? 1200 : 500, list.RowCount());
    EXPECT_EQ(yes ? "1199" : "499", list.Cell(list.RowCount() - 1, 0));
  }
}

TEST_F(Execute, RollbackUndoesAnUpdateOnlyWithoutAutocommit) {
  ASSERT_TRUE(bench.StartConnected("execute-rollback"));
  const std::string update = "UPDATE DEPT SET LOC = 'NOWHERE' WHERE DEPTNO = 10";
  const std::string query = "SELECT LOC FROM DEPT WHERE DEPTNO = 10";
  bench.Execute(update);
  EXPECT_EQ("Execute succeeded! Rows changed 0", bench.Execute("ROLLBACK"));
  bench.Execute(query);
  EXPECT_EQ("NOWHERE", bench.List().Cell(0, 0)) << "autocommit is on by default";

  e2e::PostCommand(bench.Main(), ID_SETUP_CONFIGURATION);
  HWND configuration = bench.WaitForDialog("Configuration");
  ASSERT_NE(nullptr, configuration);
  e2e::Click(GetDlgItem(configuration, IDC_CONFIG_AUTOCOMMIT));
  Workbench::Answer(configuration, IDOK);
  EXPECT_NE(std::string::npos, bench.SettingsFile().find("AUTOCOMMIT=0"));
  bench.Execute("UPDATE DEPT SET LOC = 'NEW YORK' WHERE DEPTNO = 10");
  bench.Execute(query);
  EXPECT_EQ("NEW YORK", bench.List().Cell(0, 0)) << "the session sees its own change";
  bench.Execute("ROLLBACK");
  bench.Execute(query);
  EXPECT_EQ("NOWHERE", bench.List().Cell(0, 0));
}

}  // namespace
}  // namespace exece2e
