#include "dictionary/SystemNames.h"

#include <cstdio>

#include "storage/SqliteFiles.h"

namespace ocilite {

std::string NextConstraintName(Session& session) {
  Session::Trusted trusted(session);
  OraError error;
  sqlite3* db = session.Db();
  std::vector<SqlValue> row;
  RunScript(db, "CREATE TABLE IF NOT EXISTS main.\"ZQ$NAMES\" (LAST_CONSTRAINT INTEGER NOT NULL)", error);
  int changes = 0;
  RunBound(db, "UPDATE main.\"ZQ$NAMES\" SET LAST_CONSTRAINT = LAST_CONSTRAINT + 1", {}, error, &changes);
  if (changes == 0) RunBound(db, "INSERT INTO main.\"ZQ$NAMES\" VALUES (7001)", {}, error);
  int64_t number = QueryRow(db, "SELECT LAST_CONSTRAINT FROM main.\"ZQ$NAMES\"", {}, row) ? IntOf(row[0]) : 7001;
  char name[32];
  std::snprintf(name, sizeof name, "SYS_C%06lld", static_cast<long long>(number));
  return name;
}

}  // namespace ocilite
