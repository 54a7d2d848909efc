// The execution logic on a real report list view in-process under Wine: columns, cells,
// item states, emptying, the read-all question and redrawing around it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "DialogScript.h"
#include "Execution.h"
#include "FakeStatements.h"
#include "ViewResultList.h"

namespace {

using Texts = std::vector<std::string>;

class ListWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                            nullptr, nullptr, nullptr);
    list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 580, 380, owner, nullptr,
                           nullptr, nullptr);
    ASSERT_NE(nullptr, list);
  }
  void TearDown() override { DestroyWindow(owner); }

  ExecutionOutcome Execute(const std::string& text) {
    ExecuteRequest request;
    request.sqlText = text;
    request.sqlSeparator = ";";
    request.plsqlSeparator = "/";
    ResultListWindow window(list, owner);
    return ExecuteText(request, source, window);
  }

  std::vector<Column> Columns() const {
    std::vector<Column> columns;
    for (int i = 0;; ++i) {
      char text[256] = {};
      LVCOLUMNA column = {};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      column.pszText = text;
      column.cchTextMax = sizeof text;
      if (!SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column))) return columns;
      EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK) << text;
      columns.push_back({text, column.cx});
    }
  }

  Rows Cells() const {
    Rows rows;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    const std::size_t width = Columns().size();
    for (int r = 0; r < count; ++r) {
      Row row;
      for (std::size_t c = 0; c < width; ++c) {
        char text[256] = {};
        LVITEMA item = {};
        item.iSubItem = static_cast<int>(c);
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
        row.push_back(text);
      }
      rows.push_back(row);
    }
    return rows;
  }

  HWND owner = nullptr;
  HWND list = nullptr;
  FakeStatements source;
};

TEST_F(ListWindowTest, QueryFillsNamedColumnsAndCellsWithNoRowSelected) {
  source.script["SELECT * FROM T"] = NumberedQuery(3, 3);
  EXPECT_EQ("Rows 3", Execute("SELECT * FROM T").message);
  EXPECT_EQ((std::vector<Column>{{"C1", 70}, {"C2", 70}, {"C3", 70}}), Columns());
  EXPECT_EQ((Rows{{"r0c0", "r0c1", "r0c2"}, {"r1c0", "r1c1", "r1c2"}, {"r2c0", "r2c1", "r2c2"}}), Cells());
  EXPECT_EQ(0, SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
  EXPECT_TRUE(IsWindowVisible(list)) << "drawing is on again";
}

TEST_F(ListWindowTest, ScriptRowsFillOnlyTheirOwnColumns) {
  source.script["A"] = NumberedQuery(1, 1);
  source.script["B"] = NumberedQuery(1, 3);
  Execute("A;\r\nB;");
  EXPECT_EQ((std::vector<Column>{{"Column 1", 70}, {"Column 2", 70}, {"Column 3", 70}}), Columns());
  EXPECT_EQ((Rows{{"r0c0", "", ""}, {"r0c0", "r0c1", "r0c2"}}), Cells());
}

TEST_F(ListWindowTest, EachRunStartsFromAnEmptyList) {
  source.script["WIDE"] = NumberedQuery(2, 4);
  source.script["UPDATE T"] = Change(2);
  Execute("WIDE");
  Execute("UPDATE T");
  EXPECT_TRUE(Columns().empty());
  EXPECT_TRUE(Cells().empty());
}

TEST_F(ListWindowTest, QueryIntoListColumnsAreOneHundredPixelsWide) {
  source.script["Q"] = NumberedQuery(1, 2);
  ResultListWindow window(list, owner);
  QueryIntoList("Q", source, window);
  EXPECT_EQ((std::vector<Column>{{"C1", 100}, {"C2", 100}}), Columns());
}

TEST_F(ListWindowTest, ReadAllQuestionShowsTheRowsReadSoFar) {
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    source.script["BIG"] = NumberedQuery(600);
    MessageBoxAnswerer answerer(!yes);
    int rowsBehindQuestion = -1;
    bool drawnBehindQuestion = false;
    answerer.whenOpen = [&] {
      rowsBehindQuestion = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
      drawnBehindQuestion = IsWindowVisible(list) != FALSE;
    };
    EXPECT_EQ(yes ? "Rows 600" : "Rows 500", Execute("BIG").message);
    EXPECT_EQ(Texts{"You have read 500 rows do you want to read all?"}, answerer.Texts());
    EXPECT_EQ(500, rowsBehindQuestion);
    EXPECT_TRUE(drawnBehindQuestion);
    EXPECT_TRUE(IsWindowVisible(list));
  }
}

}  // namespace
