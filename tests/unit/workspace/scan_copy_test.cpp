#include <gtest/gtest.h>

#include <string>

#include "ScanCopy.h"

namespace {

struct ScanCase {
  const char* name;
  std::string text;
  std::string expected;
};

TEST(ScanCopy, UpperCasesCodeAndBlanksLiteralsAndComments) {
  const ScanCase cases[] = {
      {"code is upper-cased", "select x_1 from dual;", "SELECT X_1 FROM DUAL;"},
      {"literal contents blanked, apostrophes kept", "a 'b;c' d", "A '   ' D"},
      {"doubled apostrophes", "'it''s'", "'  '' '"},
      {"comment blanked up to the LF, CR included", "a -- b\r\nc", "A " + std::string(5, ' ') + "\nC"},
      {"apostrophe inside a comment is ordinary", "-- don't\r\nx 'y'", std::string(9, ' ') + "\nX ' '"},
      {"dashes inside a literal are no comment", "'--x' y", "'   ' Y"},
      {"comment right after a literal", "'a'--b\nc", "' '   \nC"},
      {"literal right after a comment line", "--\n'a'", "  \n' '"},
      {"unclosed literal runs to the end", "x 'abc\r\nd", "X '" + std::string(6, ' ')},
      {"unclosed comment runs to the end", "x --abc", "X " + std::string(5, ' ')},
      {"a single dash is code", "a-b -", "A-B -"},
      {"three dashes", "---x\ny", "    \nY"},
      {"upper half left alone", "\xe9t\xe9", "\xe9T\xe9"},
      {"empty text", "", ""},
  };
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, BuildScanCopy(c.text));
  }
}

}  // namespace
