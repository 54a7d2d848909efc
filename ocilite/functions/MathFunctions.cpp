// Oracle's numeric functions that SQLite's build lacks (it has no math functions): LN, EXP,
// LOG, the trigonometric and hyperbolic ones, BITAND, WIDTH_BUCKET and NANVL, with
// ORA-01428 where an argument is out of a function's range.
#include <cmath>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

void OutOfRange(sqlite3_context* context, sqlite3_value* value) {
  RaiseOraError(context, 1428, "'" + AsText(value) + "'");
}

// A function of one number, defined where `valid` holds.
template <double (*F)(double), bool (*Valid)(double)>
void Unary(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n = 0;
  if (!NumberArguments(context, argc, argv, &n)) return;
  if (!Valid(n)) return OutOfRange(context, argv[0]);
  double result = F(n);
  if (!std::isfinite(result)) return RaiseOraError(context, 1426);
  ResultNumber(context, result);
}

bool Always(double) { return true; }
bool Positive(double n) { return n > 0; }
bool UnitRange(double n) { return n >= -1 && n <= 1; }

double Ln(double n) { return std::log(n); }
double Exp(double n) { return std::exp(n); }
double Sin(double n) { return std::sin(n); }
double Cos(double n) { return std::cos(n); }
double Tan(double n) { return std::tan(n); }
double Asin(double n) { return std::asin(n); }
double Acos(double n) { return std::acos(n); }
double Atan(double n) { return std::atan(n); }
double Sinh(double n) { return std::sinh(n); }
double Cosh(double n) { return std::cosh(n); }
double Tanh(double n) { return std::tanh(n); }

// LOG(base, n): the base positive and not 1, n positive.
void Log(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  if (n[0] <= 0 || n[0] == 1) return OutOfRange(context, argv[0]);
  if (n[1] <= 0) return OutOfRange(context, argv[1]);
  ResultNumber(context, std::log(n[1]) / std::log(n[0]));
}

void Atan2(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (NumberArguments(context, argc, argv, n)) ResultNumber(context, std::atan2(n[0], n[1]));
}

void BitAnd(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[2] = {0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  sqlite3_result_int64(context, static_cast<sqlite3_int64>(n[0]) & static_cast<sqlite3_int64>(n[1]));
}

// WIDTH_BUCKET(value, low, high, buckets): 0 below the range, buckets + 1 at or above its end.
void WidthBucket(sqlite3_context* context, int argc, sqlite3_value** argv) {
  double n[4] = {0, 0, 0, 0};
  if (!NumberArguments(context, argc, argv, n)) return;
  if (n[3] < 1 || n[3] != std::floor(n[3])) return OutOfRange(context, argv[3]);
  double value = n[0], low = n[1], high = n[2], buckets = n[3];
  if (low == high) return OutOfRange(context, argv[2]);
  bool rising = low < high;
  if (rising ? value < low : value > low) return sqlite3_result_int(context, 0);
  if (rising ? value >= high : value <= high) return ResultNumber(context, buckets + 1);
  ResultNumber(context, std::floor((value - low) / (high - low) * buckets) + 1);
}

// NANVL(value, replacement): a NUMBER is never NaN, so the value itself.
void Nanvl(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    return sqlite3_result_null(context);
  }
  sqlite3_result_value(context, argv[0]);
}

const FunctionEntry kFunctions[] = {
    {"LN", 1, true, Unary<Ln, Positive>},
    {"EXP", 1, true, Unary<Exp, Always>},
    {"LOG", 2, true, Log},
    {"SIN", 1, true, Unary<Sin, Always>},
    {"COS", 1, true, Unary<Cos, Always>},
    {"TAN", 1, true, Unary<Tan, Always>},
    {"ASIN", 1, true, Unary<Asin, UnitRange>},
    {"ACOS", 1, true, Unary<Acos, UnitRange>},
    {"ATAN", 1, true, Unary<Atan, Always>},
    {"ATAN2", 2, true, Atan2},
    {"SINH", 1, true, Unary<Sinh, Always>},
    {"COSH", 1, true, Unary<Cosh, Always>},
    {"TANH", 1, true, Unary<Tanh, Always>},
    {"BITAND", 2, true, BitAnd},
    {"WIDTH_BUCKET", 4, true, WidthBucket},
    {"NANVL", 2, true, Nanvl},
};

}  // namespace

FunctionFamily MathFunctions() { return Family(kFunctions); }

}  // namespace ocilite
