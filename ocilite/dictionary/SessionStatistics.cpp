#include "dictionary/SessionStatistics.h"

#include "functions/FunctionRegistry.h"
#include "oci/Session.h"
#include "sqlite3.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace {

void RoundTripCount(sqlite3_context* context, int, sqlite3_value**) {
  const Session* session = static_cast<const Session*>(sqlite3_user_data(context));
  sqlite3_result_int64(context, static_cast<sqlite3_int64>(session->RoundTripCount()));
}

const FunctionEntry kFunctions[] = {
    {"ZQ_ROUNDTRIPS", 0, false, RoundTripCount},
};

// Class 1 is a user statistic; the session is SID 1 of container 0, as on a server without
// containers.
const char* const kViews[] = {
    "CREATE TEMP VIEW \"V$STATNAME\" (\"STATISTIC#\", NAME, CLASS, STAT_ID, DISPLAY_NAME, CON_ID) AS "
    "SELECT 1, 'SQL*Net roundtrips to/from client', 1, NULL, 'SQL*Net roundtrips to/from client', 0",
    "CREATE TEMP VIEW \"V$MYSTAT\" (SID, \"STATISTIC#\", VALUE, CON_ID) AS SELECT 1, 1, ZQ_ROUNDTRIPS(), 0",
};

}  // namespace

FunctionFamily StatisticsFunctions() { return Family(kFunctions); }

bool CreateSessionStatistics(sqlite3* db, OraError& error) {
  for (const char* view : kViews) {
    if (!RunScript(db, view, error)) return false;
  }
  return true;
}

}  // namespace ocilite
