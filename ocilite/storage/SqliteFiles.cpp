#include "storage/SqliteFiles.h"

#include <cstdlib>

#include "sqlite3.h"

namespace ocilite {

sqlite3* OpenDatabaseFile(const std::string& path, bool create, OraError& error) {
  sqlite3* db = nullptr;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    error = MakeOraError(600, "cannot open " + path + ": " + sqlite3_errstr(rc));
    sqlite3_close_v2(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  sqlite3_extended_result_codes(db, 1);
  // Temporary tables and sorts stay in memory: nothing is written outside the database files.
  sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
  return db;
}

bool RunScript(sqlite3* db, const char* sql, OraError& error) {
  char* message = nullptr;
  int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
  if (rc == SQLITE_OK) return true;
  error = OraErrorFromSqlite(rc, message ? message : sqlite3_errstr(rc), 0);
  sqlite3_free(message);
  return false;
}

std::vector<std::string> ListUsers(sqlite3* db) {
  std::vector<std::string> users;
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "SELECT USERNAME FROM main.ZQ$USERS ORDER BY USER_ID", -1, &statement, nullptr);
  while (statement && sqlite3_step(statement) == SQLITE_ROW) {
    users.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
  }
  sqlite3_finalize(statement);
  return users;
}

bool AttachSchema(sqlite3* db, const DatabaseLocation& location, const std::string& user, OraError& error) {
  if (!IsPlainName(user, false)) {
    error = MakeOraError(600, "user name unusable as a schema: " + user);
    return false;
  }
  std::string sql = "ATTACH ? AS \"" + user + "\"";
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
  if (rc == SQLITE_OK) {
    std::string file = location.SchemaFile(user);
    sqlite3_bind_text(statement, 1, file.c_str(), -1, SQLITE_TRANSIENT);
    rc = sqlite3_step(statement);
  }
  sqlite3_finalize(statement);
  if (rc == SQLITE_DONE) return true;
  error = OraErrorFromSqlite(rc, sqlite3_errmsg(db), 0);
  return false;
}

namespace {

sqlite3_stmt* PrepareBound(sqlite3* db, const char* sql, const std::vector<SqlValue>& values) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return nullptr;
  for (size_t i = 0; i < values.size(); ++i) {
    int slot = static_cast<int>(i + 1);
    if (const int64_t* number = std::get_if<int64_t>(&values[i])) {
      sqlite3_bind_int64(statement, slot, *number);
    } else if (const std::string* text = std::get_if<std::string>(&values[i])) {
      sqlite3_bind_text(statement, slot, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    }
  }
  return statement;
}

}  // namespace

bool RunBound(sqlite3* db, const char* sql, const std::vector<SqlValue>& values, OraError& error, int* changes) {
  sqlite3_stmt* statement = PrepareBound(db, sql, values);
  int rc = statement ? sqlite3_step(statement) : sqlite3_errcode(db);
  if (rc == SQLITE_DONE && changes) *changes = sqlite3_changes(db);
  if (rc != SQLITE_DONE) error = OraErrorFromSqlite(rc, sqlite3_errmsg(db), 0);
  sqlite3_finalize(statement);
  return rc == SQLITE_DONE;
}

bool QueryRow(sqlite3* db, const char* sql, const std::vector<SqlValue>& values, std::vector<SqlValue>& row) {
  row.clear();
  sqlite3_stmt* statement = PrepareBound(db, sql, values);
  bool found = statement && sqlite3_step(statement) == SQLITE_ROW;
  for (int i = 0; found && i < sqlite3_column_count(statement); ++i) {
    switch (sqlite3_column_type(statement, i)) {
      case SQLITE_NULL: row.emplace_back(nullptr); break;
      case SQLITE_INTEGER: row.emplace_back(static_cast<int64_t>(sqlite3_column_int64(statement, i))); break;
      default: row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
    }
  }
  sqlite3_finalize(statement);
  return found;
}

std::vector<std::string> QueryColumn(sqlite3* db, const std::string& sql, const std::vector<SqlValue>& values) {
  std::vector<std::string> rows;
  sqlite3_stmt* statement = PrepareBound(db, sql.c_str(), values);
  while (statement && sqlite3_step(statement) == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(statement, 0);
    rows.push_back(text ? reinterpret_cast<const char*>(text) : "");
  }
  sqlite3_finalize(statement);
  return rows;
}

std::string TextOf(const SqlValue& value) {
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  if (const int64_t* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
  return std::string();
}

int64_t IntOf(const SqlValue& value) {
  if (const int64_t* number = std::get_if<int64_t>(&value)) return *number;
  if (const std::string* text = std::get_if<std::string>(&value)) return std::atoll(text->c_str());
  return 0;
}

}  // namespace ocilite
