// The functions that give SQLite Oracle's value semantics where the two differ: NUMBER
// division (never truncating, ORA-01476 on zero), || over NULLs, SUBSTR's positions, a
// case-sensitive LIKE, MOD, '' as NULL, single-row subqueries (ORA-01427), TO_CHAR of numbers
// by a format model (SqlChecker.h says which rewrite calls which).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "functions/NumberModels.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

bool IsNull(sqlite3_value* value) { return sqlite3_value_type(value) == SQLITE_NULL; }

void Divide(sqlite3_context* context, int, sqlite3_value** argv) {
  if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(context);
  double dividend = 0;
  double divisor = 0;
  if (!NumberArgument(context, argv[0], dividend) || !NumberArgument(context, argv[1], divisor)) return;
  if (divisor == 0) return RaiseOraError(context, 1476);
  if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_numeric_type(argv[1]) == SQLITE_INTEGER) {
    sqlite3_int64 a = sqlite3_value_int64(argv[0]);
    sqlite3_int64 b = sqlite3_value_int64(argv[1]);
    if (!(a == INT64_MIN && b == -1) && a % b == 0) return sqlite3_result_int64(context, a / b);
  }
  sqlite3_result_double(context, dividend / divisor);
}

void Concat(sqlite3_context* context, int argc, sqlite3_value** argv) {
  std::string text;
  for (int k = 0; k < argc; ++k) {
    if (!IsNull(argv[k])) text += AsText(argv[k]);
  }
  ResultText(context, text);
}

void EmptyNull(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_bytes(argv[0]) == 0) {
    return sqlite3_result_null(context);
  }
  sqlite3_result_value(context, argv[0]);
}

// SUBSTR: position 0 counts as 1, a negative one from the end; nothing left is NULL.
void Substr(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string text = AsText(argv[0]);
  std::vector<size_t> starts = CharacterStarts(text);
  double position = 0;
  double length = static_cast<double>(starts.size());
  if (!NumberArgument(context, argv[1], position)) return;
  if (argc > 2 && !NumberArgument(context, argv[2], length)) return;
  long from = static_cast<long>(std::trunc(position));
  long count = static_cast<long>(std::trunc(length));
  long size = static_cast<long>(starts.size());
  if (from == 0) from = 1;
  if (from < 0) from = size + from + 1;
  if (from < 1 || from > size || count < 1) return sqlite3_result_null(context);
  long last = from - 1 + count < size ? from - 1 + count : size;
  size_t begin = starts[static_cast<size_t>(from - 1)];
  size_t end = last < size ? starts[static_cast<size_t>(last)] : text.size();
  ResultText(context, text.substr(begin, end - begin));
}

// LIKE as Oracle's: case-sensitive, % and _ over characters, an optional escape character.
bool Matches(const char* pattern, const char* text, char escape) {
  for (; *pattern; ++pattern) {
    if (escape && *pattern == escape && pattern[1]) {
      ++pattern;
      if (*text++ != *pattern) return false;
    } else if (*pattern == '%') {
      while (pattern[1] == '%') ++pattern;
      if (!pattern[1]) return true;
      for (const char* rest = text; *rest; ++rest) {
        if (Matches(pattern + 1, rest, escape)) return true;
      }
      return false;
    } else if (*pattern == '_') {
      if (!*text) return false;
      ++text;
      while ((static_cast<unsigned char>(*text) & 0xC0) == 0x80) ++text;
    } else if (*text++ != *pattern) {
      return false;
    }
  }
  return !*text;
}

void Like(sqlite3_context* context, int argc, sqlite3_value** argv) {
  // SQLite calls like(pattern, text[, escape]).
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string escape = argc > 2 ? TextOf(argv[2]) : std::string();
  sqlite3_result_int(context,
                     Matches(AsText(argv[0]).c_str(), AsText(argv[1]).c_str(), escape.empty() ? 0 : escape[0]));
}

// ZQ_SINGLE(value): the value of the only row, ORA-01427 when there are more.
struct Single {
  sqlite3_value* value;
  int rows;
};

void SingleStep(sqlite3_context* context, int, sqlite3_value** argv) {
  Single* single = static_cast<Single*>(sqlite3_aggregate_context(context, sizeof(Single)));
  if (!single) return;
  if (++single->rows > 1) return RaiseOraError(context, 1427);
  single->value = sqlite3_value_dup(argv[0]);
}

void SingleFinal(sqlite3_context* context) {
  Single* single = static_cast<Single*>(sqlite3_aggregate_context(context, 0));
  if (!single || !single->value) return sqlite3_result_null(context);
  if (single->rows > 1) {
    RaiseOraError(context, 1427);
  } else {
    sqlite3_result_value(context, single->value);
  }
  sqlite3_value_free(single->value);
}

void ToNumber(sqlite3_context* context, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(context);
  int type = sqlite3_value_numeric_type(argv[0]);
  std::string text = TextOf(argv[0]);
  bool blank = text.find_first_not_of(' ') == std::string::npos;
  if (blank) return sqlite3_result_null(context);
  if (type == SQLITE_INTEGER) return sqlite3_result_int64(context, sqlite3_value_int64(argv[0]));
  if (type == SQLITE_FLOAT) return sqlite3_result_double(context, sqlite3_value_double(argv[0]));
  RaiseOraError(context, 1722);
}

void ToChar(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(context);
  if (argc < 2 || IsNull(argv[1])) return ResultText(context, AsText(argv[0]));
  double number = 0;
  if (!NumberArgument(context, argv[0], number)) return;
  std::string text;
  if (!FormatNumberModel(number, TextOf(argv[1]), text)) return RaiseOraError(context, 1481);
  ResultText(context, text);
}

void TruncNumber(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0]) || (argc > 1 && IsNull(argv[1]))) return sqlite3_result_null(context);
  double number = 0;
  double places = 0;
  if (!NumberArgument(context, argv[0], number) || (argc > 1 && !NumberArgument(context, argv[1], places))) return;
  double scale = std::pow(10.0, std::trunc(places));
  ResultNumber(context, std::trunc(number * scale) / scale);
}

// MOD(m, n): the remainder with the sign of m; m itself when n is 0.
void Mod(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  double m = 0;
  double n = 0;
  if (!NumberArgument(context, argv[0], m) || !NumberArgument(context, argv[1], n)) return;
  if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_numeric_type(argv[1]) == SQLITE_INTEGER) {
    sqlite3_int64 a = sqlite3_value_int64(argv[0]);
    sqlite3_int64 b = sqlite3_value_int64(argv[1]);
    return sqlite3_result_int64(context, b == 0 || b == -1 ? (b == 0 ? a : 0) : a % b);
  }
  sqlite3_result_double(context, n == 0 ? m : m - n * std::trunc(m / n));
}

const FunctionEntry kFunctions[] = {
    {"ZQ_DIV", 2, true, Divide},
    {"ZQ_CONCAT", -1, true, Concat},
    {"ZQ_EMPTY_NULL", 1, true, EmptyNull},
    {"ZQ_SUBSTR", 2, true, Substr},
    {"ZQ_SUBSTR", 3, true, Substr},
    {"LIKE", 2, true, Like},
    {"LIKE", 3, true, Like},
    {"TO_NUMBER", 1, true, ToNumber},
    {"TO_CHAR", 1, true, ToChar},
    {"TO_CHAR", 2, true, ToChar},
    {"ZQ_TRUNC_NUMBER", 1, true, TruncNumber},
    {"ZQ_TRUNC_NUMBER", 2, true, TruncNumber},
    {"MOD", 2, true, Mod},
    {"ZQ_SINGLE", 1, false, nullptr, SingleStep, SingleFinal},
};

}  // namespace

FunctionFamily ValueFunctions() { return Family(kFunctions); }

}  // namespace ocilite
