#include "functions/FunctionRegistry.h"

#include "sqlite3.h"

namespace ocilite {

namespace {

void Register(sqlite3* db, Session* session, const FunctionEntry& entry) {
  int flags = SQLITE_UTF8 | (entry.deterministic ? SQLITE_DETERMINISTIC : 0);
  if (entry.value) {
    sqlite3_create_window_function(db, entry.name, entry.arguments, flags, session, entry.step, entry.final,
                                   entry.value, entry.inverse, nullptr);
  } else {
    sqlite3_create_function_v2(db, entry.name, entry.arguments, flags, session, entry.scalar, entry.step, entry.final,
                               nullptr);
  }
}

}  // namespace

void RegisterFunctions(sqlite3* db, Session* session) {
  const FunctionFamily families[] = {
      SessionFunctions(),     ValueFunctions(), DateFunctions(),         CommonFunctions(),
      RegexpFunctions(),      MathFunctions(),  StatisticalAggregates(), IntervalFunctions(),
      NumberModelFunctions(), KeepAggregate(),  NullNotingAggregates(),  StatisticsFunctions(),
  };
  for (const FunctionFamily& family : families) {
    for (size_t k = 0; k < family.count; ++k) Register(db, session, family.entries[k]);
  }
}

}  // namespace ocilite
