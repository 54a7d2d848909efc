#include <gtest/gtest.h>

#include <string>

#include "CsvFile.h"
#include "TestSupport.h"
#include "TextTable.h"

namespace {

struct CellCase {
  const char* name;
  std::string cell;
  std::string csv;  // UTF-8 (Windows-1252 is the native build's code page and Wine's default)
  std::string tab;  // ANSI
};

const CellCase kCells[] = {
    {"plain", "KING", "KING", "KING"},
    {"comma", "Smith, J", "\"Smith, J\"", "Smith, J"},
    {"quote", "say \"hi\"", "\"say \"\"hi\"\"\"", "say \"hi\""},
    {"CR", "a\rb", "\"a\rb\"", "\"a\rb\""},
    {"LF", "a\nb", "\"a\nb\"", "\"a\nb\""},
    {"tab with quote", "a\t\"b\"", "\"a\t\"\"b\"\"\"", "\"a\t\"\"b\"\"\""},
    {"tab", "a\tb", "a\tb", "\"a\tb\""},
    {"empty", "", "", ""},
    {"NULL", "NULL", "NULL", "NULL"},
    {"longer than the writer's buffer", std::string(3 << 20, 'x'), std::string(3 << 20, 'x'),
     std::string(3 << 20, 'x')},
    {"Latin-1 letters", "Jos\xE9 M\xFCller \x80", "Jos\xC3\xA9 M\xC3\xBCller \xE2\x82\xAC", "Jos\xE9 M\xFCller \x80"},
};

// Each cell alone under the heading H: the CSV file's bytes and the tab text's.
TEST(TextTable, EachCellAsCsvAndAsTabText) {
  const std::string path = xmltest::ScratchFolder("text_table") + "cells.csv";
  for (const CellCase& c : kCells) {
    SCOPED_TRACE(c.name);
    const xmltest::FakeTable table({"H"}, {{c.cell}});
    const xmltest::TableRows rows(table);
    ASSERT_TRUE(xml::WriteCsvFile(path, rows));
    EXPECT_EQ("\xEF\xBB\xBFH\r\n" + c.csv + "\r\n", xmltest::ReadWholeFile(path));
    EXPECT_EQ(c.tab + "\r\n", xml::TabText(rows, {}, false));
  }
}

TEST(TextTable, TabTextOfChosenRowsWithHeadings) {
  const xmltest::FakeTable table({"EMPNO", "ENAME"}, {{"7369", "SMITH"}, {"7499", "ALLEN"}, {"7521", "WARD"}});
  const xmltest::TableRows rows(table);
  EXPECT_EQ("EMPNO\tENAME\r\n7521\tWARD\r\n7369\tSMITH\r\n", xml::TabText(rows, {2, 0}, true));
  EXPECT_EQ("7369\tSMITH\r\n7499\tALLEN\r\n7521\tWARD\r\n", xml::TabText(rows, {}, false));
}

// A script's shorter rows hold fewer cells than the result has columns: the others are empty.
TEST(TextTable, RowsWithFewerCellsThanColumns) {
  struct ShortRows : xml::RowSource {
    int ColumnCount() const override { return 3; }
    int RowCount() const override { return 2; }
    std::string Heading(int column) const override { return std::string(1, static_cast<char>('A' + column)); }
    std::string_view RowText(int row) const override { return row == 0 ? std::string_view("x\0", 2) : ""; }
  } rows;
  const std::string path = xmltest::ScratchFolder("text_table_short") + "short.csv";
  ASSERT_TRUE(xml::WriteCsvFile(path, rows));
  EXPECT_EQ(
      "\xEF\xBB\xBF"
      "A,B,C\r\nx,,\r\n,,\r\n",
      xmltest::ReadWholeFile(path));
  EXPECT_EQ("x\t\t\r\n\t\t\r\n", xml::TabText(rows, {}, false));
}

TEST(TextTable, CsvFileThatCannotBeWrittenFails) {
  const xmltest::FakeTable table({"H"}, {{"x"}});
  EXPECT_FALSE(xml::WriteCsvFile(xmltest::kFullDevice, xmltest::TableRows(table)));
  EXPECT_FALSE(xml::WriteCsvFile(xmltest::ScratchFolder("text_table_missing") + "no\\such/dir/x.csv",
                                 xmltest::TableRows(table)));
}

}  // namespace
