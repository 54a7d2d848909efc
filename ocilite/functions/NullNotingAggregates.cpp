// SUM, AVG, MIN and MAX in place of SQLite's own, alike in result, that note in their
// session every NULL they skip: Oracle warns of that (ORA-24347) on the fetch of the row.
// They work as window functions too.
#include "functions/FunctionRegistry.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <utility>

#include "oci/Session.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

// Skipped, and noted when the value enters the aggregate (not when a window lets it go).
bool SkipsNull(sqlite3_context* context, sqlite3_value* value) {
  if (sqlite3_value_type(value) != SQLITE_NULL) return false;
  static_cast<Session*>(sqlite3_user_data(context))->NoteAggregateNullSkipped();
  return true;
}

// A running sum that stays an integer while it can, as SQLite's own. All zero to begin with,
// so SQLite's zeroed aggregate memory holds it as it is.
struct Sum {
  int64_t count;
  int64_t integer;
  double real;
  int isReal;  // a value that is no integer, or an integer overflow, was met

  void Add(sqlite3_value* value, int sign) {
    count += sign;
    real += sign * sqlite3_value_double(value);
    if (isReal) return;
    int64_t added = sqlite3_value_int64(value);
    isReal = sqlite3_value_numeric_type(value) != SQLITE_INTEGER ||
             (sign > 0 ? __builtin_add_overflow(integer, added, &integer)
                       : __builtin_sub_overflow(integer, added, &integer));
  }
};

Sum* SumOf(sqlite3_context* context, int bytes = sizeof(Sum)) {
  return static_cast<Sum*>(sqlite3_aggregate_context(context, bytes));
}

void SumStep(sqlite3_context* context, int, sqlite3_value** values) {
  Sum* sum = SumOf(context);
  if (sum && !SkipsNull(context, values[0])) sum->Add(values[0], 1);
}

void SumInverse(sqlite3_context* context, int, sqlite3_value** values) {
  Sum* sum = SumOf(context);
  if (sum && sqlite3_value_type(values[0]) != SQLITE_NULL) sum->Add(values[0], -1);
}

void SumValue(sqlite3_context* context) {
  const Sum* sum = SumOf(context, 0);
  if (!sum || sum->count == 0) return sqlite3_result_null(context);
  if (sum->isReal) return sqlite3_result_double(context, sum->real);
  sqlite3_result_int64(context, sum->integer);
}

void AverageValue(sqlite3_context* context) {
  const Sum* sum = SumOf(context, 0);
  if (!sum || sum->count == 0) return sqlite3_result_null(context);
  sqlite3_result_double(context, sum->real / static_cast<double>(sum->count));
}

// SQLite's order of values: numbers before text before blobs; text and blobs byte by byte.
int TypeRank(int type) { return type == SQLITE_INTEGER || type == SQLITE_FLOAT ? 1 : type == SQLITE_TEXT ? 2 : 3; }

int Compare(sqlite3_value* a, sqlite3_value* b) {
  const int typeA = sqlite3_value_type(a), typeB = sqlite3_value_type(b);
  if (TypeRank(typeA) != TypeRank(typeB)) return TypeRank(typeA) < TypeRank(typeB) ? -1 : 1;
  if (typeA == SQLITE_INTEGER && typeB == SQLITE_INTEGER) {
    const int64_t x = sqlite3_value_int64(a), y = sqlite3_value_int64(b);
    return x < y ? -1 : x > y;
  }
  if (TypeRank(typeA) == 1) {
    const double x = sqlite3_value_double(a), y = sqlite3_value_double(b);
    return x < y ? -1 : x > y;
  }
  const void* x = typeA == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(a)) : sqlite3_value_blob(a);
  const void* y = typeB == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(b)) : sqlite3_value_blob(b);
  const int lengthA = sqlite3_value_bytes(a), lengthB = sqlite3_value_bytes(b);
  const int common = std::memcmp(x, y, static_cast<size_t>(lengthA < lengthB ? lengthA : lengthB));
  return common != 0 ? common : (lengthA < lengthB ? -1 : lengthA > lengthB);
}

// The candidates for the extreme of a sliding window, oldest first, each beating every one
// after it; a value that entered later and is at least as good pushes older ones out.
struct Extreme {
  int sign;  // 1 for MAX, -1 for MIN
  uint64_t added = 0, removed = 0;
  std::deque<std::pair<uint64_t, sqlite3_value*>> candidates;

  explicit Extreme(int direction) : sign(direction) {}
  ~Extreme() {
    for (auto& candidate : candidates) sqlite3_value_free(candidate.second);
  }
  void Add(sqlite3_value* value) {
    while (!candidates.empty() && sign * Compare(candidates.back().second, value) <= 0) {
      sqlite3_value_free(candidates.back().second);
      candidates.pop_back();
    }
    candidates.emplace_back(added++, sqlite3_value_dup(value));
  }
  // Windows let values go in the order they came.
  void RemoveOldest() {
    if (!candidates.empty() && candidates.front().first == removed) {
      sqlite3_value_free(candidates.front().second);
      candidates.pop_front();
    }
    ++removed;
  }
};

template <int Sign>
Extreme* ExtremeOf(sqlite3_context* context, bool create) {
  auto** slot = static_cast<Extreme**>(sqlite3_aggregate_context(context, create ? sizeof(Extreme*) : 0));
  if (slot && !*slot && create) *slot = new Extreme(Sign);
  return slot ? *slot : nullptr;
}

template <int Sign>
void ExtremeStep(sqlite3_context* context, int, sqlite3_value** values) {
  if (SkipsNull(context, values[0])) return;
  if (Extreme* extreme = ExtremeOf<Sign>(context, true)) extreme->Add(values[0]);
}

template <int Sign>
void ExtremeInverse(sqlite3_context* context, int, sqlite3_value** values) {
  Extreme* extreme = ExtremeOf<Sign>(context, false);
  if (extreme && sqlite3_value_type(values[0]) != SQLITE_NULL) extreme->RemoveOldest();
}

template <int Sign>
void ExtremeValue(sqlite3_context* context) {
  const Extreme* extreme = ExtremeOf<Sign>(context, false);
  if (!extreme || extreme->candidates.empty()) return sqlite3_result_null(context);
  sqlite3_result_value(context, extreme->candidates.front().second);
}

template <int Sign>
void ExtremeFinal(sqlite3_context* context) {
  ExtremeValue<Sign>(context);
  delete ExtremeOf<Sign>(context, false);
}

const FunctionEntry kAggregates[] = {
    {"SUM", 1, true, nullptr, SumStep, SumValue, SumValue, SumInverse},
    {"AVG", 1, true, nullptr, SumStep, AverageValue, AverageValue, SumInverse},
    {"MAX", 1, true, nullptr, ExtremeStep<1>, ExtremeFinal<1>, ExtremeValue<1>, ExtremeInverse<1>},
    {"MIN", 1, true, nullptr, ExtremeStep<-1>, ExtremeFinal<-1>, ExtremeValue<-1>, ExtremeInverse<-1>},
};

}  // namespace

FunctionFamily NullNotingAggregates() { return Family(kAggregates); }

}  // namespace ocilite
