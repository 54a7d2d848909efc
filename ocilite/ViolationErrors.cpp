#include "ViolationErrors.h"

#include <algorithm>

#include "OciApi.h"
#include "SqlParser.h"
#include "SqliteFiles.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

// Whether an UPDATE sets one of its table's own foreign key columns: then a broken key is a
// missing parent, otherwise the table is the parent of a row left behind.
bool SetsForeignKey(sqlite3* db, const std::string& text) {
  DmlStatement statement;
  OraError ignored;
  if (!ParseDml(text, statement, ignored)) return false;
  const std::vector<std::string>& names = statement.target.names;
  std::string sql = "SELECT \"from\" FROM pragma_foreign_key_list(?1" + std::string(names.size() > 1 ? ", ?2)" : ")");
  sqlite3_stmt* query = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr) != SQLITE_OK) return false;
  sqlite3_bind_text(query, 1, names.back().c_str(), -1, SQLITE_TRANSIENT);
  if (names.size() > 1) sqlite3_bind_text(query, 2, names.front().c_str(), -1, SQLITE_TRANSIENT);
  bool sets = false;
  while (!sets && sqlite3_step(query) == SQLITE_ROW) {
    std::string column = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
    for (const Assignment& assignment : statement.assignments) {
      const std::vector<std::string>& columns = assignment.columns;
      sets = sets || std::find(columns.begin(), columns.end(), column) != columns.end();
    }
  }
  sqlite3_finalize(query);
  return sets;
}

}  // namespace

void ExplainViolation(sqlite3* db, const std::string& text, int type, OraError& error) {
  if (error.code == 1400 && type == OCI_STMT_UPDATE) {
    size_t open = error.text.find('(');
    size_t close = error.text.rfind(')');
    std::string column = open < close ? error.text.substr(open + 1, close - open - 1) : std::string();
    error = MakeOraError(1407, column, error.offset);
  }
  bool parentSide = type == OCI_STMT_DELETE || (type == OCI_STMT_UPDATE && !SetsForeignKey(db, text));
  if (error.code == 2291 && parentSide) error = MakeOraError(2292, "FOREIGN KEY", error.offset);
}

}  // namespace ocilite
