#include <gtest/gtest.h>

#include <string>

#include "ListViewTable.h"
#include "ListViewWindow.h"
#include "TestSupport.h"

namespace {

using xmltest::Rows;

// The table as the export reads it: the headings, then every row.
Rows Read(HWND list) {
  const xml::ListViewTable table(list);
  Rows rows(1);
  for (int column = 0; column < table.ColumnCount(); ++column) rows[0].push_back(table.Heading(column));
  for (int row = 0; row < table.RowCount(); ++row) {
    rows.emplace_back();
    for (int column = 0; column < table.ColumnCount(); ++column) rows.back().push_back(table.Cell(row, column));
  }
  return rows;
}

TEST(ListViewTable, ReadsHeadingsAndCellsInTheSortedOrder) {
  xmltest::ListViewWindow window;
  window.Fill({"EMPNO", "", "ENAME"}, {{"7369", "x", "SMITH"}, {"7499", "", "ALLEN"}, {"7521", "z", "WARD"}});
  window.SortDescendingBy(2);
  EXPECT_EQ((Rows{{"EMPNO", "data", "ENAME"}, {"7521", "z", "WARD"}, {"7369", "x", "SMITH"}, {"7499", "", "ALLEN"}}),
            Read(window.List()));
}

TEST(ListViewTable, ColumnsComeInTheOrderOnScreen) {
  xmltest::ListViewWindow window;
  window.Fill({"A", "B", "C"}, {{"a", "b", "c"}});
  int order[] = {2, 0, 1};
  ASSERT_TRUE(ListView_SetColumnOrderArray(window.List(), 3, order));
  EXPECT_EQ((Rows{{"C", "A", "B"}, {"c", "a", "b"}}), Read(window.List()));
}

TEST(ListViewTable, HeadingsAreCutAt8191CharactersCellsNever) {
  const std::string longHeading(9000, 'H');
  const std::string longCell(100000, 'c');
  const std::string fillsFirstBuffer(255, 'e');
  xmltest::ListViewWindow window;
  window.Fill({longHeading, "B"}, {{longCell, fillsFirstBuffer}});
  EXPECT_EQ((Rows{{longHeading.substr(0, 8191), "B"}, {longCell, fillsFirstBuffer}}), Read(window.List()));
}

TEST(ListViewTable, EmptyList) {
  xmltest::ListViewWindow window;
  EXPECT_EQ(Rows(1), Read(window.List()));
}

}  // namespace
