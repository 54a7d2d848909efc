// Results at the edges of what the session takes: 4096 columns, one column too many, and
// cells as long as a display size can say, through the stand-in client library.
#include <string>
#include <vector>

#include "DemoSession.h"

namespace {

using Texts = std::vector<std::string>;

// "SELECT 1 C1, 2 C2, ... FROM DUAL": column k is named Ck and holds the number k.
std::string SelectOfColumns(int count) {
  std::string sql = "SELECT ";
  for (int k = 1; k <= count; ++k) {
    if (k > 1) sql += ", ";
    sql += std::to_string(k) + " C" + std::to_string(k);
  }
  return sql + " FROM DUAL";
}

Texts Numbered(const std::string& prefix, int count) {
  Texts texts;
  for (int k = 1; k <= count; ++k) texts.push_back(prefix + std::to_string(k));
  return texts;
}

class WideResult : public DemoSessionTest {
 protected:
  void ExpectSessionGoesOn() {
    Outcome next = RunSql(scott_, "SELECT COUNT(*) FROM EMP");
    ASSERT_EQ(DB_OK, next.result) << next.error;
    EXPECT_EQ((std::vector<Texts>{{"14"}}), next.rows);
  }
};

TEST_F(WideResult, FourThousandNinetySixColumnsComeBackWhole) {
  Outcome outcome = RunSql(scott_, SelectOfColumns(4096));
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ(4096, outcome.columnCount);
  EXPECT_EQ(Numbered("C", 4096), outcome.columns);
  ASSERT_EQ(1u, outcome.rows.size());
  EXPECT_EQ(Numbered("", 4096), outcome.rows[0]);
  EXPECT_EQ(DB_NO_DATA, outcome.fetchEnd);
}

TEST_F(WideResult, OneColumnMoreIsRefusedAndTheSessionGoesOn) {
  int isQuery = 0, columnCount = 0, rowCount = 0, errorOffset = 0;
  const DbResult executed = scott_.Execute(SelectOfColumns(4097), isQuery, columnCount, rowCount, errorOffset);
  ASSERT_EQ(DB_OK, executed) << scott_.GetErrorText();
  ASSERT_EQ(4097, columnCount);
  Texts names;
  EXPECT_EQ(DB_ERROR, scott_.DescribeColumns(columnCount, names));
  ExpectSessionGoesOn();
}

std::string LongCell(size_t length) {
  std::string cell;
  for (size_t k = 0; k < length; ++k) cell += static_cast<char>('a' + k % 26);
  return cell;
}

class LongCellTest : public DemoSessionTest {
 protected:
  void SetUp() override {
    DemoSessionTest::SetUp();
    Outcome created = RunSql(scott_, "CREATE TABLE WIDE (C VARCHAR2(65535), S VARCHAR2(4000), L VARCHAR2(65536))");
    ASSERT_EQ(DB_OK, created.result) << created.error;
  }
  Outcome Insert(const std::string& column, const std::string& value) {
    return RunSql(scott_, "INSERT INTO WIDE (" + column + ") VALUES ('" + value + "')");
  }
};

// The largest buffer holds 65,535 bytes with the terminating zero.
TEST_F(LongCellTest, CellOfTheLargestBufferComesBackByteForByte) {
  const std::string cell = LongCell(65534);
  Outcome inserted = Insert("C", cell);
  ASSERT_EQ(DB_OK, inserted.result) << inserted.error;
  Outcome selected = RunSql(scott_, "SELECT C FROM WIDE");
  ASSERT_EQ(DB_OK, selected.result) << selected.error;
  ASSERT_EQ(1u, selected.rows.size()) << selected.error;
  EXPECT_EQ(cell, selected.rows[0][0]);
}

// A VARCHAR2(65536) column once reported a wrapped display size of 0 and truncated every value.
TEST_F(LongCellTest, ColumnLongerThanADisplaySizeCanSayStillGivesItsCellsWhole) {
  const std::string cell = LongCell(65534);
  ASSERT_EQ(DB_OK, Insert("L", cell).result);
  Outcome selected = RunSql(scott_, "SELECT L FROM WIDE");
  ASSERT_EQ(1u, selected.rows.size()) << selected.error;
  EXPECT_EQ(cell, selected.rows[0][0]);
}

TEST_F(LongCellTest, CellTooLongForTheLargestBufferComesCutAndMarked) {
  const std::string cell = LongCell(65535);
  ASSERT_EQ(DB_OK, Insert("C", cell).result);
  Outcome selected = RunSql(scott_, "SELECT C || '' FROM WIDE");
  ASSERT_EQ(DB_OK, selected.result) << selected.error;
  EXPECT_EQ((std::vector<Texts>{{cell.substr(0, 65534) + "..."}}), selected.rows);
  EXPECT_EQ(DB_NO_DATA, selected.fetchEnd);
  EXPECT_EQ(1, scott_.ValuesCut());
}

TEST_F(LongCellTest, CellTooLongForItsColumnIsRefusedAndNothingIsStored) {
  Outcome inserted = Insert("S", LongCell(65535));
  EXPECT_EQ(DB_ERROR, inserted.result);
  EXPECT_EQ(0u, inserted.error.find("ORA-12899: value too large for column")) << inserted.error;
  Outcome counted = RunSql(scott_, "SELECT COUNT(*) FROM WIDE");
  EXPECT_EQ((std::vector<Texts>{{"0"}}), counted.rows);
}

}  // namespace
