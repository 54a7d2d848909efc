#include <gtest/gtest.h>

#include <string>

#include "FrameworkText.h"

namespace {

const char kDocString[] = "Zenquill\n\nZenquill\n\n\nZenquill.Document\nZenquill.Document";

TEST(CommandText, SplitsPromptFromTooltipAtTheFirstLineBreak) {
  const struct {
    const char* resource;
    const char* prompt;
    const char* tooltip;
  } cases[] = {
      {"Execute the SQL statement\nExecute", "Execute the SQL statement", "Execute"},
      {"Previous SQL statement\nPrevios SQL", "Previous SQL statement", "Previos SQL"},
      {"Copy Select  columns to editor\nSelect columns", "Copy Select  columns to editor", "Select columns"},
      {"prompt only", "prompt only", ""},
      {"\ntip only", "", "tip only"},
      {"a\nb\nc", "a", "b\nc"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const fw::CommandText text = fw::SplitCommandText(c.resource);
    EXPECT_EQ(c.prompt, text.prompt) << c.resource;
    EXPECT_EQ(c.tooltip, text.tooltip) << c.resource;
  }
}

TEST(DocString, FieldsAreCountedFromZeroWithEmptyOnesKept) {
  const char* expected[] = {"Zenquill", "", "Zenquill", "", "", "Zenquill.Document", "Zenquill.Document"};
  for (std::size_t i = 0; i < sizeof expected / sizeof expected[0]; ++i)
    EXPECT_EQ(expected[i], fw::DocStringField(kDocString, i)) << "field " << i;
}

TEST(DocString, FieldsBeyondTheLastAreEmpty) {
  EXPECT_EQ("", fw::DocStringField(kDocString, 7));
  EXPECT_EQ("", fw::DocStringField("", 3));
  EXPECT_EQ("only", fw::DocStringField("only", 0));
}

TEST(Caption, DocumentTitleSpacedHyphenFrameTitle) {
  EXPECT_EQ("Untitled - Zenquill Professional", fw::FrameCaption("Untitled", "Zenquill Professional"));
  EXPECT_EQ("C:\\s\\a.sql - Zenquill Professional", fw::FrameCaption("C:\\s\\a.sql", "Zenquill Professional"));
  EXPECT_EQ("Zenquill Professional", fw::FrameCaption("", "Zenquill Professional"));
}

TEST(TextReplacement, EqualTextsUpTo255CharactersAreLeftAlone) {
  const std::string t255(255, 'x');
  const std::string t256(256, 'x');
  const struct {
    const char* name;
    std::string shown;
    std::string wanted;
    bool replaced;
  } cases[] = {
      {"equal short", "abc", "abc", false},
      {"equal empty", "", "", false},
      {"differs", "abc", "abd", true},
      {"wanted longer", "abc", "abcd", true},
      {"wanted shorter", "abcd", "abc", true},
      {"equal at 255", t255, t255, false},
      {"equal at 256", t256, t256, true},
      // The control is read one character past the limit, so a longer text differs.
      {"control longer than a 255 text", t256, t255, true},
      {"empty into text", "abc", "", true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.replaced, fw::TextNeedsReplacing(c.shown, c.wanted)) << c.name;
}

TEST(Formatting, EveryPercentOneTakesTheArgument) {
  const struct {
    const char* pattern;
    const char* argument;
    const char* result;
  } cases[] = {
      {"Please enter no more than %1 characters.", "10", "Please enter no more than 10 characters."},
      {"%1%1", "ab", "abab"},
      {"no placeholder", "x", "no placeholder"},
      {"%2 stays, %1 goes", "it", "%2 stays, it goes"},
      {"ends with %", "x", "ends with %"},
      {"%1", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, fw::FormatWithArgument(c.pattern, c.argument)) << c.pattern;
}

TEST(Formatting, MaxCharsMessage) {
  EXPECT_EQ("Please enter no more than 10 characters.", fw::MaxCharsMessage(10));
  EXPECT_EQ("Please enter no more than 0 characters.", fw::MaxCharsMessage(0));
}

TEST(FileTitle, LastComponentOfWindowsAndPosixPaths) {
  EXPECT_EQ("report.sql", fw::FileTitle("C:\\work\\report.sql"));
  EXPECT_EQ("report.sql", fw::FileTitle("/tmp/report.sql"));
  EXPECT_EQ("report.sql", fw::FileTitle("report.sql"));
  EXPECT_EQ("a.sql", fw::FileTitle("D:a.sql"));
  EXPECT_EQ("", fw::FileTitle("C:\\folder\\"));
}

}  // namespace
