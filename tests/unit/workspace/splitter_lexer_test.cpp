#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptLexer.h"

namespace {

// The stretches that MaskedEnd skips, walking the text from its start.
std::vector<std::string> MaskedStretches(const std::string& text) {
  std::vector<std::string> stretches;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = MaskedEnd(text, at);
    if (end == at) {
      ++at;
    } else {
      stretches.push_back(text.substr(at, end - at));
      at = end;
    }
  }
  return stretches;
}

struct MaskCase {
  const char* name;
  std::string text;
  std::vector<std::string> expected;
};

TEST(SplitterLexer, LiteralsIdentifiersAndCommentsAreSkippedWhole) {
  const MaskCase cases[] = {
      {"plain code", "select x_1 from dual;", {}},
      {"literal", "a 'b;c' d", {"'b;c'"}},
      {"doubled apostrophes", "'it''s'", {"'it'", "'s'"}},
      {"comment up to the LF, CR included", "a -- b\r\nc", {"-- b\r"}},
      {"apostrophe inside a comment", "-- don't\r\nx 'y'", {"-- don't\r", "'y'"}},
      {"dashes inside a literal", "'--x' y", {"'--x'"}},
      {"comment right after a literal", "'a'--b\nc", {"'a'", "--b"}},
      {"unclosed literal runs to the end", "x 'abc\r\nd", {"'abc\r\nd"}},
      {"unclosed comment runs to the end", "x --abc", {"--abc"}},
      {"single dashes and slashes are code", "a-b - c/d", {}},
      {"block comment across lines", "a /* don't; \r\n */ b", {"/* don't; \r\n */"}},
      {"unclosed block comment", "a /* b", {"/* b"}},
      {"quoted identifier", "SELECT 1 \"it's\" FROM t", {"\"it's\""}},
      {"q-quote with brackets", "q'[it's]' x", {"q'[it's]'"}},
      {"q-quote pairs braces, parentheses, angles", "Q'{a}' q'(b)' q'<c>'", {"Q'{a}'", "q'(b)'", "q'<c>'"}},
      {"q-quote with any other delimiter", "q'!a'b!' q'xa'x'", {"q'!a'b!'", "q'xa'x'"}},
      {"closing bracket without apostrophe goes on", "q'[a]b]' c", {"q'[a]b]'"}},
      {"national q-quote (its n stays code)", "nq'[a;b]' NQ'#c#'", {"q'[a;b]'", "Q'#c#'"}},
      {"q inside a word is no prefix", "xq'[a'", {"'[a'"}},
      {"q with a blank delimiter is no q-quote", "q' a'", {"' a'"}},
      {"upper half left alone", "\xe9t\xe9", {}},
      {"empty text", "", {}},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, MaskedStretches(c.text));
  }
}

TEST(SplitterLexer, BlanksCommentsAndWords) {
  const std::string text = " \t\r\n\v\f-- a\r\n/* b */ Begin_1;";
  EXPECT_EQ(text.find('B'), SkipBlanksAndComments(text, 0));
  EXPECT_EQ(text.size() - 1, WordEnd(text, text.find('B')));
  EXPECT_TRUE(WordAt(text, text.find('B'), "BEGIN_1"));
  EXPECT_FALSE(WordAt(text, text.find('B'), "BEGIN"));
  EXPECT_EQ(0u, SkipBlanksAndComments("/ x", 0));
}

}  // namespace
