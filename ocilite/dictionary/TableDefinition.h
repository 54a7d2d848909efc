// A table's definition as SQLite keeps its CREATE TABLE text: the column definitions and
// table constraints, and the constraints' names. Every constraint a user makes is created
// with CONSTRAINT name (Oracle's SYS_Cn when the user gives none), so the dictionary views,
// the error texts and ALTER TABLE all read the names from this one place.
#ifndef ZENQUILL_OCILITE_TABLEDEFINITION_H
#define ZENQUILL_OCILITE_TABLEDEFINITION_H

#include <cstddef>
#include <string>
#include <vector>

namespace ocilite {

struct TableItem {
  std::string text;    // one column definition or table constraint, as SQLite keeps it
  std::string column;  // the column a definition makes; empty for a table constraint
};

struct TableDefinition {
  std::vector<TableItem> items;
  std::string options;  // what follows the closing parenthesis
};

struct TableConstraint {
  std::string name;  // empty for the checks this library adds for Oracle's column limits
  char type = 'C';   // P, U, R or C, as USER_CONSTRAINTS shows them
  std::vector<std::string> columns;
  std::string parent;      // R: the table it references
  std::string deleteRule;  // R: CASCADE, SET NULL or NO ACTION
  std::string condition;   // C: the condition as written
  int autoIndex = 0;       // P and U: the N of SQLite's index sqlite_autoindex_<table>_N
  size_t item = 0;         // written in items[item].text, from `begin` to `end`
  size_t begin = 0;
  size_t end = 0;
};

// A column definition cut into its name, its type and its clauses (DEFAULT, NOT NULL and the
// constraints), without the checks this library adds for the type's limits.
struct ColumnParts {
  std::string name;
  std::string type;
  std::vector<std::string> clauses;
};

ColumnParts SplitColumn(const TableItem& item);

// Whether an item's text is a table constraint rather than a column definition.
bool IsTableConstraint(const std::string& itemText);

// False when `createSql` is not a CREATE TABLE with a parenthesised definition.
bool ParseTableDefinition(const std::string& createSql, TableDefinition& definition);

std::vector<TableConstraint> ConstraintsOf(const TableDefinition& definition);

// The CREATE TABLE statement for the definition under `quotedName`.
std::string CreateTableSql(const std::string& quotedName, const TableDefinition& definition);

// The constraints as JSON ([{"n": name, "t": type, "c": [columns], "r": parent, "d": delete
// rule, "s": condition, "i": index number}, ...]), for the dictionary views.
std::string ConstraintsJson(const std::string& createSql);

// The constraint an SQLite index of the table stands for, or the index's own name.
std::string IndexName(const std::string& createSql, const std::string& tableName, const std::string& indexName);

}  // namespace ocilite

#endif
