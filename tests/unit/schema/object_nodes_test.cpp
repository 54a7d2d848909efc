#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectNodes.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

// The result list after a catalogue query: `columns` headings and the rows as fetched.
class ResultRows : public xml::TableSource {
 public:
  ResultRows(int columns, Rows rows) : columns_(columns), rows_(std::move(rows)) {}
  int ColumnCount() const override { return columns_; }
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string Heading(int column) const override { return "C" + std::to_string(column); }
  std::string Cell(int row, int column) const override { return rows_.at(row).at(column); }

 private:
  int columns_;
  Rows rows_;
};

struct TextCase {
  const char* name;
  std::string cellName, owner;
  bool ownerColumn;
  std::string expected;
};

TEST(ObjectNodes, NodeTextFromNameAndOwner) {
  const TextCase cases[] = {
      {"owner and name", "EMP", "SCOTT", true, "SCOTT.EMP"},
      {"empty owner gives the bare name", "SCOTT_DEPT", "", true, "SCOTT_DEPT"},
      {"no owner column ignores the owner", "EMP", "SCOTT", false, "EMP"},
      {"NULL name under All", "NULL", "SCOTT", true, "SCOTT.NULL"},
      {"NULL name under User", "NULL", "", false, "NULL"},
      {"NULL owner is a text like any other", "EMP", "NULL", true, "NULL.EMP"},
      {"dots are kept", "SALES.EXAMPLE.COM", "SCOTT", true, "SCOTT.SALES.EXAMPLE.COM"},
      {"empty name", "", "SCOTT", true, "SCOTT."},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ObjectNodeText(c.cellName, c.owner, c.ownerColumn));
  }
}

TEST(ObjectNodes, AllScopeReadsNameAndOwnerInRowOrder) {
  const ResultRows rows(4, {{"REGIONS", "HR", "USERS", "4"},
                            {"DEPT", "SCOTT", "USERS", "4"},
                            {"EMP", "SCOTT", "USERS", "14"},
                            {"SCOTT_DEPT", "", "x", "y"}});
  EXPECT_EQ((Texts{"HR.REGIONS", "SCOTT.DEPT", "SCOTT.EMP", "SCOTT_DEPT"}), ObjectNodeTexts(rows, true));
}

TEST(ObjectNodes, UserScopeReadsTheFirstColumnOnly) {
  const ResultRows rows(3, {{"BONUS", "USERS", "0"}, {"DEPT", "USERS", "4"}, {"NULL", "x", "y"}});
  EXPECT_EQ((Texts{"BONUS", "DEPT", "NULL"}), ObjectNodeTexts(rows, false));
}

TEST(ObjectNodes, EmptyOrNarrowListsAreReadSafely) {
  EXPECT_TRUE(ObjectNodeTexts(ResultRows(0, {}), true).empty()) << "a failed query leaves no columns";
  EXPECT_TRUE(ObjectNodeTexts(ResultRows(13, {}), true).empty()) << "a query without rows";
  // Rows without columns cannot be read: there is no cell to take a name from.
  EXPECT_TRUE(ObjectNodeTexts(ResultRows(0, {{"X"}}), false).empty());
  // A single column holds no owner, whatever the row says.
  EXPECT_EQ((Texts{"A", "B"}), ObjectNodeTexts(ResultRows(1, {{"A"}, {"B"}}), true));
}

}  // namespace
