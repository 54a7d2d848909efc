#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListViewTable.h"
#include "ListViewWindow.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The table as the export reads it: the headings, then every row.
Rows Read(const xml::TableSource& table) {
  Rows rows(1);
  for (int column = 0; column < table.ColumnCount(); ++column) rows[0].push_back(table.Heading(column));
  for (int row = 0; row < table.RowCount(); ++row) {
    rows.emplace_back();
    for (int column = 0; column < table.ColumnCount(); ++column) rows.back().push_back(table.Cell(row, column));
  }
  return rows;
}

TEST(ListViewTable, ReadsHeadingsAndCells) {
  xmltest::ListViewWindow window;
  window.Fill({"EMPNO", "ENAME", "COMM"}, {{"7369", "SMITH", "NULL"}, {"7499", "ALLEN", "300"}});
  EXPECT_EQ((Rows{{"EMPNO", "ENAME", "COMM"}, {"7369", "SMITH", "NULL"}, {"7499", "ALLEN", "300"}}),
            Read(xml::ListViewTable(window.List())));
}

TEST(ListViewTable, RowsComeInTheSortedOrder) {
  xmltest::ListViewWindow window;
  window.Fill({"ENAME"}, {{"SMITH"}, {"ALLEN"}, {"WARD"}, {"JONES"}});
  window.SortDescendingBy(0);
  EXPECT_EQ((Rows{{"ENAME"}, {"WARD"}, {"SMITH"}, {"JONES"}, {"ALLEN"}}), Read(xml::ListViewTable(window.List())));
}

TEST(ListViewTable, ColumnsComeInTheOrderOnScreen) {
  xmltest::ListViewWindow window;
  window.Fill({"A", "B", "C"}, {{"a", "b", "c"}});
  int order[] = {2, 0, 1};
  ASSERT_TRUE(ListView_SetColumnOrderArray(window.List(), 3, order));
  EXPECT_EQ((Rows{{"C", "A", "B"}, {"c", "a", "b"}}), Read(xml::ListViewTable(window.List())));
}

TEST(ListViewTable, EmptyHeadingIsCalledData) {
  xmltest::ListViewWindow window;
  window.Fill({"", "X"}, {{"1", "2"}});
  EXPECT_EQ((Rows{{"data", "X"}, {"1", "2"}}), Read(xml::ListViewTable(window.List())));
}

TEST(ListViewTable, LongTexts) {
  const std::string longHeading(9000, 'H');
  const std::string longCell(100000, 'c');
  const std::string exactBuffer(255, 'e');  // fills the first read's buffer exactly
  xmltest::ListViewWindow window;
  window.Fill({longHeading, "B"}, {{longCell, exactBuffer}});
  const xml::ListViewTable table(window.List());
  EXPECT_EQ(longHeading.substr(0, 8191), table.Heading(0));
  EXPECT_EQ(longCell, table.Cell(0, 0));
  EXPECT_EQ(exactBuffer, table.Cell(0, 1));
}

TEST(ListViewTable, EmptyList) {
  xmltest::ListViewWindow window;
  const xml::ListViewTable table(window.List());
  EXPECT_EQ(0, table.ColumnCount());
  EXPECT_EQ(0, table.RowCount());
}

}  // namespace
