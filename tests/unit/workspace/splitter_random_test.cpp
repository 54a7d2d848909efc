// Bounded randomized check of the splitter: scripts stitched from the pieces that matter to
// it (keywords, separators, quotes, comments, SQL*Plus commands, line breaks) and from
// arbitrary bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "SplitterProperties.h"

namespace {

const char* const kPieces[] = {"BEGIN",    "begin",       "DECLARE",
                               "END;",     "CREATE",      "OR REPLACE",
                               "PACKAGE",  "procedure",   "TRIGGER",
                               "TYPE",     "X_BEGIN",     "'",
                               "''",       "--",          "-",
                               ";",        ";;",          "/",
                               "//",       "go",          "GO",
                               "$$",       " ",           "\t",
                               "\r\n",     "\n",          "x",
                               "\xC9",     "/*",          "*/",
                               "\"",       "q'[",         "]'",
                               "nq'<",     ">'",          "Q'!",
                               "!'",       "EDITIONABLE", "AND COMPILE JAVA SOURCE",
                               "WITH",     "FUNCTION",    "\n/\n",
                               "-\n",      "@@x",         "SET ",
                               "SET ROLE", "PROMPT ",     "REM ",
                               "SPO ",     "EXEC ",       "execute "};
const char* const kSeparators[] = {"", ";", "/", "GO", "go", "$$", "\r\n", " ", "'", "--", "BEGIN"};

template <size_t N>
std::string Pick(std::mt19937& random, const char* const (&choices)[N]) {
  return choices[random() % N];
}

std::string Bytes(std::mt19937& random, size_t most) {
  std::string bytes(random() % (most + 1), '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

TEST(SplitterRandomized, PropertiesHoldForStitchedScripts) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (size_t k = random() % 40; k > 0; --k) text += random() % 8 ? Pick(random, kPieces) : Bytes(random, 3);
    const std::string sql = random() % 4 ? Pick(random, kSeparators) : Bytes(random, 10);
    const std::string plsql = random() % 4 ? Pick(random, kSeparators) : Bytes(random, 10);
    ASSERT_EQ("", CheckSplit(text, sql, plsql)) << "round " << round << " [" << sql << "] [" << plsql << "]\n" << text;
  }
}

// The checker must reject the faults it exists to catch, and accept sound outcomes.
TEST(SplitterRandomized, CheckerTellsSoundFromFaultyOutcomes) {
  struct OutcomeCase {
    std::string text;
    std::vector<SplitStatement> found;
    bool sound;
  };
  const OutcomeCase cases[] = {
      {"A; B; -- c", {{"A", 0}, {"B", 3}}, true},
      {"A;\r\nB", {{"A", 0}, {"B", 4}}, true},
      {"A;\r\nB ", {{"A", 0}, {"B ", 4}}, false},  // a remainder not trimmed
      {"A; B; C;", {{"A", 0}, {"C", 6}}, false},   // a statement dropped
      {"A; -- c\nB", {{"A", 0}}, false},           // code after a comment dropped
      {"A; B;", {{"A; B", 0}, {"B", 3}}, false},   // overlap
      {"A; B;", {{"B", 3}, {"A", 0}}, false},      // out of order
      {"A; B;", {{"A", 0}, {"B", 2}}, false},      // wrong offset
      {"A ; B;", {{"A ", 0}, {"B", 4}}, false},    // not trimmed
      {"SET ECHO ON\nEXEC p;\nA;", {{"BEGIN p; END;", 17, 6, 6}, {"A", 20}}, true},
      {"EXEC p;", {{"BEGIN q; END;", 5, 6, 6}}, false},   // a block that is not the command's
      {"SET ECHO ON\nPRUNE x;\nA;", {{"A", 21}}, false},  // no command: a statement dropped
  };
  for (const OutcomeCase& c : cases) EXPECT_EQ(c.sound, CheckOutcome(c.text, c.found, ";", "/").empty()) << c.text;
  EXPECT_NE("", CheckOutcome("x", {{"", 0}}, "", ""));
}

}  // namespace
