// Opening an alias's database files with SQLite: the main file with its schemas attached.
#ifndef ZENQUILL_OCILITE_SQLITEFILES_H
#define ZENQUILL_OCILITE_SQLITEFILES_H

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "oracle/OraError.h"
#include "storage/DataFiles.h"

struct sqlite3;

namespace ocilite {

// How long a statement waits for another session's lock before giving up with ORA-00054.
constexpr int kBusyTimeoutMs = 3000;

// Null, with `error` set, when the file cannot be opened (or created, when `create`).
sqlite3* OpenDatabaseFile(const std::string& path, bool create, OraError& error);

bool RunScript(sqlite3* db, const char* sql, OraError& error);

// The users of the database, in the order they were created.
std::vector<std::string> ListUsers(sqlite3* db);

// Attaches the user's schema file under the user's name.
bool AttachSchema(sqlite3* db, const DatabaseLocation& location, const std::string& user, OraError& error);

// A value bound into, or read from, one of the library's own statements.
using SqlValue = std::variant<std::nullptr_t, int64_t, std::string>;

// Runs one statement with its values bound to ?1, ?2, ...; `changes` gets the rows changed.
bool RunBound(sqlite3* db, const char* sql, const std::vector<SqlValue>& values, OraError& error,
              int* changes = nullptr);

// The first row of a query, as integers and texts; false when there is none.
bool QueryRow(sqlite3* db, const char* sql, const std::vector<SqlValue>& values, std::vector<SqlValue>& row);

// The first column of every row of a query, as texts ('' for NULL).
std::vector<std::string> QueryColumn(sqlite3* db, const std::string& sql, const std::vector<SqlValue>& values);

std::string TextOf(const SqlValue& value);
int64_t IntOf(const SqlValue& value);

}  // namespace ocilite

#endif
