// REGEXP_LIKE, REGEXP_SUBSTR, REGEXP_INSTR, REGEXP_REPLACE and REGEXP_COUNT over POSIX extended
// regular expressions with Oracle's Perl-style classes (\d \w \s and their capitals), with
// Oracle's arguments: start position, occurrence (0: every one, for REGEXP_REPLACE), match
// parameter ('i' ignores case, 'c' heeds it) and \1..\9 in replacements.
#include <regex>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

int ErrorCode(const std::regex_error& error) {
  switch (error.code()) {
    case std::regex_constants::error_paren: return 12725;
    case std::regex_constants::error_brack: return 12726;
    case std::regex_constants::error_backref: return 12727;
    case std::regex_constants::error_range: return 12728;
    default: return 12722;
  }
}

// The POSIX class a Perl-style escape stands for, or null; `negated` for the capitals.
const char* PerlClass(char escape, bool& negated) {
  negated = escape == 'D' || escape == 'W' || escape == 'S';
  switch (escape) {
    case 'd':
    case 'D': return "[:digit:]";
    case 'w':
    case 'W': return "[:alnum:]_";
    case 's':
    case 'S': return "[:space:]";
    default: return nullptr;
  }
}

// The pattern with \d, \w, \s (and \D, \W, \S outside brackets) written as POSIX classes,
// which the extended grammar knows; other escapes stay as they are.
std::string WithPosixClasses(const std::string& pattern) {
  std::string out;
  bool inBracket = false;
  for (size_t k = 0; k < pattern.size(); ++k) {
    char c = pattern[k];
    bool negated = false;
    const char* posix = c == '\\' && k + 1 < pattern.size() ? PerlClass(pattern[k + 1], negated) : nullptr;
    if (posix && !(inBracket && negated)) {
      out += inBracket ? std::string(posix) : std::string(negated ? "[^" : "[") + posix + "]";
      ++k;
      continue;
    }
    if (c == '\\' && k + 1 < pattern.size()) {
      out += pattern.substr(k++, 2);
      continue;
    }
    if (!inBracket && c == '[') {
      inBracket = true;
      out += c;
      // A ] first in the bracket, after an optional ^, is a member, not the end.
      if (k + 1 < pattern.size() && pattern[k + 1] == '^') out += pattern[++k];
      if (k + 1 < pattern.size() && pattern[k + 1] == ']') out += pattern[++k];
      continue;
    }
    if (inBracket && c == '[' && k + 1 < pattern.size() && pattern[k + 1] == ':') {
      size_t close = pattern.find(":]", k + 2);
      if (close != std::string::npos) {
        out += pattern.substr(k, close + 2 - k);
        k = close + 1;
        continue;
      }
    }
    if (inBracket && c == ']') inBracket = false;
    out += c;
  }
  return out;
}

// The arguments every REGEXP function shares.
struct Search {
  std::string text;
  std::regex pattern;
  size_t from = 0;  // byte offset of the start position
  long occurrence = 1;
};

// Reads text, pattern, position (at `positionArg`), occurrence (after the position, where the
// function takes one) and match parameter; false when the result is NULL (already set) or an
// error was raised.
bool ReadSearch(sqlite3_context* context, int argc, sqlite3_value** argv, int positionArg, int flagsArg, Search& search,
                bool takesOccurrence = true) {
  for (int k = 0; k < 2; ++k) {
    if (sqlite3_value_type(argv[k]) == SQLITE_NULL) {
      sqlite3_result_null(context);
      return false;
    }
  }
  search.text = AsText(argv[0]);
  double position = 1;
  double occurrence = 1;
  if (argc > positionArg && !NumberArgument(context, argv[positionArg], position)) return false;
  if (takesOccurrence && argc > positionArg + 1 && !NumberArgument(context, argv[positionArg + 1], occurrence))
    return false;
  if (position < 1) {
    RaiseOraError(context, 1428, "'" + AsText(argv[positionArg]) + "'");
    return false;
  }
  std::vector<size_t> starts = CharacterStarts(search.text);
  size_t index = static_cast<size_t>(position) - 1;
  search.from = index < starts.size() ? starts[index] : search.text.size();
  search.occurrence = static_cast<long>(occurrence);
  auto flags = std::regex::extended;
  std::string parameter =
      argc > flagsArg && sqlite3_value_type(argv[flagsArg]) != SQLITE_NULL ? AsText(argv[flagsArg]) : "";
  for (char c : parameter) {
    if (c == 'i') flags |= std::regex::icase;
    if (c == 'c') flags &= ~std::regex::icase;
  }
  try {
    search.pattern = std::regex(WithPosixClasses(AsText(argv[1])), flags);
  } catch (const std::regex_error& error) {
    RaiseOraError(context, ErrorCode(error));
    return false;
  }
  return true;
}

// The `occurrence`th match at or after the start; false when there is none.
bool FindMatch(const Search& search, std::smatch& match) {
  auto begin = search.text.cbegin() + static_cast<long>(search.from);
  for (long k = 0; k < search.occurrence; ++k) {
    if (!std::regex_search(begin, search.text.cend(), match, search.pattern,
                           begin == search.text.cbegin() ? std::regex_constants::match_default
                                                         : std::regex_constants::match_prev_avail)) {
      return false;
    }
    begin = match[0].second == match[0].first && match[0].second != search.text.cend() ? match[0].second + 1
                                                                                       : match[0].second;
  }
  return true;
}

// Every REGEXP function takes text and pattern, and up to `most` arguments in all.
bool ArgumentCount(sqlite3_context* context, int argc, int most) {
  if (argc >= 2 && argc <= most) return true;
  RaiseOraError(context, 909);
  return false;
}

void RegexpLike(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (!ArgumentCount(context, argc, 3)) return;
  Search search;
  std::smatch match;
  if (ReadSearch(context, argc, argv, argc, 2, search)) sqlite3_result_int(context, FindMatch(search, match));
}

// REGEXP_SUBSTR(text, pattern[, position[, occurrence[, parameter[, subexpression]]]])
void RegexpSubstr(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (!ArgumentCount(context, argc, 6)) return;
  Search search;
  std::smatch match;
  if (!ReadSearch(context, argc, argv, 2, 4, search)) return;
  size_t group = argc > 5 ? static_cast<size_t>(sqlite3_value_int(argv[5])) : 0;
  if (!FindMatch(search, match) || group >= match.size()) return sqlite3_result_null(context);
  ResultText(context, match[group].str());
}

// REGEXP_INSTR(text, pattern[, position[, occurrence[, after[, parameter]]]]): the character
// position of the match, or of the character after it when `after` is 1; 0 for none.
void RegexpInstr(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (!ArgumentCount(context, argc, 6)) return;
  Search search;
  std::smatch match;
  if (!ReadSearch(context, argc, argv, 2, 5, search)) return;
  if (!FindMatch(search, match)) return sqlite3_result_int(context, 0);
  bool after = argc > 4 && sqlite3_value_int(argv[4]) == 1;
  size_t end =
      static_cast<size_t>(after ? match[0].second - search.text.cbegin() : match[0].first - search.text.cbegin());
  sqlite3_result_int64(context, static_cast<sqlite3_int64>(CharacterStarts(search.text.substr(0, end)).size()) + 1);
}

// REGEXP_COUNT(text, pattern[, position[, parameter]]): the matches from the position on.
void RegexpCount(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (!ArgumentCount(context, argc, 4)) return;
  Search search;
  if (!ReadSearch(context, argc, argv, 2, 3, search, false)) return;
  sqlite3_int64 count = 0;
  std::smatch match;
  for (search.occurrence = 1; FindMatch(search, match); ++search.occurrence) ++count;
  sqlite3_result_int64(context, count);
}

// The replacement with \1..\9 taken from the match.
std::string Expanded(const std::string& replacement, const std::smatch& match) {
  std::string out;
  for (size_t k = 0; k < replacement.size(); ++k) {
    char next = k + 1 < replacement.size() ? replacement[k + 1] : 0;
    if (replacement[k] == '\\' && next >= '0' && next <= '9') {
      size_t group = static_cast<size_t>(next - '0');
      if (group < match.size()) out += match[group].str();
      ++k;
    } else {
      out += replacement[k];
    }
  }
  return out;
}

// REGEXP_REPLACE(text, pattern[, replacement[, position[, occurrence[, parameter]]]])
void RegexpReplace(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (!ArgumentCount(context, argc, 6)) return;
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return ResultText(context, AsText(argv[0]));
  Search search;
  if (!ReadSearch(context, argc, argv, 3, 5, search)) return;
  std::string replacement = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL ? AsText(argv[2]) : "";
  long wanted = argc > 4 ? search.occurrence : 0;
  std::string out = search.text.substr(0, search.from);
  auto begin = search.text.cbegin() + static_cast<long>(search.from);
  std::smatch match;
  for (long k = 1; begin <= search.text.cend() &&
                   std::regex_search(begin, search.text.cend(), match, search.pattern,
                                     begin == search.text.cbegin() ? std::regex_constants::match_default
                                                                   : std::regex_constants::match_prev_avail);
       ++k) {
    out.append(begin, match[0].first);
    out += wanted == 0 || k == wanted ? Expanded(replacement, match) : match[0].str();
    begin = match[0].second;
    if (match[0].length() == 0) {
      if (begin == search.text.cend()) break;
      out += *begin++;
    }
    if (wanted != 0 && k >= wanted) break;
  }
  out.append(begin, search.text.cend());
  ResultText(context, out);
}

const FunctionEntry kFunctions[] = {
    {"REGEXP_LIKE", -1, true, RegexpLike},   {"REGEXP_SUBSTR", -1, true, RegexpSubstr},
    {"REGEXP_INSTR", -1, true, RegexpInstr}, {"REGEXP_REPLACE", -1, true, RegexpReplace},
    {"REGEXP_COUNT", -1, true, RegexpCount},
};

}  // namespace

FunctionFamily RegexpFunctions() { return Family(kFunctions); }

}  // namespace ocilite
