// Oracle's statistical aggregates: STDDEV and VARIANCE (0 over one row), their _SAMP (NULL
// over one row) and _POP forms, and MEDIAN (the mean of the middle two of an even count).
// Each keeps its values in order, so that it also works over a sliding window.
#include <cmath>
#include <iterator>
#include <set>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

using Values = std::multiset<double>;

Values* ValuesOf(sqlite3_context* context, bool create) {
  auto** slot = static_cast<Values**>(sqlite3_aggregate_context(context, create ? sizeof(Values*) : 0));
  if (slot && !*slot && create) *slot = new Values();
  return slot ? *slot : nullptr;
}

void Step(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
  double number = 0;
  if (!NumberArgument(context, argv[0], number)) return;
  if (Values* values = ValuesOf(context, true)) values->insert(number);
}

// A window lets a value go: one of its equals leaves.
void Inverse(sqlite3_context* context, int, sqlite3_value** argv) {
  Values* values = ValuesOf(context, false);
  if (!values || sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
  auto found = values->find(sqlite3_value_double(argv[0]));
  if (found != values->end()) values->erase(found);
}

// The sum of squared distances from the mean, over the values' count less `lost` degrees.
bool Variance(const Values& values, size_t lost, long double& variance) {
  if (values.size() <= lost) return false;
  long double sum = 0;
  for (double value : values) sum += value;
  long double mean = sum / values.size();
  long double squares = 0;
  for (double value : values) squares += (value - mean) * (value - mean);
  variance = squares / (values.size() - lost);
  return true;
}

enum class Measure { Variance, VarianceSample, VariancePopulation, Median };

template <Measure M, bool Root>
void Value(sqlite3_context* context) {
  const Values* values = ValuesOf(context, false);
  if (!values || values->empty()) return sqlite3_result_null(context);
  long double result = 0;
  if (M == Measure::Median) {
    auto middle = values->begin();
    std::advance(middle, (values->size() - 1) / 2);
    result = values->size() % 2 ? *middle : (static_cast<long double>(*middle) + *std::next(middle)) / 2;
  } else if (M == Measure::Variance && values->size() == 1) {
    result = 0;
  } else if (!Variance(*values, M == Measure::VariancePopulation ? 0 : 1, result)) {
    return sqlite3_result_null(context);
  }
  ResultNumber(context, static_cast<double>(Root ? std::sqrt(result) : result));
}

template <Measure M, bool Root>
void Final(sqlite3_context* context) {
  Value<M, Root>(context);
  delete ValuesOf(context, false);
}

template <Measure M, bool Root>
constexpr FunctionEntry Of(const char* name) {
  return {name, 1, true, nullptr, Step, Final<M, Root>, Value<M, Root>, Inverse};
}

const FunctionEntry kAggregates[] = {
    Of<Measure::Variance, false>("VARIANCE"),
    Of<Measure::VarianceSample, false>("VAR_SAMP"),
    Of<Measure::VariancePopulation, false>("VAR_POP"),
    Of<Measure::Variance, true>("STDDEV"),
    Of<Measure::VarianceSample, true>("STDDEV_SAMP"),
    Of<Measure::VariancePopulation, true>("STDDEV_POP"),
    Of<Measure::Median, false>("MEDIAN"),
};

}  // namespace

FunctionFamily StatisticalAggregates() { return Family(kAggregates); }

}  // namespace ocilite
