// Oracle's date functions over the stored date text.
#include <cmath>
#include <string>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "oci/Session.h"
#include "oracle/OracleDate.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

// A DATE argument: the stored text, or text in the session's date format, as Oracle converts.
bool DateArgument(sqlite3_context* context, sqlite3_value* value, DateTime& date) {
  std::string text = TextOf(value);
  if (ReadStoredDate(text, date)) return true;
  int code = ParseDateText(text, SessionOf(context)->NlsDateFormat(), date);
  if (code) RaiseOraError(context, code);
  return code == 0;
}

void ResultDate(sqlite3_context* context, const DateTime& date) {
  std::string text = StoredDate(date);
  sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void ResultFormatted(sqlite3_context* context, const DateTime& date, const std::string& format) {
  std::string text;
  if (!FormatDate(date, format, text)) return RaiseOraError(context, 1821);
  if (text.empty()) return sqlite3_result_null(context);
  sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void DateText(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date)) return;
  ResultFormatted(context, date, argc > 1 ? TextOf(argv[1]) : SessionOf(context)->NlsDateFormat());
}

void ToDate(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  std::string format = argc > 1 ? TextOf(argv[1]) : SessionOf(context)->NlsDateFormat();
  DateTime date;
  int code = ParseDateText(TextOf(argv[0]), format, date);
  if (code) return RaiseOraError(context, code);
  ResultDate(context, date);
}

void DatePlus(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  double days = 0;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date) || !NumberArgument(context, argv[1], days)) return;
  ResultDate(context, DaysToDate(DateToDays(date) + days));
}

// date - number is a date; date - date the days between them.
void DateMinus(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date)) return;
  int type = sqlite3_value_numeric_type(argv[1]);
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
    return ResultDate(context, DaysToDate(DateToDays(date) - sqlite3_value_double(argv[1])));
  }
  DateTime other;
  if (!DateArgument(context, argv[1], other)) return;
  double days = DateToDays(date) - DateToDays(other);
  if (days == std::floor(days)) return sqlite3_result_int64(context, static_cast<sqlite3_int64>(days));
  sqlite3_result_double(context, days);
}

void DateInvalid(sqlite3_context* context, int, sqlite3_value**) { RaiseOraError(context, 932, "NUMBER got DATE"); }

DateTime AddMonthsTo(const DateTime& date, int months) {
  DateTime moved = date;
  int index = date.year * 12 + (date.month - 1) + months;
  moved.year = index / 12;
  moved.month = index % 12 + 1;
  // The last day of a month stays the last day, as Oracle's ADD_MONTHS keeps it.
  bool lastDay = date.day == DaysInMonth(date.year, date.month);
  int days = DaysInMonth(moved.year, moved.month);
  moved.day = lastDay || date.day > days ? days : date.day;
  return moved;
}

// ZQ_ADD_INTERVAL_MONTHS(date, months): date + INTERVAL 'n' MONTH, the same day and time so
// many months on; ORA-01839 when that month has no such day (ADD_MONTHS would take its last).
void AddIntervalMonths(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  double months = 0;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date) || !NumberArgument(context, argv[1], months)) return;
  int index = date.year * 12 + (date.month - 1) + static_cast<int>(std::lround(months));
  date.year = index / 12;
  date.month = index % 12 + 1;
  if (date.day > DaysInMonth(date.year, date.month)) return RaiseOraError(context, 1839);
  ResultDate(context, date);
}

void AddMonths(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  double months = 0;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date) || !NumberArgument(context, argv[1], months)) return;
  ResultDate(context, AddMonthsTo(date, static_cast<int>(std::trunc(months))));
}

void MonthsBetween(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime a, b;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], a) || !DateArgument(context, argv[1], b)) return;
  double months = (a.year - b.year) * 12.0 + (a.month - b.month);
  bool bothLast = a.day == DaysInMonth(a.year, a.month) && b.day == DaysInMonth(b.year, b.month);
  if (a.day != b.day && !bothLast) {
    double seconds = (a.hour - b.hour) * 3600.0 + (a.minute - b.minute) * 60.0 + (a.second - b.second);
    months += (a.day - b.day + seconds / 86400.0) / 31.0;
  }
  if (months == std::floor(months)) return sqlite3_result_int64(context, static_cast<sqlite3_int64>(months));
  sqlite3_result_double(context, months);
}

void LastDay(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date)) return;
  date.day = DaysInMonth(date.year, date.month);
  ResultDate(context, date);
}

void NextDay(sqlite3_context* context, int argc, sqlite3_value** argv) {
  static const char* const kDays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
  DateTime date;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date)) return;
  std::string wanted = TextOf(argv[1]).substr(0, 3);
  for (char& c : wanted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int day = 0; day < 7; ++day) {
    if (wanted != kDays[day]) continue;
    int ahead = (day - DayOfWeek(date) + 7) % 7;
    return ResultDate(context, DaysToDate(DateToDays(date) + (ahead == 0 ? 7 : ahead)));
  }
  RaiseOraError(context, 1846);
}

// The Monday that starts the ISO year holding `date`: the week of 4 January.
DateTime IsoYearStart(int year) {
  DateTime fourth{year, 1, 4, 0, 0, 0};
  return DaysToDate(DateToDays(fourth) - (DayOfWeek(fourth) + 6) % 7);
}

// The unit a TRUNC/ROUND format names around `date`: where it starts, where the next one
// starts, and from when ROUND takes the next (Oracle's own boundaries for years, quarters and
// months; the middle of the unit for the rest). False for a format that names no unit.
struct Unit {
  DateTime start, next;
  double roundsUpAt = 0;
};

bool UnitOf(const DateTime& date, std::string name, Unit& unit) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto is = [&](std::initializer_list<const char*> names) {
    for (const char* listed : names) {
      if (name == listed) return true;
    }
    return false;
  };
  const DateTime day{date.year, date.month, date.day, 0, 0, 0};
  DateTime start = day;
  double days = 0;  // the unit's length, where it is a number of days
  DateTime boundary{};
  bool fixedBoundary = false;
  if (is({"DD", "DDD", "J"})) {
    days = 1;
  } else if (is({"MM", "MON", "MONTH", "RM"})) {
    start.day = 1;
    unit.next = AddMonthsTo(start, 1);
    boundary = DateTime{date.year, date.month, 16, 0, 0, 0};
    fixedBoundary = true;
  } else if (is({"SYYYY", "YYYY", "YEAR", "SYEAR", "YYY", "YY", "Y", "RR", "RRRR"})) {
    start = DateTime{date.year, 1, 1, 0, 0, 0};
    unit.next = AddMonthsTo(start, 12);
    boundary = DateTime{date.year, 7, 1, 0, 0, 0};
    fixedBoundary = true;
  } else if (is({"Q"})) {
    start = DateTime{date.year, (date.month - 1) / 3 * 3 + 1, 1, 0, 0, 0};
    unit.next = AddMonthsTo(start, 3);
    boundary = DateTime{date.year, start.month + 1, 16, 0, 0, 0};
    fixedBoundary = true;
  } else if (is({"CC", "SCC"})) {
    start = DateTime{(date.year - 1) / 100 * 100 + 1, 1, 1, 0, 0, 0};
    unit.next = AddMonthsTo(start, 1200);
  } else if (is({"IYYY", "IYY", "IY", "I"})) {
    start = IsoYearStart(date.year + 1);
    if (DateToDays(start) > DateToDays(day)) start = IsoYearStart(date.year);
    if (DateToDays(start) > DateToDays(day)) start = IsoYearStart(date.year - 1);
    unit.next = IsoYearStart(start.year + 1 + (start.month == 12 ? 1 : 0));
  } else if (is({"HH", "HH24", "HH12"})) {
    start.hour = date.hour;
    days = 1.0 / 24;
  } else if (is({"MI"})) {
    start.hour = date.hour;
    start.minute = date.minute;
    days = 1.0 / 1440;
  } else if (is({"D", "DY", "DAY", "IW", "WW", "W"})) {
    // Weeks from Sunday (NLS_TERRITORY AMERICA), Monday (IW), 1 January (WW) or the 1st (W).
    DateTime first = name == "WW" ? DateTime{date.year, 1, 1, 0, 0, 0} : DateTime{date.year, date.month, 1, 0, 0, 0};
    int back = name == "IW"                  ? (DayOfWeek(day) + 6) % 7
               : name == "WW" || name == "W" ? static_cast<int>(DateToDays(day) - DateToDays(first)) % 7
                                             : DayOfWeek(day);
    start = DaysToDate(DateToDays(day) - back);
    days = 7;
  } else {
    return false;
  }
  unit.start = start;
  if (days > 0) unit.next = DaysToDate(DateToDays(start) + days);
  unit.roundsUpAt = fixedBoundary ? DateToDays(boundary) : (DateToDays(unit.start) + DateToDays(unit.next)) / 2;
  return true;
}

void TruncOrRound(sqlite3_context* context, int argc, sqlite3_value** argv, bool round) {
  DateTime date;
  Unit unit;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[0], date)) return;
  if (!UnitOf(date, argc > 1 ? TextOf(argv[1]) : "DD", unit)) return RaiseOraError(context, 1898);
  const double kHalfSecond = 0.5 / 86400;  // the days' fractions are not exact
  ResultDate(context, round && DateToDays(date) >= unit.roundsUpAt - kHalfSecond ? unit.next : unit.start);
}

void TruncDate(sqlite3_context* context, int argc, sqlite3_value** argv) { TruncOrRound(context, argc, argv, false); }
void RoundDate(sqlite3_context* context, int argc, sqlite3_value** argv) { TruncOrRound(context, argc, argv, true); }

void Extract(sqlite3_context* context, int argc, sqlite3_value** argv) {
  DateTime date;
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  if (!DateArgument(context, argv[1], date)) return;
  std::string field = TextOf(argv[0]);
  int value = field == "YEAR"     ? date.year
              : field == "MONTH"  ? date.month
              : field == "DAY"    ? date.day
              : field == "HOUR"   ? date.hour
              : field == "MINUTE" ? date.minute
              : field == "SECOND" ? date.second
                                  : -1;
  if (value < 0) return RaiseOraError(context, 1748);
  sqlite3_result_int(context, value);
}

// Not deterministic: the session's date format may change between two statements.
const FunctionEntry kFunctions[] = {
    {"ZQ_DATE_TEXT", 1, false, DateText},
    {"ZQ_DATE_TO_CHAR", 1, false, DateText},
    {"ZQ_DATE_TO_CHAR", 2, false, DateText},
    {"TO_DATE", 1, false, ToDate},
    {"TO_DATE", 2, false, ToDate},
    {"ZQ_DATE_PLUS", 2, false, DatePlus},
    {"ZQ_DATE_MINUS", 2, false, DateMinus},
    {"ZQ_DATE_INVALID", 2, false, DateInvalid},
    {"ADD_MONTHS", 2, false, AddMonths},
    {"MONTHS_BETWEEN", 2, false, MonthsBetween},
    {"LAST_DAY", 1, false, LastDay},
    {"NEXT_DAY", 2, false, NextDay},
    {"ZQ_TRUNC_DATE", 1, false, TruncDate},
    {"ZQ_TRUNC_DATE", 2, false, TruncDate},
    {"ZQ_ROUND_DATE", 1, false, RoundDate},
    {"ZQ_ROUND_DATE", 2, false, RoundDate},
    {"ZQ_EXTRACT", 2, false, Extract},
    // What date arithmetic with an INTERVAL literal calls (SqlInterval.h).
    {"ZQ_ADD_INTERVAL_MONTHS", 2, false, AddIntervalMonths},
};

}  // namespace

FunctionFamily DateFunctions() { return Family(kFunctions); }

}  // namespace ocilite
