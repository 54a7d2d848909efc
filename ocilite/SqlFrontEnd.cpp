#include "SqlFrontEnd.h"

#include "OracleType.h"
#include "SqlChecker.h"
#include "SqlGenerator.h"
#include "SqlParser.h"
#include "sqlite3.h"

namespace {

SqlType TypeOf(const char* declared) {
  if (!declared) return SqlType::Unknown;
  std::string name = ParseDeclaredType(declared).name;
  if (name == "DATE") return SqlType::Date;
  if (name == "NUMBER" || name == "INTEGER" || name == "FLOAT" || name == "NUMERIC" || name == "DECIMAL") {
    return SqlType::Number;
  }
  if (name == "VARCHAR2" || name == "VARCHAR" || name == "CHAR" || name == "NCHAR" || name == "NVARCHAR2") {
    return SqlType::Text;
  }
  return SqlType::Unknown;
}

// The columns of a table or view as SQLite declares them.
bool LookUpColumns(sqlite3* db, const std::vector<std::string>& names, std::vector<CatalogColumn>& columns) {
  std::string sql = "SELECT * FROM ";
  for (size_t k = 0; k < names.size(); ++k) sql += (k ? ".\"" : "\"") + names[k] + "\"";
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK || !statement) return false;
  for (int k = 0; k < sqlite3_column_count(statement); ++k) {
    columns.push_back({sqlite3_column_name(statement, k), TypeOf(sqlite3_column_decltype(statement, k))});
  }
  sqlite3_finalize(statement);
  return true;
}

}  // namespace

bool TranslateDml(sqlite3* db, std::string_view sql, bool isDba, Translation& out, std::vector<SqlType>& resultTypes,
                  OraError& error) {
  DmlStatement statement;
  if (!ParseDml(sql, statement, error)) return false;
  CheckOptions options;
  options.isDba = isDba;
  options.catalog = [db](const std::vector<std::string>& names, std::vector<CatalogColumn>& columns) {
    return LookUpColumns(db, names, columns);
  };
  if (!CheckStatement(statement, options, sql, resultTypes, error)) return false;
  out = Translation();
  GenerateStatement(statement, out);
  return true;
}
