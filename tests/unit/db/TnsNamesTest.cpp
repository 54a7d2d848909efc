// Reading alias names out of a tnsnames.ora text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TnsNames.h"

namespace {

using Names = std::vector<std::string>;

const char kOrcl[] =
    "ORCL =\n"
    "  (DESCRIPTION =\n"
    "    (ADDRESS_LIST =\n"
    "      (ADDRESS = (PROTOCOL = TCP)(HOST = dbhost)(PORT = 1521))\n"
    "    )\n"
    "    (CONNECT_DATA = (SERVICE_NAME = orcl))\n"
    "  )\n";

TEST(TnsAliases, EntriesEndWhereTheirParenthesesBalance) {
  const struct {
    const char* name;
    std::string text;
    Names expected;
  } cases[] = {
      {"multi-line entry", kOrcl, {"ORCL"}},
      {"CR LF lines", "ORCL =\r\n  (DESCRIPTION =\r\n    (ADDRESS = (HOST = h))\r\n  )\r\n", {"ORCL"}},
      {"no final line break", "A = (x)\nB = (y)", {"A", "B"}},
      {"one-line entries in order", "B=(x)\nA=(y)\nC=(z)\n", {"B", "A", "C"}},
      {"list of names kept whole, trailing blank gone", "ORCL, ORCL.WORLD = (DESCRIPTION=(x))\n", {"ORCL, ORCL.WORLD"}},
      {"case and inner characters kept", "My_Db.world\t=(x)\n", {"My_Db.world"}},
      {"duplicates kept", "ORCL=(a)\nORCL=(b)\n", {"ORCL", "ORCL"}},
      {"no equals sign gives an empty name", "(DESCRIPTION (x))\nORCL = (y)\n", {"", "ORCL"}},
      {"name ends at the first equals sign", "A = B = (x)\n", {"A"}},
      {"equals sign on a later line", "ORCL\n= (x)\n", {"ORCL"}},
      {"comment line adds nothing, parentheses or not", "# X = (((\nORCL = (x)\n", {"ORCL"}},
      {"indented comment is a comment", "   # (\nORCL = (x)\n", {"ORCL"}},
      {"comment inside an entry", "ORCL =\n# )\n (x)\n", {"ORCL"}},
      {"hash inside a line is no comment", "ORCL = (x#)\n", {"ORCL"}},
      {"blank and white lines skipped", "\n \t\n\r\nORCL = \n\n (x)\n\v\f\n", {"ORCL"}},
      {"include line joins the next entry", "IFILE = C:\\other\\tnsnames.ora\nORCL = (x)\n", {"IFILE"}},
      {"unbalanced end dropped", "A = (x)\nB = (y\n", {"A"}},
      {"closing first still balances", "A = )(\n", {"A"}},
      {"no parentheses at all", "A = x\nB = y\n", {}},
      {"empty file", "", {}},
      {"white space only", " \r\n\t\n", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ReadTnsAliases(c.text)) << c.name;
}

TEST(TnsAliases, EntryStaysOpenUntilBothCountsMatch) {
  std::string text = "DEEP = ";
  for (int depth = 0; depth < 1000; ++depth) text += "(\n";
  for (int depth = 0; depth < 999; ++depth) text += ")\n";
  EXPECT_TRUE(ReadTnsAliases(text).empty());
  EXPECT_EQ(Names{"DEEP"}, ReadTnsAliases(text + ")\n"));
}

TEST(TnsAliases, VeryLongLinesAreReadWhole) {
  std::string alias(100000, 'A');
  std::string value(200000, 'x');
  EXPECT_EQ(Names{alias}, ReadTnsAliases(alias + " = (" + value + ")\n"));
}

std::string Bytes(int first, int last) {
  std::string bytes;
  for (int byte = first; byte <= last; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

// Every byte value twice over: line breaks at 10, white space 9 and 11 to 13 trimmed, zero
// bytes kept, one "(" and one ")" after the "=" of each 256.
TEST(TnsAliases, BinaryJunkIsReadByTheSameRules) {
  std::string junk = Bytes(0, 255);
  EXPECT_EQ((Names{Bytes(0, 8) + Bytes(14, 60), Bytes(14, 60)}), ReadTnsAliases(junk + junk));
}

}  // namespace
