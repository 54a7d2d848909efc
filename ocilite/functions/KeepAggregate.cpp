// ZQ_KEEP(function, last, value, key, order, key, order, ...): MIN(x) KEEP (DENSE_RANK FIRST
// ORDER BY k) and the like. It keeps the values of the rows that rank first (or last) by the
// keys, and gives MIN, MAX, SUM, AVG or COUNT of them. Each order is 1 for DESC plus 2 for
// NULLS FIRST; a NULL key sorts as Oracle sorts it, last ascending unless NULLS FIRST.
#include <string>
#include <vector>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

bool IsNumber(sqlite3_value* value) {
  int type = sqlite3_value_numeric_type(value);
  return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

// Numbers by value, anything else by its text.
int CompareValues(sqlite3_value* a, sqlite3_value* b) {
  if (IsNumber(a) && IsNumber(b)) {
    double x = sqlite3_value_double(a), y = sqlite3_value_double(b);
    return x < y ? -1 : x > y;
  }
  int order = TextOf(a).compare(TextOf(b));
  return order < 0 ? -1 : order > 0;
}

struct Kept {
  std::string function;                // MIN, MAX, SUM, AVG or COUNT
  std::vector<sqlite3_value*> best;    // the keys of the rows kept
  std::vector<sqlite3_value*> values;  // their values

  ~Kept() { Clear(); }
  void Clear() {
    for (sqlite3_value* value : best) sqlite3_value_free(value);
    for (sqlite3_value* value : values) sqlite3_value_free(value);
    best.clear();
    values.clear();
  }
};

// Where the row's keys (argv[3], argv[5], ...) rank against the kept ones: < 0 before them.
int Rank(const Kept& kept, int argc, sqlite3_value** argv) {
  for (int k = 3, key = 0; k + 1 < argc; k += 2, ++key) {
    int order = sqlite3_value_int(argv[k + 1]);
    bool descending = order & 1, nullsFirst = order & 2;
    sqlite3_value* mine = argv[k];
    sqlite3_value* theirs = kept.best[static_cast<size_t>(key)];
    bool mineNull = sqlite3_value_type(mine) == SQLITE_NULL, theirsNull = sqlite3_value_type(theirs) == SQLITE_NULL;
    int compared = mineNull || theirsNull ? (mineNull == theirsNull ? 0 : (mineNull == nullsFirst ? -1 : 1))
                                          : (descending ? -1 : 1) * CompareValues(mine, theirs);
    if (compared) return compared;
  }
  return 0;
}

Kept* KeptOf(sqlite3_context* context, bool create) {
  auto** slot = static_cast<Kept**>(sqlite3_aggregate_context(context, create ? sizeof(Kept*) : 0));
  if (slot && !*slot && create) *slot = new Kept();
  return slot ? *slot : nullptr;
}

void KeepStep(sqlite3_context* context, int argc, sqlite3_value** argv) {
  Kept* kept = KeptOf(context, true);
  if (!kept || argc < 5) return;
  if (kept->function.empty()) kept->function = TextOf(argv[0]);
  bool last = sqlite3_value_int(argv[1]) != 0;
  int rank = -1;  // the first row starts the kept ones
  if (!kept->best.empty()) rank = last ? -Rank(*kept, argc, argv) : Rank(*kept, argc, argv);
  if (rank > 0) return;
  if (rank < 0) {
    kept->Clear();
    for (int k = 3; k + 1 < argc; k += 2) kept->best.push_back(sqlite3_value_dup(argv[k]));
  }
  if (sqlite3_value_type(argv[2]) != SQLITE_NULL) kept->values.push_back(sqlite3_value_dup(argv[2]));
}

// The function over the values kept.
void Result(sqlite3_context* context, const Kept& kept) {
  if (kept.function == "COUNT") return sqlite3_result_int64(context, static_cast<sqlite3_int64>(kept.values.size()));
  if (kept.values.empty()) return sqlite3_result_null(context);
  if (kept.function == "MIN" || kept.function == "MAX") {
    int sign = kept.function == "MAX" ? 1 : -1;
    sqlite3_value* best = kept.values.front();
    for (sqlite3_value* value : kept.values) {
      if (sign * CompareValues(value, best) > 0) best = value;
    }
    return sqlite3_result_value(context, best);
  }
  double sum = 0;
  for (sqlite3_value* value : kept.values) {
    double number = 0;
    if (!NumberArgument(context, value, number)) return;
    sum += number;
  }
  ResultNumber(context, kept.function == "AVG" ? sum / static_cast<double>(kept.values.size()) : sum);
}

void KeepFinal(sqlite3_context* context) {
  Kept* kept = KeptOf(context, false);
  if (!kept) return sqlite3_result_null(context);
  Result(context, *kept);
  delete kept;
}

const FunctionEntry kEntries[] = {
    {"ZQ_KEEP", -1, true, nullptr, KeepStep, KeepFinal},
};

}  // namespace

FunctionFamily KeepAggregate() { return Family(kEntries); }

}  // namespace ocilite
