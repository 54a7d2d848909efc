// tnsnames.ora files that no one writes by hand: binary bytes, 50 MB, a 1 MB line. The
// discovery must read each whole and give the names its rules give, no more and no fewer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TnsFilePlacement.h"
#include "TnsNameList.h"

namespace {

using Names = std::vector<std::string>;

// The names the discovery finds in a file of these bytes.
Names NamesOf(const std::string& bytes) {
  if (!PlaceTnsNamesFile(bytes)) {
    ADD_FAILURE() << "cannot place the file (an Oracle client registered here?)";
    return {};
  }
  Names names = TnsNameList().Names();
  RemoveTnsNamesFile();
  return names;
}

std::string Entry(const std::string& alias) {
  return alias + " =\r\n  (DESCRIPTION =\r\n    (ADDRESS = (PROTOCOL = TCP)(HOST = " + alias +
         ".example)(PORT = 1521))\r\n  )\r\n";
}

// Bytes 0 to 255 with the line feed and both parentheses left out: one line of junk.
std::string BinaryLine() {
  std::string bytes;
  for (int value = 0; value < 256; ++value)
    if (value != '\n' && value != '(' && value != ')') bytes += static_cast<char>(value);
  return bytes;
}

TEST(TnsFile, BinaryBytesAreReadWholeAndByTheSameRules) {
  // The junk line has no parentheses and text after its "=", so it is a parameter of its
  // own: the entry after it keeps its name, and the zero bytes and the old end-of-file byte
  // 26 end nothing early.
  const std::string junk = BinaryLine();
  EXPECT_EQ((Names{"FIRST", "LAST"}), NamesOf(Entry("FIRST") + junk + "\n" + Entry("LAST")));
}

TEST(TnsFile, BinaryBytesWithoutParenthesesGiveNoNames) {
  std::string junk;
  for (int k = 0; k < 64; ++k) junk += BinaryLine() + "\n";
  EXPECT_EQ(Names{}, NamesOf(junk));
}

TEST(TnsFile, FiftyMegabytesGiveEveryEntryInOrder) {
  std::string text;
  Names aliases;
  text.reserve(51u << 20);
  for (int k = 0; text.size() < (50u << 20); ++k) {
    aliases.push_back("DB" + std::to_string(k));
    text += Entry(aliases.back());
  }
  Names found = NamesOf(text);
  ASSERT_EQ(aliases.size(), found.size());
  EXPECT_TRUE(found == aliases);
}

TEST(TnsFile, MegabyteLinesAreReadWhole) {
  std::string addresses;
  while (addresses.size() < (1u << 20)) addresses += "(ADDRESS = (PROTOCOL = TCP)(HOST = h)(PORT = 1521))";
  const std::string wideEntry = "WIDE = (DESCRIPTION = (ADDRESS_LIST = " + addresses + "))\n";
  const std::string longAlias(1u << 20, 'L');
  const std::string comment = "# " + std::string(1u << 20, '(') + "\n";
  const struct {
    const char* name;
    std::string text;
    Names expected;
  } cases[] = {
      {"one entry on a 1 MB line", Entry("BEFORE") + wideEntry + Entry("AFTER"), {"BEFORE", "WIDE", "AFTER"}},
      {"a 1 MB alias", longAlias + " = (x)\n" + Entry("AFTER"), {longAlias, "AFTER"}},
      {"a 1 MB comment of open parentheses", Entry("BEFORE") + comment + Entry("AFTER"), {"BEFORE", "AFTER"}},
      {"an unbalanced 1 MB last line, no line break",
       Entry("BEFORE") + "OPEN = " + std::string(1u << 20, '('),
       {"BEFORE"}},
  };
  for (const auto& c : cases) EXPECT_TRUE(c.expected == NamesOf(c.text)) << c.name;
}

}  // namespace
