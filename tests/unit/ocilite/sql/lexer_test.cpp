// The tokenizer: every byte in one token, kinds, positions, and the edge cases of quoting.
#include <gtest/gtest.h>

#include "sql/SqlLexer.h"

namespace ocilite {

namespace {

struct LexCase {
  const char* name;
  const char* sql;
  std::vector<std::pair<TokenKind, std::string>> tokens;  // significant ones
};

const LexCase kLexCases[] = {
    {"words_and_symbols",
     "SELECT a,b FROM t",
     {{TokenKind::Word, "SELECT"},
      {TokenKind::Word, "a"},
      {TokenKind::Symbol, ","},
      {TokenKind::Word, "b"},
      {TokenKind::Word, "FROM"},
      {TokenKind::Word, "t"}}},
    {"dollar_and_hash_in_names", "V$VERSION ZQ#X", {{TokenKind::Word, "V$VERSION"}, {TokenKind::Word, "ZQ#X"}}},
    {"doubled_quote_in_string", "'it''s' x", {{TokenKind::String, "'it''s'"}, {TokenKind::Word, "x"}}},
    {"quoted_identifier", "\"Mixed Case\"", {{TokenKind::Quoted, "\"Mixed Case\""}}},
    {"numbers",
     "12 1.5 .5 1e3 2E-2",
     {{TokenKind::Number, "12"},
      {TokenKind::Number, "1.5"},
      {TokenKind::Number, ".5"},
      {TokenKind::Number, "1e3"},
      {TokenKind::Number, "2E-2"}}},
    {"two_character_operators",
     "a||b<=c<>d!=e:=f",
     {{TokenKind::Word, "a"},
      {TokenKind::Symbol, "||"},
      {TokenKind::Word, "b"},
      {TokenKind::Symbol, "<="},
      {TokenKind::Word, "c"},
      {TokenKind::Symbol, "<>"},
      {TokenKind::Word, "d"},
      {TokenKind::Symbol, "!="},
      {TokenKind::Word, "e"},
      {TokenKind::Symbol, ":="},
      {TokenKind::Word, "f"}}},
    {"comments_are_not_significant",
     "-- note\nSELECT /* inner ; */ 1",
     {{TokenKind::Word, "SELECT"}, {TokenKind::Number, "1"}}},
    {"unterminated_string", "SELECT 'abc", {{TokenKind::Word, "SELECT"}, {TokenKind::Bad, "'abc"}}},
    {"unterminated_comment", "1 /* open", {{TokenKind::Number, "1"}, {TokenKind::Bad, "/* open"}}},
    {"dot_between_names",
     "SCOTT.EMP",
     {{TokenKind::Word, "SCOTT"}, {TokenKind::Symbol, "."}, {TokenKind::Word, "EMP"}}},
};

class LexerTest : public ::testing::TestWithParam<LexCase> {};

TEST_P(LexerTest, CutsIntoTokens) {
  std::vector<std::pair<TokenKind, std::string>> actual;
  for (const Token& token : SignificantTokens(GetParam().sql)) actual.emplace_back(token.kind, std::string(token.text));
  EXPECT_EQ(GetParam().tokens, actual);
}

TEST_P(LexerTest, EveryByteBelongsToOneTokenInOrder) {
  std::string sql = GetParam().sql;
  size_t next = 0;
  for (const Token& token : Tokenize(sql)) {
    EXPECT_EQ(next, token.offset);
    EXPECT_EQ(sql.substr(token.offset, token.length), token.text);
    next = token.offset + token.length;
  }
  EXPECT_EQ(sql.size(), next);
}

INSTANTIATE_TEST_SUITE_P(Sql, LexerTest, ::testing::ValuesIn(kLexCases),
                         [](const ::testing::TestParamInfo<LexCase>& info) { return info.param.name; });

TEST(LexerTest, WordComparisonIgnoresCase) {
  Token token = SignificantTokens("select")[0];
  EXPECT_TRUE(token.IsWord("SELECT"));
  EXPECT_FALSE(token.IsWord("SELEC"));
  EXPECT_FALSE(SignificantTokens("'select'")[0].IsWord("SELECT"));
}

TEST(LexerTest, IdentifierNamesAreUpperUnlessQuoted) {
  EXPECT_EQ("EMP", IdentifierName(SignificantTokens("emp")[0]));
  EXPECT_EQ("emp", IdentifierName(SignificantTokens("\"emp\"")[0]));
}

}  // namespace

}  // namespace ocilite
