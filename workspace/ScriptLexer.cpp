#include "ScriptLexer.h"

#include <cstring>

namespace {

const std::size_t kNone = std::string::npos;

// Just after the first `closing` from `from` on, or the end of the text.
std::size_t After(const std::string& text, const char* closing, std::size_t from) {
  const std::size_t found = text.find(closing, from);
  return found == kNone ? text.size() : found + std::strlen(closing);
}

// The closing partner of an alternative quoting delimiter: brackets pair, others repeat.
char ClosingDelimiter(char opening) {
  switch (opening) {
    case '[': return ']';
    case '{': return '}';
    case '(': return ')';
    case '<': return '>';
    default: return opening;
  }
}

// A "q" that starts a word, alone or after the "n" of a national literal.
bool StartsQuotePrefix(const std::string& text, std::size_t q) {
  if (q == 0 || !IsWordByte(text[q - 1])) return true;
  const char n = text[q - 1];
  return (n == 'n' || n == 'N') && (q == 1 || !IsWordByte(text[q - 2]));
}

// q'X...X': the delimiter is any byte but a blank; the literal ends at its partner followed
// by an apostrophe.
std::size_t AlternativeQuoteEnd(const std::string& text, std::size_t q) {
  if (q + 2 >= text.size() || text[q + 1] != '\'' || !StartsQuotePrefix(text, q)) return q;
  const char opening = text[q + 2];
  if (opening == ' ' || opening == '\t' || opening == '\r' || opening == '\n') return q;
  const char closing[] = {ClosingDelimiter(opening), '\'', '\0'};
  return After(text, closing, q + 3);
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool MayOpenMasked(char c) { return c == '\'' || c == '"' || c == '-' || c == '/' || c == 'q' || c == 'Q'; }

std::size_t MaskedEnd(const std::string& text, std::size_t at) {
  const char next = at + 1 < text.size() ? text[at + 1] : '\0';
  switch (text[at]) {
    case '\'': return After(text, "'", at + 1);
    case '"': return After(text, "\"", at + 1);
    case '-': {
      if (next != '-') return at;
      const std::size_t lineFeed = text.find('\n', at + 2);
      return lineFeed == kNone ? text.size() : lineFeed;
    }
    case '/': return next == '*' ? After(text, "*/", at + 2) : at;
    case 'q':
    case 'Q': return AlternativeQuoteEnd(text, at);
    default: return at;
  }
}

std::size_t SkipBlanksAndComments(const std::string& text, std::size_t at) {
  while (at < text.size()) {
    if (IsBlank(text[at])) {
      ++at;
    } else if ((text[at] == '-' || text[at] == '/') && MaskedEnd(text, at) != at) {
      at = MaskedEnd(text, at);
    } else {
      break;
    }
  }
  return at;
}

bool WordAt(const std::string& text, std::size_t at, const char* word) {
  if (at >= text.size() || UpperAscii(text[at]) != word[0]) return false;  // most words differ here
  const std::size_t length = std::strlen(word);
  if (WordEnd(text, at) - at != length) return false;
  for (std::size_t k = 0; k < length; ++k) {
    if (UpperAscii(text[at + k]) != word[k]) return false;
  }
  return true;
}
