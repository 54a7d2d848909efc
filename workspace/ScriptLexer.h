// The few lexical rules of Oracle scripts that the splitter needs: which bytes make words,
// which are blanks, and where a literal, a quoted identifier or a comment ends, so that
// separators and keywords are only ever looked for in code.
#ifndef ZENQUILL_WORKSPACE_SCRIPTLEXER_H
#define ZENQUILL_WORKSPACE_SCRIPTLEXER_H

#include <cstddef>
#include <string>

// ASCII letters only, so that the outcome does not depend on the locale (keywords are ASCII).
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Bytes that continue an identifier. The upper half counts too: it holds the national
// letters of the ANSI code pages and the bytes of double-byte characters.
inline bool IsWordByte(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '_' || b == '$' ||
         b == '#' || b >= 0x80;
}

// Space, tab, CR, LF, vertical tab and form feed.
bool IsBlank(char c);

// Whether `c` may open what MaskedEnd skips (a quick test before calling it).
bool MayOpenMasked(char c);

// When a literal ('...', q'[...]', nq'{...}' and the other delimiters), a quoted identifier
// ("...") or a comment ("--" up to the line feed, "/*...*/") starts at `at`: the position just
// after it, or the end of the text when it is not closed. Otherwise `at` itself.
std::size_t MaskedEnd(const std::string& text, std::size_t at);

// The first position from `at` on that is neither blank nor inside a comment.
std::size_t SkipBlanksAndComments(const std::string& text, std::size_t at);

// Whether `word` (upper case) stands at `at` as a whole word, in any letter case.
bool WordAt(const std::string& text, std::size_t at, const char* word);

// The end of the word that starts at `at` (`at` itself when no word byte stands there).
inline std::size_t WordEnd(const std::string& text, std::size_t at) {
  while (at < text.size() && IsWordByte(text[at])) ++at;
  return at;
}

#endif
