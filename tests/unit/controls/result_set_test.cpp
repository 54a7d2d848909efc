#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResultMemoryCap.h"
#include "ResultSet.h"
#include "SortCase.h"
#include "TextArena.h"

namespace {

using results::ResultSet;
// Rows in fetch order.
using RowBatch = std::vector<results::Row>;

// Every cell of a column, top to bottom.
Texts Column(const ResultSet& set, int column) {
  Texts texts;
  for (int row = 0; row < set.RowCount(); ++row) texts.emplace_back(set.Cell(row, column));
  return texts;
}

ResultSet Filled(const RowBatch& rows) {
  ResultSet set;
  set.AddColumn("A");
  set.AddColumn("B");
  for (const results::Row& row : rows) EXPECT_TRUE(set.AppendRow(row));
  return set;
}

struct StoreCase {
  const char* name;
  RowBatch rows;
  int row;
  int column;
  std::string expected;
};

const std::string kLongerThanABlock(results::TextArena::kBlockSize + 10, 'x');

const StoreCase kStoreCases[] = {
    {"FirstCell", {{"7369", "SMITH"}, {"7499", "ALLEN"}}, 0, 0, "7369"},
    {"LastCell", {{"7369", "SMITH"}, {"7499", "ALLEN"}}, 1, 1, "ALLEN"},
    {"NullIsItsText", {{"NULL", "x"}}, 0, 0, "NULL"},
    {"EmptyCell", {{"", "x"}}, 0, 0, ""},
    {"ShorterRowReadsEmpty", {{"a", "b"}, {"c"}}, 1, 1, ""},
    {"BeyondEveryColumn", {{"a", "b"}}, 0, 5, ""},
    {"TextEndsAtItsFirstNul", {{std::string("ab\0cd", 5), "x"}}, 0, 0, "ab"},
    {"LongerThanABlock", {{"a", "b"}, {kLongerThanABlock, "c"}, {"d", "e"}}, 1, 0, kLongerThanABlock},
    {"AfterALongCell", {{"a", "b"}, {kLongerThanABlock, "c"}, {"d", "e"}}, 2, 1, "e"},
};

class RowStoreTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(RowStoreTest, ReadsBackWhatWasAppended) {
  const StoreCase& c = GetParam();
  const ResultSet set = Filled(c.rows);
  EXPECT_EQ(static_cast<int>(c.rows.size()), set.RowCount());
  EXPECT_EQ(c.expected, set.Cell(c.row, c.column));
  std::string whole;
  for (const std::string& cell : c.rows[c.row]) whole += std::string(cell.c_str()) + '\0';
  EXPECT_EQ(whole, set.RowText(c.row)) << "the row's cells in one piece";

  ResultSet copied;
  for (int row = 0; row < set.RowCount(); ++row) ASSERT_TRUE(copied.AppendRowText(set.RowText(row)));
  EXPECT_EQ(c.expected, copied.Cell(c.row, c.column)) << "appended in one piece";
  EXPECT_EQ(whole, copied.RowText(c.row));
}

INSTANTIATE_TEST_SUITE_P(Cases, RowStoreTest, ::testing::ValuesIn(kStoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowStore, ClearEmptiesRowsAndColumnsAndTakesRowsAgain) {
  ResultSet set = Filled({{"a", "b"}, {"c", "d"}});
  set.Clear();
  EXPECT_EQ(0, set.RowCount());
  EXPECT_EQ(0, set.ColumnCount());
  ASSERT_TRUE(set.AppendRow({"e"}));
  EXPECT_EQ("e", set.Cell(0, 0));
}

const SortCase kSortCases[] = {
    {"Ascending", {"pear", "Apple", "fig"}, true, {"Apple", "fig", "pear"}},
    {"Descending", {"pear", "Apple", "fig"}, false, {"pear", "fig", "Apple"}},
    {"EqualKeepTheirOrder", {"b", "A2", "a", "B", "A"}, true, {"a", "A", "A2", "b", "B"}},
    {"EqualKeepTheirOrderDescending", {"b", "a", "B", "A"}, false, {"b", "B", "a", "A"}},
    {"EmptyFirst", {"b", "", "a"}, true, {"", "a", "b"}},
};

class SortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortTest, OrdersRowsByTheColumnsKeys) {
  const SortCase& c = GetParam();
  RowBatch rows;
  for (size_t i = 0; i < c.cells.size(); ++i) rows.push_back({std::to_string(i), c.cells[i]});
  ResultSet set = Filled(rows);
  ASSERT_TRUE(set.Sort(1, c.ascending));
  EXPECT_EQ(c.expected, Column(set, 1));
  for (int row = 0; row < set.RowCount(); ++row)
    EXPECT_EQ(std::to_string(set.StoredRow(row)), set.Cell(row, 0)) << "rows move whole";
}

INSTANTIATE_TEST_SUITE_P(Cases, SortTest, ::testing::ValuesIn(kSortCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Sort, StableFromTheOrderShownAndNewRowsComeLast) {
  ResultSet set = Filled({{"1", "y"}, {"2", "x"}, {"3", "y"}, {"4", "x"}});
  ASSERT_TRUE(set.Sort(0, false));
  ASSERT_TRUE(set.Sort(1, true));
  EXPECT_EQ((Texts{"4", "2", "3", "1"}), Column(set, 0)) << "equal cells keep the descending order";
  ASSERT_TRUE(set.AppendRow({"5", "a"}));
  EXPECT_EQ((Texts{"4", "2", "3", "1", "5"}), Column(set, 0));
  ASSERT_TRUE(set.Sort(1, true));
  EXPECT_EQ((Texts{"5", "4", "2", "3", "1"}), Column(set, 0)) << "keys made for the new row too";
}

class CappedMemory : public ::testing::Test {
 protected:
  void TearDown() override { fw::SetResultMemoryCap(0); }
};

TEST_F(CappedMemory, RowsStopWholeSortLeavesTheOrderAndClearGivesBack) {
  ResultSet set;
  set.AddColumn("A");
  fw::SetResultMemoryCap(200);
  int rows = 0;
  while (set.AppendRow({"row " + std::to_string(99 - rows)})) ++rows;
  ASSERT_GT(rows, 0);
  ASSERT_LT(rows, 20);
  EXPECT_EQ(rows, set.RowCount()) << "the row that did not fit is not there";
  const Texts before = Column(set, 0);
  EXPECT_FALSE(set.Sort(0, true));
  EXPECT_EQ(before, Column(set, 0));
  EXPECT_FALSE(set.AppendRowText(std::string("row 10\0", 7))) << "nor does a row in one piece";
  EXPECT_EQ(rows, set.RowCount());

  set.Clear();
  fw::SetResultMemoryCap(1000);
  for (int row = 0; row < rows; ++row) ASSERT_TRUE(set.AppendRow({"row " + std::to_string(99 - row)}));
  EXPECT_TRUE(set.Sort(0, true)) << "memory enough for the rows and their keys";
}

}  // namespace
