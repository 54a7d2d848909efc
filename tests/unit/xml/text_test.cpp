#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "XmlEncoder.h"
#include "XmlName.h"

namespace {

struct Case {
  std::string input;
  std::string expected;
};

TEST(Escape, ReplacesTheSixCharactersOnly) {
  const Case cases[] = {{"", ""},
                        {"Smith & Sons", "Smith &#38; Sons"},
                        {"#1 <b>", "&#35;1 &#60;b&#62;"},
                        {"'it' \"is\"", "&#39;it&#39; &#34;is&#34;"},
                        {"<&>'\"#<", "&#60;&#38;&#62;&#39;&#34;&#35;&#60;"},
                        {"\xE9\x80;\r\n", "\xE9\x80;\r\n"}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, CXmlEncoder::Escape(c.input)) << c.input;
}

// The expected bytes hold for Windows-1252: the native build's code page and Wine's default.
TEST(ToUtf8, ConvertsFromTheAnsiCodePage) {
  const Case cases[] = {{"<doc>\n  <row>", "<doc>\n  <row>"},
                        {"\xE9", "\xC3\xA9"},
                        {"\x80", "\xE2\x82\xAC"},
                        {"\xFF\xA0", "\xC3\xBF\xC2\xA0"},
                        {"it\x92s", "it\xE2\x80\x99s"},
                        {"\x81", "\xC2\x81"},  // undefined in the code page: the C1 control
                        {"a\tb\nc\rd", "a\tb\nc\rd"},
                        {"a\x01z\x1F", "a\xEF\xBF\xBDz\xEF\xBF\xBD"},
                        {"\x07\xE9", "\xEF\xBF\xBD\xC3\xA9"},
                        {std::string("ab\0\xE9", 4), "ab"}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, CXmlEncoder::ToUtf8(c.input)) << c.input;
}

TEST(MakeElementName, ReplacesEveryCharacterNoNameMayHold) {
  const Case cases[] = {{"eName", "eName"},
                        {"COUNT(*)", "COUNT___"},
                        {"MY COL#2", "MY_COL_2"},
                        {"Column 1", "Column_1"},
                        {"a &<>\\'\"()*#b", "a___________b"},
                        {"A/B", "A_B"},
                        {"a,+$%;=?@[]^`{|}~!b", "a_________________b"},
                        {"x:y", "x_y"},  // a colon would make a namespace prefix
                        {"a\tb\x01", "a_b_"},
                        {"A.b-9_c", "A.b-9_c"},
                        {"\xC9t\xE9", "\xC9t\xE9"},
                        {"a\xD7"
                         "b\xB7"
                         "c",
                         "a_b\xB7"
                         "c"},
                        {"PRICE\x80\xA0", "PRICE__"}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, MakeElementName(c.input)) << c.input;
}

TEST(MakeElementName, PrefixesWhatCannotStartAName) {
  const Case cases[] = {{"1ST", "_1ST"},     {".x", "_.x"},  {"-x", "_-x"}, {"", "_"},
                        {"\xB7x", "_\xB7x"}, {"(1)", "_1_"}, {"_1", "_1"}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, MakeElementName(c.input)) << c.input;
}

TEST(MakeUniqueElementNames, RepeatsTakeTheFirstUnusedSuffix) {
  using Names = std::vector<std::string>;
  const struct {
    const char* name;
    Names headings;
    Names expected;
  } cases[] = {
      {"unique headings keep their names", {"ID", "COUNT(*)", "1ST"}, {"ID", "COUNT___", "_1ST"}},
      {"repeats count on", {"DEPTNO", "ENAME", "DEPTNO", "DEPTNO"}, {"DEPTNO", "ENAME", "DEPTNO_2", "DEPTNO_3"}},
      {"an existing X_2 keeps its name", {"X", "X", "X_2"}, {"X", "X_3", "X_2"}},
      {"a later repeat skips an earlier X_2", {"X_2", "X", "X"}, {"X_2", "X", "X_3"}},
      {"repeats only after mending", {"A/B", "A_B", "A B"}, {"A_B", "A_B_2", "A_B_3"}},
      {"names compare exactly", {"id", "ID", "Id"}, {"id", "ID", "Id"}},
      {"empty headings", {"", ""}, {"_", "__2"}},
      {"no columns", {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, MakeUniqueElementNames(c.headings)) << c.name;
}

}  // namespace

#ifndef _WIN32
namespace {

TEST(ToUtf8, EveryHighByteAgreesWithTheCLibrarysWindows1252) {
  for (int value = 0x80; value <= 0xFF; ++value) {
    const char byte = static_cast<char>(value);
    EXPECT_EQ(xmltest::Cp1252ToUtf8(byte), CXmlEncoder::ToUtf8(std::string(1, byte))) << std::hex << value;
  }
}

}  // namespace
#endif
