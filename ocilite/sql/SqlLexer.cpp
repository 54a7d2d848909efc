#include "sql/SqlLexer.h"

#include <atomic>
#include <cctype>

namespace ocilite {

namespace {

std::atomic<unsigned long long> lexCount{0};

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool IsWordPart(unsigned char c) { return IsWordStart(c) || std::isdigit(c) || c == '$' || c == '#'; }

// Each scanner returns the length of the token that starts at `at`; `kind` says what it is.
size_t ScanQuoted(std::string_view sql, size_t at, char quote, TokenKind& kind) {
  for (size_t i = at + 1; i < sql.size(); ++i) {
    if (sql[i] != quote) continue;
    if (quote == '\'' && i + 1 < sql.size() && sql[i + 1] == '\'') {
      ++i;  // a doubled quote stands for one quote inside the text
      continue;
    }
    return i + 1 - at;
  }
  kind = TokenKind::Bad;
  return sql.size() - at;
}

size_t ScanNumber(std::string_view sql, size_t at) {
  size_t i = at;
  while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) ++i;
  if (i < sql.size() && sql[i] == '.') {
    ++i;
    while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) ++i;
  }
  if (i + 1 < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
    size_t exponent = i + 1;
    if (sql[exponent] == '+' || sql[exponent] == '-') ++exponent;
    if (exponent < sql.size() && std::isdigit(static_cast<unsigned char>(sql[exponent]))) {
      i = exponent;
      while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) ++i;
    }
  }
  return i - at;
}

size_t ScanComment(std::string_view sql, size_t at, TokenKind& kind) {
  if (sql[at] == '-') {
    size_t end = sql.find('\n', at);
    return (end == std::string_view::npos ? sql.size() : end) - at;
  }
  size_t end = sql.find("*/", at + 2);
  if (end == std::string_view::npos) {
    kind = TokenKind::Bad;
    return sql.size() - at;
  }
  return end + 2 - at;
}

size_t ScanSymbol(std::string_view sql, size_t at) {
  static const char* const kPairs[] = {"||", "<=", ">=", "<>", "!=", ":=", "=>"};
  for (const char* pair : kPairs) {
    if (sql.substr(at, 2) == pair) return 2;
  }
  return 1;
}

size_t ScanToken(std::string_view sql, size_t at, TokenKind& kind) {
  unsigned char c = static_cast<unsigned char>(sql[at]);
  unsigned char next = at + 1 < sql.size() ? static_cast<unsigned char>(sql[at + 1]) : 0;
  if (std::isspace(c)) {
    kind = TokenKind::Space;
    size_t i = at;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) ++i;
    return i - at;
  }
  if ((c == '-' && next == '-') || (c == '/' && next == '*')) {
    kind = TokenKind::Comment;
    return ScanComment(sql, at, kind);
  }
  if (c == '\'' || c == '"') {
    kind = c == '\'' ? TokenKind::String : TokenKind::Quoted;
    return ScanQuoted(sql, at, static_cast<char>(c), kind);
  }
  if (std::isdigit(c) || (c == '.' && std::isdigit(next))) {
    kind = TokenKind::Number;
    return ScanNumber(sql, at);
  }
  if (IsWordStart(c)) {
    kind = TokenKind::Word;
    size_t i = at;
    while (i < sql.size() && IsWordPart(static_cast<unsigned char>(sql[i]))) ++i;
    return i - at;
  }
  if (std::ispunct(c)) {
    kind = TokenKind::Symbol;
    return ScanSymbol(sql, at);
  }
  kind = TokenKind::Bad;
  return 1;
}

}  // namespace

bool Token::IsWord(std::string_view upperWord) const {
  if (kind != TokenKind::Word || text.size() != upperWord.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != upperWord[i]) return false;
  }
  return true;
}

std::vector<Token> Tokenize(std::string_view sql) {
  ++lexCount;
  std::vector<Token> tokens;
  size_t at = 0;
  while (at < sql.size()) {
    TokenKind kind = TokenKind::Bad;
    size_t length = ScanToken(sql, at, kind);
    tokens.push_back({kind, at, length, sql.substr(at, length)});
    at += length;
  }
  return tokens;
}

std::vector<Token> SignificantTokens(std::string_view sql) { return Lex(sql).significant; }

LexedText Lex(std::string_view sql) {
  LexedText lexed{sql, Tokenize(sql), {}};
  for (const Token& token : lexed.all) {
    if (token.IsSignificant()) lexed.significant.push_back(token);
  }
  return lexed;
}

unsigned long long LexCount() { return lexCount; }

std::string ToUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string IdentifierName(const Token& token) {
  if (token.kind == TokenKind::Quoted && token.text.size() >= 2) {
    return std::string(token.text.substr(1, token.text.size() - 2));
  }
  return ToUpper(token.text);
}

}  // namespace ocilite
