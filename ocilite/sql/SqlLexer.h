// Cuts Oracle SQL text into tokens that keep their byte positions, so that rewrites can
// map an error position back into the text the user wrote.
#ifndef ZENQUILL_OCILITE_SQLLEXER_H
#define ZENQUILL_OCILITE_SQLLEXER_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

enum class TokenKind {
  Word,     // unquoted identifier or keyword, may hold $ and #
  Quoted,   // "identifier"
  String,   // 'text' with '' inside
  Number,   // 12, 1.5, .5, 1e3
  Symbol,   // punctuation and operators (||, <=, >=, <>, !=, := as one token)
  Space,    // blanks and line breaks
  Comment,  // -- to end of line, or /* ... */
  Bad       // an unterminated quote or comment, or a byte no token starts with
};

struct Token {
  TokenKind kind;
  size_t offset;
  size_t length;
  std::string_view text;

  bool IsWord(std::string_view upperWord) const;
  bool IsSymbol(char symbol) const { return kind == TokenKind::Symbol && text.size() == 1 && text[0] == symbol; }
  bool IsSignificant() const { return kind != TokenKind::Space && kind != TokenKind::Comment; }
};

// Every byte of the text belongs to exactly one token, in order.
std::vector<Token> Tokenize(std::string_view sql);

// The significant tokens only (no blanks, no comments).
std::vector<Token> SignificantTokens(std::string_view sql);

// A statement cut into tokens once, at prepare, for every later stage to read: every token
// (a rewrite keeps blanks and comments) and the significant ones.
struct LexedText {
  std::string_view text;
  std::vector<Token> all;
  std::vector<Token> significant;
};
LexedText Lex(std::string_view sql);

// How many texts this process has cut into tokens, so that a test can see a statement read once.
unsigned long long LexCount();

std::string ToUpper(std::string_view text);

// The name a word or quoted identifier stands for: upper case unless quoted.
std::string IdentifierName(const Token& token);

}  // namespace ocilite

#endif
