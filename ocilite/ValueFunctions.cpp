#include "ValueFunctions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Cursor.h"
#include "FunctionArguments.h"
#include "OracleDate.h"
#include "SqlInterval.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

const char kNlsKey[] = "ocilite.nls_date_format";
const char kDefaultDateFormat[] = "DD-MON-RR";

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

void DeleteFormat(void* format) { delete static_cast<std::string*>(format); }

const FunctionEntry kFunctions[] = {
    {"ZQ_DIV", 2, Divide},
    {"ZQ_CONCAT", -1, Concat},
    {"ZQ_EMPTY_NULL", 1, EmptyNull},
    {"ZQ_SUBSTR", 2, Substr},
    {"ZQ_SUBSTR", 3, Substr},
    {"LIKE", 2, Like},
    {"LIKE", 3, Like},
    {"TO_NUMBER", 1, ToNumber},
    {"TO_CHAR", 1, ToChar},
    {"TO_CHAR", 2, ToChar},
    {"ZQ_TRUNC_NUMBER", 1, TruncNumber},
    {"ZQ_TRUNC_NUMBER", 2, TruncNumber},
    {"MOD", 2, Mod},
};

}  // namespace

void RegisterValueFunctions(sqlite3* db) {
  RegisterFunctions(db, kFunctions, true);
  sqlite3_create_function_v2(db, "ZQ_SINGLE", 1, SQLITE_UTF8, nullptr, nullptr, SingleStep, SingleFinal, nullptr);
  RegisterDateFunctions(db);
  RegisterCommonFunctions(db);
  RegisterRegexpFunctions(db);
  RegisterMathFunctions(db);
  RegisterStatisticalAggregates(db);
  RegisterIntervalFunctions(db);
  RegisterNumberModelFunctions(db);
  RegisterKeepAggregate(db);
}

const std::string& SessionDateFormat(sqlite3* db) {
  static const std::string kDefault = kDefaultDateFormat;
  const std::string* format = static_cast<const std::string*>(sqlite3_get_clientdata(db, kNlsKey));
  return format ? *format : kDefault;
}

void SetSessionDateFormat(sqlite3* db, const std::string& format) {
  sqlite3_set_clientdata(db, kNlsKey, new std::string(format), DeleteFormat);
}

bool FormatNumber(double value, const std::string& format, std::string& text) {
  std::string model = format;
  bool fill = true;
  if (model.size() >= 2 && (model.compare(0, 2, "FM") == 0 || model.compare(0, 2, "fm") == 0)) {
    fill = false;
    model.erase(0, 2);
  }
  bool dollar = false;
  int integerSlots = 0;
  int decimals = 0;
  bool point = false;
  for (char c : model) {
    if (c == '$') {
      dollar = true;
    } else if (c == '.' || c == 'D' || c == 'd') {
      point = true;
    } else if (c == '9' || c == '0') {
      (point ? decimals : integerSlots) += 1;
    } else if (c != ',' && c != 'G' && c != 'g') {
      return false;
    }
  }
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.*f", decimals, std::fabs(value));
  std::string whole = digits;
  std::string fraction;
  size_t dot = whole.find('.');
  if (dot != std::string::npos) {
    fraction = whole.substr(dot + 1);
    whole.erase(dot);
  }
  if (whole == "0") whole.clear();
  bool negative = value < 0 && std::strtod(digits, nullptr) != 0;
  if (static_cast<int>(whole.size()) > integerSlots) {
    text.assign(model.size() + 1, '#');
    return true;
  }
  // The integer part right-aligned into the model's slots; a 0 slot shows zeros from there on.
  std::string body;
  size_t firstZero = model.find('0');
  int slot = 0;
  int leading = integerSlots - static_cast<int>(whole.size());
  bool started = false;
  size_t fractionAt = 0;
  for (size_t k = 0; k < model.size(); ++k) {
    char c = model[k];
    if (c == '$') continue;
    if (c == '.' || c == 'D' || c == 'd') {
      body += '.';
      started = true;
      continue;
    }
    if (c == ',' || c == 'G' || c == 'g') {
      body += started ? "," : " ";
      continue;
    }
    if (fractionAt < fraction.size() && body.find('.') != std::string::npos) {
      body += fraction[fractionAt++];
      continue;
    }
    if (slot < leading) {
      bool zero = firstZero != std::string::npos && k >= firstZero;
      body += zero ? '0' : ' ';
      started = started || zero;
    } else {
      body += whole[static_cast<size_t>(slot - leading)];
      started = true;
    }
    ++slot;
  }
  size_t firstShown = body.find_first_not_of(' ');
  if (firstShown == std::string::npos) firstShown = body.size();
  std::string sign = negative ? "-" : (fill ? " " : "");
  body.insert(firstShown, sign + (dollar ? "$" : ""));
  if (!fill) body.erase(0, body.find_first_not_of(' '));
  text = body;
  return true;
}

}  // namespace ocilite
