// Every SQL function a session gives SQLite, registered in one place, once per session: the
// ones our rewrites and dictionary views call, Oracle's functions where SQLite lacks them or
// answers otherwise, and the aggregates. Each family keeps its table in a file of its own.
#ifndef ZENQUILL_OCILITE_FUNCTIONREGISTRY_H
#define ZENQUILL_OCILITE_FUNCTIONREGISTRY_H

#include <cstddef>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace ocilite {
class Session;

// One function: its name, argument count (-1: any), whether it is deterministic, and its
// callbacks: `scalar` for a scalar function, else `step` and `final` for an aggregate, with
// `value` and `inverse` for one that runs over windows too. Each reaches its session
// through sqlite3_user_data.
struct FunctionEntry {
  using Call = void (*)(sqlite3_context*, int, sqlite3_value**);
  using End = void (*)(sqlite3_context*);
  const char* name;
  int arguments;
  bool deterministic;
  Call scalar;
  Call step = nullptr;
  End final = nullptr;
  End value = nullptr;
  Call inverse = nullptr;
};

struct FunctionFamily {
  const FunctionEntry* entries;
  size_t count;
};

template <size_t N>
FunctionFamily Family(const FunctionEntry (&entries)[N]) {
  return {entries, N};
}

// The families, by file.
FunctionFamily SessionFunctions();       // SessionFunctions.cpp: ZQ_USER, ZQ_NEXTVAL, NVL, DECODE, ...
FunctionFamily ValueFunctions();         // ValueFunctions.cpp
FunctionFamily DateFunctions();          // DateFunctions.cpp
FunctionFamily CommonFunctions();        // CommonFunctions.cpp
FunctionFamily RegexpFunctions();        // RegexpFunctions.cpp
FunctionFamily MathFunctions();          // MathFunctions.cpp
FunctionFamily StatisticalAggregates();  // StatisticalAggregates.cpp
FunctionFamily IntervalFunctions();      // sql/SqlInterval.cpp
FunctionFamily NumberModelFunctions();   // NumberModels.cpp
FunctionFamily KeepAggregate();          // KeepAggregate.cpp
FunctionFamily NullNotingAggregates();   // NullNotingAggregates.cpp
FunctionFamily StatisticsFunctions();    // dictionary/SessionStatistics.cpp

void RegisterFunctions(sqlite3* db, Session* session);

}  // namespace ocilite

#endif
