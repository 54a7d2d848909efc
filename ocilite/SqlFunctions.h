// The SQL functions a session adds to SQLite: Oracle's NVL and DECODE, the ones our rewrites
// and dictionary views call (ZQ_USER, ZQ_SYSDATE, ZQ_TRANSACTION_ID, ZQ_NEXTVAL, ZQ_VIEW_TEXT, ...), and those of
// ValueFunctions.h.
#ifndef ZENQUILL_OCILITE_SQLFUNCTIONS_H
#define ZENQUILL_OCILITE_SQLFUNCTIONS_H

#include <string>

struct sqlite3;

namespace ocilite {
class Session;

void RegisterSqlFunctions(sqlite3* db, Session* session);

// The local time as the library shows dates: YYYY-MM-DD HH:MM:SS.
std::string LocalTimestamp();

}  // namespace ocilite

#endif
