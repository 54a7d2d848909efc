// The session's statistics where Oracle shows them, in V$STATNAME and V$MYSTAT (joined by
// STATISTIC#): the one kept here is 'SQL*Net roundtrips to/from client'.
#ifndef ZENQUILL_OCILITE_SESSIONSTATISTICS_H
#define ZENQUILL_OCILITE_SESSIONSTATISTICS_H

#include "oracle/OraError.h"

struct sqlite3;

namespace ocilite {

// The views; their function comes with the others (FunctionRegistry.h).
bool CreateSessionStatistics(sqlite3* db, OraError& error);

}  // namespace ocilite

#endif
