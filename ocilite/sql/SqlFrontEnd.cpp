#include "sql/SqlFrontEnd.h"

#include "oracle/OracleType.h"
#include "sql/DdlHead.h"
#include "sql/SqlChecker.h"
#include "sql/SqlGenerator.h"
#include "sql/SqlLexer.h"
#include "sql/SqlParser.h"
#include "sqlite3.h"

namespace ocilite {

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
    const char* declared = sqlite3_column_decltype(statement, k);
    SqlType type = TypeOf(declared);
    int scale = type == SqlType::Number ? ParseDeclaredType(declared).scale : -1;
    columns.push_back({sqlite3_column_name(statement, k), type, scale});
  }
  sqlite3_finalize(statement);
  return true;
}

// The DEFAULT of a table's column, as SQLite keeps its SQL.
std::string ColumnDefault(sqlite3* db, const std::vector<std::string>& table, const std::string& column) {
  const char* sql = table.size() > 1 ? "SELECT dflt_value FROM pragma_table_info(?1, ?2) WHERE name = ?3"
                                     : "SELECT dflt_value FROM pragma_table_info(?1) WHERE name = ?3";
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return std::string();
  sqlite3_bind_text(statement, 1, table.back().c_str(), -1, SQLITE_TRANSIENT);
  if (table.size() > 1) sqlite3_bind_text(statement, 2, table.front().c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(statement, 3, column.c_str(), -1, SQLITE_TRANSIENT);
  std::string value;
  if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0)) {
    value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  }
  sqlite3_finalize(statement);
  return value;
}

CheckOptions Options(sqlite3* db, bool isDba) {
  CheckOptions options;
  options.isDba = isDba;
  options.columnDefault = [db](const std::vector<std::string>& table, const std::string& column) {
    return ColumnDefault(db, table, column);
  };
  options.catalog = [db](const std::vector<std::string>& names, std::vector<CatalogColumn>& columns) {
    return LookUpColumns(db, names, columns);
  };
  return options;
}

// The view's own text rides in a comment after AS, "*/" written as "*\/".
const char kTextOpen[] = "/*ZQ_TEXT:";
const char kReadOnly[] = "/*ZQ_READ_ONLY*/ ";  // CREATE VIEW ... WITH READ ONLY

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The AS of CREATE [OR REPLACE] VIEW|TABLE name ... AS query, outside parentheses; null if none.
const Token* QueryAs(const std::vector<Token>& t) {
  if (t.size() < 3 || !t[0].IsWord("CREATE")) return nullptr;
  int depth = 0;
  for (size_t k = 1; k + 1 < t.size(); ++k) {
    depth += t[k].IsSymbol('(') ? 1 : t[k].IsSymbol(')') ? -1 : 0;
    bool query = t[k + 1].IsWord("SELECT") || t[k + 1].IsWord("WITH") || t[k + 1].IsSymbol('(');
    if (depth == 0 && t[k].IsWord("AS") && query) return &t[k];
  }
  return nullptr;
}

// The index of the token where a view's WITH CHECK OPTION or WITH READ ONLY begins, after
// its query; the end if nowhere.
size_t ViewOptionIndex(const std::vector<Token>& t, size_t from) {
  int depth = 0;
  for (size_t k = from; k + 1 < t.size(); ++k) {
    depth += t[k].IsSymbol('(') ? 1 : t[k].IsSymbol(')') ? -1 : 0;
    if (depth == 0 && t[k].IsWord("WITH") && (t[k + 1].IsWord("CHECK") || t[k + 1].IsWord("READ"))) return k;
  }
  return t.size();
}

}  // namespace

bool IsReadOnlyView(const std::string& createSql) { return createSql.find(kReadOnly) != std::string::npos; }

bool TranslateDdl(sqlite3* db, const LexedText& lexed, const DdlRewriteOptions& options, Translation& out,
                  OraError& error) {
  const std::vector<Token>& tokens = lexed.significant;
  const Token* as = QueryAs(tokens);
  if (!as) return RewriteDdl(lexed, lexed.text.size(), options, out, error);
  size_t queryStart = as->offset + as->length;
  size_t option = ViewOptionIndex(tokens, static_cast<size_t>(as - tokens.data()));
  bool readOnly = option < tokens.size() && tokens[option + 1].IsWord("READ");
  std::string_view sql = lexed.text.substr(0, option < tokens.size() ? tokens[option].offset : lexed.text.size());
  QueryPtr query;
  if (!RewriteDdl(lexed, queryStart, options, out, error) ||
      !ParseQueryAt(lexed, queryStart, sql.size(), query, error) ||
      !CheckQuery(*query, Options(db, options.isDba), sql, error)) {
    return false;
  }
  size_t objectAt = ReadDdlHead(tokens).objectAt;
  bool isView = objectAt < tokens.size() && tokens[objectAt].IsWord("VIEW");
  std::string text(sql.substr(tokens[as - tokens.data() + 1].offset));
  text.erase(text.find_last_not_of(" \t\r\n") + 1);
  out.sql += isView ? " " + std::string(kTextOpen) + Replaced(text, "*/", "*\\/") + "*/ " : " ";
  if (readOnly) out.sql += kReadOnly;
  GenerateQuery(*query, out);
  return true;
}

std::string ViewQueryText(const std::string& createSql) {
  size_t open = createSql.find(kTextOpen);
  if (open != std::string::npos) {
    size_t start = open + sizeof kTextOpen - 1;
    size_t close = createSql.find("*/", start);
    return Replaced(createSql.substr(start, close - start), "*\\/", "*/");
  }
  int depth = 0;
  for (const Token& token : SignificantTokens(createSql)) {
    depth += token.IsSymbol('(') ? 1 : token.IsSymbol(')') ? -1 : 0;
    if (depth == 0 && token.IsWord("AS")) {
      size_t start = createSql.find_first_not_of(" \t\r\n", token.offset + token.length);
      return start == std::string::npos ? std::string() : createSql.substr(start);
    }
  }
  return std::string();
}

bool TranslateDml(sqlite3* db, const LexedText& lexed, bool isDba, Translation& out, std::vector<SqlType>& resultTypes,
                  OraError& error) {
  DmlStatement statement;
  if (!ParseDml(lexed, statement, error) ||
      !CheckStatement(statement, Options(db, isDba), lexed.text, resultTypes, error)) {
    return false;
  }
  out = Translation();
  GenerateStatement(statement, out);
  return true;
}

}  // namespace ocilite
