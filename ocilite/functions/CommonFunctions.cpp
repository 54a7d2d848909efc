// The everyday number and text functions as Oracle answers them: ROUND of numbers half away
// from zero and to negative places, REMAINDER, CEIL/FLOOR/POWER/SQRT (SQLite's build has no
// math functions), LPAD/RPAD, INITCAP, INSTR from a position and for an occurrence,
// TRANSLATE, REPLACE with NULLs as Oracle's, ASCII/CHR, NVL2, GREATEST/LEAST, SOUNDEX,
// NLS_UPPER/NLS_LOWER/NLS_INITCAP, LENGTHB, and the loop and depth checks of hierarchical queries.
#include <cctype>
#include <cmath>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "oracle/NumberText.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

void RoundNumber(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  double scale = std::pow(10.0, std::trunc(n[1]));
  ResultNumber(context, std::round(n[0] * scale) / scale);
}

void Remainder(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  if (n[1] == 0) return RaiseOraError(context, 1476);
  ResultNumber(context, std::remainder(n[0], n[1]));  // the quotient rounded half to even, as Oracle's
}

template <double (*F)(double)>
void Unary(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n = 0;
  if (NumberArguments(context, argc, argv, &n)) ResultNumber(context, F(n));
}

double Sign(double n) { return n > 0 ? 1 : n < 0 ? -1 : 0; }
double Ceil(double n) { return std::ceil(n); }
double Floor(double n) { return std::floor(n); }

void SquareRoot(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n = 0;
  if (!NumberArguments(context, argc, argv, &n)) return;
  if (n < 0) return RaiseOraError(context, 1428, "'" + AsText(argv[0]) + "'");
  ResultNumber(context, std::sqrt(n));
}

void Power(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (NumberArguments(context, argc, argv, n)) ResultNumber(context, std::pow(n[0], n[1]));
}

// LPAD/RPAD(text, width[, fill]): cut or filled to `width` characters.
void Pad(sqlite3_context* context, int argc, sqlite3_value** argv, bool left) {
  double width = 0;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!NumberArgument(context, argv[1], width)) return;
  std::string text = AsText(argv[0]);
  std::string fill = argc > 2 ? AsText(argv[2]) : " ";
  size_t wanted = width < 1 ? 0 : static_cast<size_t>(width);
  std::vector<size_t> starts = CharacterStarts(text);
  if (starts.size() >= wanted)
    return ResultText(context, text.substr(0, wanted < starts.size() ? starts[wanted] : text.size()));
  std::vector<size_t> fillStarts = CharacterStarts(fill);
  std::string padding;
  for (size_t k = 0; k < wanted - starts.size(); ++k) {
    size_t from = fillStarts[k % fillStarts.size()];
    size_t to = k % fillStarts.size() + 1 < fillStarts.size() ? fillStarts[k % fillStarts.size() + 1] : fill.size();
    padding += fill.substr(from, to - from);
  }
  ResultText(context, left ? padding + text : text + padding);
}

void LeftPad(sqlite3_context* context, int argc, sqlite3_value** argv) { Pad(context, argc, argv, true); }
void RightPad(sqlite3_context* context, int argc, sqlite3_value** argv) { Pad(context, argc, argv, false); }

// Each word's first letter upper case, the rest lower; words are runs of letters and digits.
void InitCap(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  bool inWord = false;
  for (char& c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    c = static_cast<char>(inWord ? std::tolower(u) : std::toupper(u));
    inWord = std::isalnum(u) != 0;
  }
  ResultText(context, text);
}

// NLS_UPPER/NLS_LOWER(text[, parameter]): the parameter names a linguistic sort, which
// single-byte text does not need.
template <int (*Change)(int)>
void NlsCase(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  for (char& c : text) c = static_cast<char>(Change(static_cast<unsigned char>(c)));
  ResultText(context, text);
}

// SOUNDEX(text): the first letter and the codes of the consonants after it, three digits
// padded with zeros; letters alike in sound side by side, or parted only by H or W, count once.
void Soundex(sqlite3_context* context, int argc, sqlite3_value** argv) {
  static const char kCodes[] = "01230120022455012623010202";  // A..Z
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  std::string out;
  char last = 0;
  for (char c : text) {
    if (!std::isalpha(static_cast<unsigned char>(c))) continue;
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    char code = kCodes[upper - 'A'];
    if (out.empty()) {
      out += upper;
    } else if (code != '0' && code != last) {
      out += code;
    }
    if (out.size() == 4) break;
    if (upper != 'H' && upper != 'W') last = code;
  }
  if (out.empty()) return sqlite3_result_null(context);
  ResultText(context, out + std::string(4 - out.size(), '0'));
}

// LENGTHB: the bytes of the value as text.
void ByteLength(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  sqlite3_result_int64(context, static_cast<sqlite3_int64>(AsText(argv[0]).size()));
}

// INSTR(text, part, position, occurrence): a negative position searches backwards from the end.
void Instr(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  std::string part = AsText(argv[1]);
  double position = 1;
  double occurrence = 1;
  if (!NumberArgument(context, argv[2], position) || (argc > 3 && !NumberArgument(context, argv[3], occurrence)))
    return;
  if (position == 0 || occurrence < 1) return sqlite3_result_int(context, 0);
  std::vector<size_t> starts = CharacterStarts(text);
  long count = static_cast<long>(occurrence);
  long size = static_cast<long>(starts.size());
  long from = static_cast<long>(position);
  long step = from > 0 ? 1 : -1;
  for (long k = from > 0 ? from - 1 : size + from; k >= 0 && k < size; k += step) {
    if (text.compare(starts[static_cast<size_t>(k)], part.size(), part) == 0 && --count == 0) {
      return sqlite3_result_int64(context, k + 1);
    }
  }
  sqlite3_result_int(context, 0);
}

// TRANSLATE(text, from, to): each character of `from` becomes the one at its place in `to`,
// or goes when `to` is shorter.
void Translate(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  std::string from = AsText(argv[1]);
  std::string to = AsText(argv[2]);
  std::string out;
  for (char c : text) {
    size_t at = from.find(c);
    if (at == std::string::npos) {
      out += c;
    } else if (at < to.size()) {
      out += to[at];
    }
  }
  ResultText(context, out);
}

// REPLACE(text, search[, replacement]): a NULL search leaves the text; no replacement removes.
void Replace(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  std::string search = sqlite3_value_type(argv[1]) == SQLITE_NULL ? std::string() : AsText(argv[1]);
  std::string replacement = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL ? AsText(argv[2]) : std::string();
  if (search.empty()) return ResultText(context, text);
  std::string out;
  size_t from = 0;
  for (size_t at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
    out += text.substr(from, at - from) + replacement;
    from = at + search.size();
  }
  ResultText(context, out + text.substr(from));
}

void Ascii(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  sqlite3_result_int(context, static_cast<unsigned char>(text[0]));
}

void Chr(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double code = 0;
  if (!NumberArguments(context, argc, argv, &code)) return;
  ResultText(context, std::string(1, static_cast<char>(static_cast<long>(code) & 0xFF)));
}

void Nvl2(sqlite3_context* context, int, sqlite3_value** argv) {
  sqlite3_result_value(context, argv[sqlite3_value_type(argv[0]) == SQLITE_NULL ? 2 : 1]);
}

// GREATEST/LEAST compare as the first argument's type: numbers as numbers, else as text.
void Extreme(sqlite3_context* context, int argc, sqlite3_value** argv, bool greatest) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  int type = sqlite3_value_numeric_type(argv[0]);
  bool numeric = type == SQLITE_INTEGER || type == SQLITE_FLOAT;
  int best = 0;
  for (int k = 1; k < argc; ++k) {
    double a = 0;
    double b = 0;
    int order = 0;
    if (numeric) {
      if (!NumberArgument(context, argv[k], a) || !NumberArgument(context, argv[best], b)) return;
      order = a < b ? -1 : a > b ? 1 : 0;
    } else {
      order = AsText(argv[k]).compare(AsText(argv[best]));
    }
    if (greatest ? order > 0 : order < 0) best = k;
  }
  sqlite3_result_value(context, argv[best]);
}

void Greatest(sqlite3_context* context, int argc, sqlite3_value** argv) { Extreme(context, argc, argv, true); }
void Least(sqlite3_context* context, int argc, sqlite3_value** argv) { Extreme(context, argc, argv, false); }

// ZQ_CONNECT_CYCLE(found, nocycle): whether a hierarchy may go on to a row; a row that is its
// own ancestor ends the branch under NOCYCLE and is ORA-01436 otherwise.
void ConnectCycle(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_int(argv[0]) == 0) return sqlite3_result_int(context, 1);
  if (sqlite3_value_int(argv[1]) != 0) return sqlite3_result_int(context, 0);
  RaiseOraError(context, 1436);
}

// ZQ_CONNECT_DEPTH(level): whether a CONNECT BY without PRIOR may go a level deeper. A
// condition that never stops it ends with Oracle's ORA-30009 rather than running for ever.
void ConnectDepth(sqlite3_context* context, int, sqlite3_value** argv) {
  const sqlite3_int64 kDeepest = 1000000;
  if (sqlite3_value_int64(argv[0]) < kDeepest) return sqlite3_result_int(context, 1);
  RaiseOraError(context, 30009);
}

const FunctionEntry kFunctions[] = {
    {"ZQ_ROUND_NUMBER", 1, true, RoundNumber},
    {"ZQ_ROUND_NUMBER", 2, true, RoundNumber},
    {"REMAINDER", 2, true, Remainder},
    {"CEIL", 1, true, Unary<Ceil>},
    {"FLOOR", 1, true, Unary<Floor>},
    {"SIGN", 1, true, Unary<Sign>},
    {"SQRT", 1, true, SquareRoot},
    {"POWER", 2, true, Power},
    {"LPAD", 2, true, LeftPad},
    {"LPAD", 3, true, LeftPad},
    {"RPAD", 2, true, RightPad},
    {"RPAD", 3, true, RightPad},
    {"INITCAP", 1, true, InitCap},
    {"NLS_INITCAP", 1, true, InitCap},
    {"NLS_INITCAP", 2, true, InitCap},
    {"NLS_UPPER", 1, true, NlsCase<std::toupper>},
    {"NLS_UPPER", 2, true, NlsCase<std::toupper>},
    {"NLS_LOWER", 1, true, NlsCase<std::tolower>},
    {"NLS_LOWER", 2, true, NlsCase<std::tolower>},
    {"SOUNDEX", 1, true, Soundex},
    {"LENGTHB", 1, true, ByteLength},
    {"INSTR", 3, true, Instr},
    {"INSTR", 4, true, Instr},
    {"TRANSLATE", 3, true, Translate},
    {"REPLACE", 2, true, Replace},
    {"REPLACE", 3, true, Replace},
    {"ASCII", 1, true, Ascii},
    {"CHR", 1, true, Chr},
    {"NVL2", 3, true, Nvl2},
    {"GREATEST", -1, true, Greatest},
    {"LEAST", -1, true, Least},
    {"ZQ_CONNECT_CYCLE", 2, true, ConnectCycle},
    {"ZQ_CONNECT_DEPTH", 1, true, ConnectDepth},
};

}  // namespace

FunctionFamily CommonFunctions() { return Family(kFunctions); }

}  // namespace ocilite
