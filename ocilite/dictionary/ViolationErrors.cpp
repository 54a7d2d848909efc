#include "dictionary/ViolationErrors.h"

#include <algorithm>

#include "oci/StatementKind.h"
#include "OciApi.h"
#include "sql/SqlFrontEnd.h"
#include "sql/SqlParser.h"
#include "sqlite3.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

bool Mentions(const std::vector<std::string>& columns, const std::vector<std::string>& wanted) {
  for (const std::string& column : wanted) {
    if (std::find(columns.begin(), columns.end(), column) != columns.end()) return true;
  }
  return false;
}

// The columns a statement stores into: its INSERT list or its assignments.
std::vector<std::string> StoredColumns(const DmlStatement& statement) {
  std::vector<std::string> columns = statement.columns;
  for (const Assignment& assignment : statement.assignments) {
    columns.insert(columns.end(), assignment.columns.begin(), assignment.columns.end());
  }
  return columns;
}

// The columns of "UNIQUE constraint failed: T.A, T.B" as ORA-00001 first carried them: (T.A, T.B).
std::vector<std::string> ViolatedColumns(const std::string& text) {
  size_t open = text.find('(');
  size_t close = text.rfind(')');
  std::vector<std::string> columns;
  if (open == std::string::npos || close == std::string::npos || close < open) return columns;
  std::string list = text.substr(open + 1, close - open - 1);
  for (size_t from = 0; from <= list.size();) {
    size_t end = std::min(list.find(", ", from), list.size());
    std::string column = list.substr(from, end - from);
    columns.push_back(column.substr(column.rfind('.') == std::string::npos ? 0 : column.rfind('.') + 1));
    from = end + 2;
  }
  return columns;
}

std::string ConstraintOf(const std::vector<TableConstraint>& constraints, char type,
                         const std::vector<std::string>& columns, bool exact) {
  for (const TableConstraint& c : constraints) {
    bool types = c.type == type || (type == 'U' && c.type == 'P');
    bool fits = exact ? c.columns == columns : columns.empty() || Mentions(c.columns, columns);
    if (types && fits && !c.name.empty()) return c.name;
  }
  return std::string();
}

// A unique index made by CREATE UNIQUE INDEX over exactly `columns`: Oracle names it instead.
std::string UniqueIndexOf(sqlite3* db, const std::string& schema, const std::string& table,
                          const std::vector<std::string>& columns) {
  for (const std::string& index : QueryColumn(
           db, "SELECT name FROM pragma_index_list(?1, ?2) WHERE \"unique\" AND origin = 'c'", {table, schema})) {
    if (QueryColumn(db, "SELECT name FROM pragma_index_info(?1, ?2) ORDER BY seqno", {index, schema}) == columns) {
      return index;
    }
  }
  return std::string();
}

}  // namespace

std::vector<TableConstraint> TableConstraints(sqlite3* db, const std::string& schema, const std::string& table) {
  std::vector<std::string> sql = QueryColumn(
      db, "SELECT sql FROM " + Quoted(schema) + ".sqlite_schema WHERE type = 'table' AND name = ?1", {table});
  TableDefinition definition;
  if (sql.empty() || !ParseTableDefinition(sql[0], definition)) return {};
  return ConstraintsOf(definition);
}

std::vector<std::pair<std::string, std::string>> ReferencingTables(sqlite3* db, const std::string& schema,
                                                                   const std::string& table) {
  std::vector<std::pair<std::string, std::string>> found;
  for (const std::string& child : QueryColumn(
           db, "SELECT name FROM " + Quoted(schema) + ".sqlite_schema WHERE type = 'table' AND name <> ?1", {table})) {
    for (const TableConstraint& c : TableConstraints(db, schema, child)) {
      if (c.type == 'R' && c.parent == table) {
        found.push_back({child, c.name});
        break;
      }
    }
  }
  return found;
}

void ExplainViolation(sqlite3* db, const std::string& user, const LexedText& text, int type, OraError& error) {
  DmlStatement statement;
  OraError ignored;
  ParseDml(text, statement, ignored);
  const TableRef& target = statement.inserts.empty() ? statement.target : statement.inserts[0].target;
  std::string schema = target.names.size() > 1 ? target.names.front() : user;
  std::string table = target.names.empty() ? std::string() : target.names.back();
  std::vector<TableConstraint> constraints = TableConstraints(db, schema, table);
  std::vector<std::string> stored = StoredColumns(statement);
  if (error.code == 1400) {  // ("SCOTT"."EMP"."EMPNO"), of an INSERT or an UPDATE
    size_t open = error.text.find('(');
    size_t close = error.text.rfind(')');
    std::string column = open < close ? error.text.substr(open + 1, close - open - 1) : std::string();
    error = MakeOraError(type == OCI_STMT_UPDATE ? 1407 : 1400, Quoted(schema) + "." + column, error.offset);
  }
  if (error.code == 3001 && error.text.find("DML on a view") != std::string::npos) {
    std::vector<std::string> view = QueryColumn(
        db, "SELECT sql FROM " + Quoted(schema) + ".sqlite_schema WHERE type = 'view' AND name = ?1", {table});
    if (!view.empty() && IsReadOnlyView(view[0])) error = MakeOraError(42399, "", error.offset);
    return;
  }
  std::string name;
  if (error.code == 2291) {
    // Setting its own foreign key misses a parent; changing a key the children hold orphans them.
    std::vector<std::string> foreignKeys;
    for (const TableConstraint& c : constraints) {
      if (c.type == 'R') foreignKeys.insert(foreignKeys.end(), c.columns.begin(), c.columns.end());
    }
    bool childSide =
        type == OCI_STMT_INSERT || type == kMergeType || (type == OCI_STMT_UPDATE && Mentions(foreignKeys, stored));
    if (childSide) {
      name = ConstraintOf(constraints, 'R', stored, false);
    } else {
      std::vector<std::pair<std::string, std::string>> children = ReferencingTables(db, schema, table);
      name = children.empty() ? std::string() : children[0].second;
      error = MakeOraError(2292, "", error.offset);
    }
  } else if (error.code == 1) {
    name = ConstraintOf(constraints, 'U', ViolatedColumns(error.text), true);
    if (name.empty()) name = UniqueIndexOf(db, schema, table, ViolatedColumns(error.text));
  } else if (error.code == 2290) {
    size_t open = error.text.find('(');
    name = error.text.substr(open + 1, error.text.rfind(')') - open - 1);
  }
  if (!name.empty() || error.code == 2291 || error.code == 2292) {
    error = MakeOraError(error.code, schema + "." + (name.empty() ? "FOREIGN KEY" : name), error.offset);
  }
}

}  // namespace ocilite
