// Reading alias names out of a tnsnames.ora text.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "FakeClientMachine.h"
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
      {"comma list gives each name, blanks gone", "ORCL, ORCL.WORLD = (DESCRIPTION=(x))\n", {"ORCL", "ORCL.WORLD"}},
      {"empty names of a comma list dropped", "A,,B , = (x)\n", {"A", "B"}},
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
      {"parameter line names nothing and joins no entry", "NAMES.DEFAULT_DOMAIN = world\nORCL = (x)\n", {"ORCL"}},
      {"missing include skipped", "IFILE = C:\\other\\tnsnames.ora\nORCL = (x)\n", {"ORCL"}},
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
// bytes kept, one "(" and one ")" after the "=" of each 256, the "," at 44 between two names.
TEST(TnsAliases, BinaryJunkIsReadByTheSameRules) {
  std::string junk = Bytes(0, 255);
  EXPECT_EQ((Names{Bytes(0, 8) + Bytes(14, 43), Bytes(45, 60), Bytes(14, 43), Bytes(45, 60)}),
            ReadTnsAliases(junk + junk));
}

TEST(TnsAliases, IncludedFilesGiveTheirNamesWhereTheyAreNamed) {
  const struct {
    const char* name;
    std::map<std::string, std::string> files;  // the first read is C:\net\tnsnames.ora
    Names expected;
  } cases[] = {
      {"absolute path, at its place",
       {{"C:\\net\\tnsnames.ora", "A=(x)\nIFILE = D:\\site.ora\nB=(y)\n"}, {"D:\\site.ora", "S=(z)\n"}},
       {"A", "S", "B"}},
      {"relative to the including file",
       {{"C:\\net\\tnsnames.ora", "ifile=sub\\site.ora\n"},
        {"C:\\net\\sub\\site.ora", "S=(z)\nIFILE=more.ora\n"},
        {"C:\\net\\sub\\more.ora", "M=(z)\n"}},
       {"S", "M"}},
      {"quoted path",
       {{"C:\\net\\tnsnames.ora", "IFILE = \"D:\\my site.ora\"\n"}, {"D:\\my site.ora", "S=(z)\n"}},
       {"S"}},
      {"three deep read, the fourth skipped",
       {{"C:\\net\\tnsnames.ora", "IFILE=1.ora\n"},
        {"C:\\net\\1.ora", "ONE=(x)\nIFILE=2.ora\n"},
        {"C:\\net\\2.ora", "TWO=(x)\nIFILE=3.ora\n"},
        {"C:\\net\\3.ora", "THREE=(x)\nIFILE=4.ora\n"},
        {"C:\\net\\4.ora", "FOUR=(x)\n"}},
       {"ONE", "TWO", "THREE"}},
      {"a file being read is skipped",
       {{"C:\\net\\tnsnames.ora", "A=(x)\nIFILE=b.ora\n"},
        {"C:\\net\\b.ora", "B=(x)\nIFILE=C:\\net\\tnsnames.ora\nIFILE=b.ora\n"}},
       {"A", "B"}},
      {"a file included twice side by side is read twice",
       {{"C:\\net\\tnsnames.ora", "IFILE=b.ora\nIFILE=b.ora\n"}, {"C:\\net\\b.ora", "B=(x)\n"}},
       {"B", "B"}},
      {"missing include skipped", {{"C:\\net\\tnsnames.ora", "IFILE=none.ora\nA=(x)\n"}}, {"A"}},
      {"an include line inside an entry is part of it",
       {{"C:\\net\\tnsnames.ora", "A=\nIFILE=b.ora\n(x)\n"}, {"C:\\net\\b.ora", "B=(x)\n"}},
       {"A"}},
      {"the main file missing", {}, {}},
  };
  for (const auto& c : cases) {
    FakeClientMachine machine;
    machine.files = c.files;
    EXPECT_EQ(c.expected, ReadTnsNamesFile("C:\\net\\tnsnames.ora", machine)) << c.name;
  }
}

}  // namespace
