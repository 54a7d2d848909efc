#include "sql/SqlInterval.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "sqlite3.h"

namespace ocilite {

const char kIntervalMonths[] = "ZQ_INTERVAL_YM";
const char kIntervalDays[] = "ZQ_INTERVAL_DS";

namespace {

const char* const kFields[] = {"YEAR", "MONTH", "DAY", "HOUR", "MINUTE", "SECOND"};
// Each field in the unit of its kind: months, or days.
const double kFieldSize[] = {12, 1, 1, 1.0 / 24, 1.0 / 1440, 1.0 / 86400};
// The most a trailing field may hold.
const double kFieldLimit[] = {0, 11, 0, 23, 59, 59.999999999};

int FieldIndex(const std::string& name) {
  for (int k = 0; k < 6; ++k) {
    if (name == kFields[k]) return k;
  }
  return -1;
}

}  // namespace

int ReadInterval(const std::string& text, const std::string& first, const std::string& last, Interval& interval) {
  int from = FieldIndex(first);
  int to = last.empty() ? from : FieldIndex(last);
  if (from < 0 || to < from || (from < 2) != (to < 2)) return 1867;
  interval.yearToMonth = from < 2;
  size_t at = 0;
  bool negative = at < text.size() && (text[at] == '-' || text[at] == '+') && text[at++] == '-';
  double amount = 0;
  for (int field = from; field <= to; ++field) {
    if (field > from) {
      char separator = field == 1 ? '-' : field == 3 ? ' ' : ':';
      if (at >= text.size() || text[at] != separator) return 1867;
      ++at;
    }
    size_t digits = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
    if (field == 5 && at < text.size() && text[at] == '.') {
      for (++at; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));) ++at;
    }
    if (at == digits) return 1867;
    double value = std::strtod(text.substr(digits, at - digits).c_str(), nullptr);
    size_t whole = std::min(text.find('.', digits), at) - digits;
    if (field == from && whole > static_cast<size_t>(interval.precision)) return 1873;
    if (field > from && value > kFieldLimit[field]) return 1867;
    amount += value * kFieldSize[field];
  }
  if (at != text.size()) return 1867;
  interval.amount = negative ? -amount : amount;
  return 0;
}

namespace {

std::string Signed(double amount) { return amount < 0 ? "-" : "+"; }

std::string Padded(long long value, int width) {
  std::string digits = std::to_string(value);
  return std::string(digits.size() < static_cast<size_t>(width) ? width - digits.size() : 0, '0') + digits;
}

// +YY-MM
void IntervalMonths(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  long long months = std::llround(std::fabs(n[0]));
  ResultText(context, Signed(n[0]) + Padded(months / 12, static_cast<int>(n[1])) + "-" + Padded(months % 12, 2));
}

// +DD HH:MI:SS.FFFFFF
void IntervalDays(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  long long micros = std::llround(std::fabs(n[0]) * 86400e6);
  long long seconds = micros / 1000000;
  std::string text = Signed(n[0]) + Padded(seconds / 86400, static_cast<int>(n[1])) + " " +
                     Padded(seconds / 3600 % 24, 2) + ":" + Padded(seconds / 60 % 60, 2) + ":" +
                     Padded(seconds % 60, 2) + "." + Padded(micros % 1000000, 6);
  ResultText(context, text);
}

const FunctionEntry kFunctions[] = {
    {kIntervalMonths, 2, true, IntervalMonths},
    {kIntervalDays, 2, true, IntervalDays},
};

}  // namespace

FunctionFamily IntervalFunctions() { return Family(kFunctions); }

}  // namespace ocilite
