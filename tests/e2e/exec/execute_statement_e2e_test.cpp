// Execute Statement (Ctrl+Enter) through the real program: the statement at the caret runs
// on its own with its real headings, and its error puts the caret where F5 would.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

TEST(ExecuteStatement, RunsTheStatementAtTheCaret) {
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("execute-statement"));
  const std::string script =
      "SELECT * FROM DEPT;\r\n\r\nSELECT ENAME, SAL FROM EMP\r\n WHERE DEPTNO = 10;\r\n\r\n"
      "  SELECT NO_SUCH_COLUMN FROM DEPT;\r\n";
  bench.SetEditorText(script);
  const int second = static_cast<int>(script.find("WHERE"));
  bench.SelectInEditor(second, second);
  EXPECT_EQ("Rows 3", bench.PressWithControl(VK_RETURN));
  EXPECT_EQ((std::vector<std::string>{"ENAME", "SAL"}), bench.List().Columns());
  EXPECT_EQ(script, bench.EditorText()) << "Ctrl+Enter runs, it types no line break";

  const int third = static_cast<int>(script.size());
  bench.SelectInEditor(third, third);
  EXPECT_EQ("ORA-00904: \"NO_SUCH_COLUMN\": invalid identifier, approx. offset 7", bench.PressWithControl(VK_RETURN));
  const int caret = static_cast<int>(script.find("NO_SUCH_COLUMN"));
  EXPECT_EQ(std::make_pair(caret, caret), bench.EditorSelection());
  bench.RunQuietCommand(ID_SQL_BACK);
  EXPECT_EQ("SELECT ENAME, SAL FROM EMP\r\n WHERE DEPTNO = 10", bench.EditorText()) << "the statement was recorded";
  EXPECT_TRUE(bench.Close());
}

}  // namespace
}  // namespace exece2e
