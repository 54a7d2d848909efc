// Bounded randomized check of the splitter: scripts stitched from the pieces that matter to
// it (keywords, separators, quotes, dashes, line breaks) and from arbitrary bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "SplitterProperties.h"

namespace {

const char* const kPieces[] = {
    "BEGIN", "begin", "DECLARE", "END;", "CREATE", "OR REPLACE", "PACKAGE", "procedure", "TRIGGER",
    "TYPE", "FUNCTION", "SELECT 1 FROM DUAL", "X_BEGIN", "'", "''", "--", "-", ";", ";;", "/", "//",
    "go", "GO", "$$", " ", "  ", "\t", "\r\n", "\n", "\r", "x", "a / b", "\xC9", "\x80"};

const char* const kSeparators[] = {"", ";", "/", "GO", "go", "$$", "\r\n", " ", "'", "--", "BEGIN", "END;"};

class ScriptSoup {
 public:
  explicit ScriptSoup(unsigned seed) : random_(seed) {}

  std::string Script() {
    std::string text;
    const int pieces = Below(40);
    for (int k = 0; k < pieces; ++k) {
      text += Below(8) == 0 ? RandomBytes(3) : kPieces[Below(sizeof kPieces / sizeof kPieces[0])];
    }
    return text;
  }

  // Mostly the usual separators, sometimes up to ten arbitrary bytes.
  std::string Separator() {
    if (Below(4) == 0) return RandomBytes(10);
    return kSeparators[Below(sizeof kSeparators / sizeof kSeparators[0])];
  }

 private:
  int Below(size_t bound) { return static_cast<int>(random_() % bound); }

  std::string RandomBytes(int most) {
    std::string bytes(Below(most + 1), '\0');
    for (char& c : bytes) c = static_cast<char>(Below(256));
    return bytes;
  }

  std::mt19937 random_;
};

TEST(SplitterRandomized, PropertiesHoldForStitchedScripts) {
  ScriptSoup soup(20240611);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = soup.Script();
    const std::string sql = soup.Separator();
    const std::string plsql = soup.Separator();
    const std::string problem = CheckSplit(text, sql, plsql);
    ASSERT_EQ("", problem) << "round " << round << ", separators [" << sql << "] [" << plsql << "]\n"
                           << text;
  }
}

// The checker must reject the faults it exists to catch, and accept sound outcomes.
TEST(SplitterRandomized, CheckerTellsSoundFromFaultyOutcomes) {
  struct OutcomeCase {
    const char* name;
    std::string text;
    std::vector<SplitStatement> found;
    bool sound;
  };
  const OutcomeCase cases[] = {
      {"sound", "A; B; -- c", {{"A", 0}, {"B", 3}}, true},
      {"sound remainder", "A;\r\nB", {{"A", 0}, {"\r\nB", 2}}, true},
      {"last statement dropped", "A; B;", {{"A", 0}}, false},
      {"middle statement dropped", "A; B; C;", {{"A", 0}, {"C", 6}}, false},
      {"overlap", "A; B;", {{"A; B", 0}, {"B", 3}}, false},
      {"out of order", "A; B;", {{"B", 3}, {"A", 0}}, false},
      {"wrong offset", "A; B;", {{"A", 0}, {"B", 2}}, false},
      {"past the end", "A;", {{"A;;", 0}}, false},
      {"cut but not trimmed", "A ; B;", {{"A ", 0}, {"B", 4}}, false},
      {"code hidden after a comment line", "A; -- c\nB", {{"A", 0}}, false},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.sound, CheckOutcome(c.text, c.found, ";", "/").empty());
  }
  EXPECT_EQ("", CheckOutcome("x", {{"x", 0}}, "", ""));
  EXPECT_NE("", CheckOutcome("x", {{"", 0}}, "", ""));
}

}  // namespace
