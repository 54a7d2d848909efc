#include "dictionary/AlterTable.h"

#include <algorithm>

#include "dictionary/SystemNames.h"
#include "dictionary/TableDefinition.h"
#include "dictionary/ViolationErrors.h"
#include "sql/DdlRewriter.h"
#include "sqlite3.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// A name as an SQL string literal.
std::string Text(const std::string& name) {
  std::string literal = "'";
  for (char c : name) literal += c == '\'' ? std::string("''") : std::string(1, c);
  return literal + "'";
}

struct Target {
  std::string schema;
  std::string table;
  std::string Name() const { return Quoted(schema) + "." + Quoted(table); }
};

// [schema.]table at t[at]; `next` gets the index after it.
bool ReadTarget(Session& session, const std::vector<Token>& t, size_t at, Target& target, size_t& next,
                OraError& error) {
  if (at >= t.size() || (t[at].kind != TokenKind::Word && t[at].kind != TokenKind::Quoted)) {
    error = MakeOraError(903, "", at < t.size() ? t[at].offset : 0);
    return false;
  }
  bool qualified = at + 2 < t.size() && t[at + 1].IsSymbol('.');
  target.schema = qualified ? IdentifierName(t[at]) : session.User().name;
  target.table = IdentifierName(t[qualified ? at + 2 : at]);
  next = at + (qualified ? 3 : 1);
  const UserAccount& user = session.User();
  if ((target.schema != user.name && !user.isDba) || !user.canCreate) {
    error = MakeOraError(1031, "", t[at].offset);
    return false;
  }
  return true;
}

bool ReadDefinition(Session& session, const Target& target, TableDefinition& definition, OraError& error) {
  std::vector<std::string> sql = QueryColumn(
      session.Db(), "SELECT sql FROM " + Quoted(target.schema) + ".sqlite_schema WHERE type = 'table' AND name = ?1",
      {target.table});
  if (!sql.empty() && ParseTableDefinition(sql[0], definition)) return true;
  error = MakeOraError(942);
  return false;
}

// One column definition or table constraint, written as Oracle takes it, as SQLite keeps it.
bool TranslatedItem(Session& session, const std::string& item, std::string& translated, OraError& error) {
  DdlRewriteOptions options{session.User().name, session.User().isDba,
                            [&session] { return NextConstraintName(session); }};
  Translation translation;
  if (!RewriteDdl("CREATE TABLE \"ZQ$ITEM\" (" + item + ")", options, translation, error)) return false;
  size_t open = translation.sql.find('(');
  translated = translation.sql.substr(open + 1, translation.sql.rfind(')') - open - 1);
  return true;
}

// The texts of a parenthesised list's top-level items, or of what follows alone.
std::vector<std::string> ItemTexts(const std::string& text, const std::vector<Token>& t, size_t from) {
  std::vector<std::string> items;
  bool listed = from < t.size() && t[from].IsSymbol('(');
  size_t start = listed ? from + 1 : from;
  int depth = 0;
  for (size_t k = start; k <= t.size(); ++k) {
    bool end = k == t.size() || (depth == 0 && t[k].IsSymbol(',')) || (listed && depth == 0 && t[k].IsSymbol(')'));
    if (k < t.size()) depth += t[k].IsSymbol('(') ? 1 : t[k].IsSymbol(')') ? -1 : 0;
    if (!end) continue;
    if (k > start) items.push_back(text.substr(t[start].offset, t[k - 1].offset + t[k - 1].length - t[start].offset));
    start = k + 1;
    if (k < t.size() && t[k].IsSymbol(')') && depth < 0) break;
  }
  return items;
}

TableItem* FindColumn(TableDefinition& definition, const std::string& column) {
  for (TableItem& item : definition.items) {
    if (item.column == column) return &item;
  }
  return nullptr;
}

std::string ColumnNameOf(const std::string& item) {
  std::vector<Token> t = SignificantTokens(item);
  return t.empty() ? std::string() : IdentifierName(t[0]);
}

bool Run(sqlite3* db, const std::string& sql, OraError& error) { return RunScript(db, sql.c_str(), error); }

// What a failed copy of the rows means for the change that made the new table.
OraError CopyError(const OraError& copy, const Target& target, bool addsColumn, const std::string& added) {
  switch (copy.code) {
    case 1400: return addsColumn ? MakeOraError(1758) : MakeOraError(2296, target.schema + ".");
    case 2290: return MakeOraError(2293, target.schema + "." + added);
    case 1: return MakeOraError(2299, target.schema + "." + added);
    case 12899: return addsColumn ? copy : MakeOraError(1441);
    default: return copy;
  }
}

// Makes the table anew from `definition`: the rows of the columns it keeps copied, its indexes
// made again (those on a dropped column go with it), its foreign keys checked.
bool Rebuild(Session& session, const Target& target, const TableDefinition& definition, bool addsColumn,
             const std::string& added, OraError& error) {
  sqlite3* db = session.Db();
  std::string schema = Quoted(target.schema);
  std::vector<std::string> indexes = QueryColumn(
      db, "SELECT sql FROM " + schema + ".sqlite_schema WHERE type = 'index' AND tbl_name = ?1 AND sql IS NOT NULL",
      {target.table});
  std::string kept;
  for (const std::string& column :
       QueryColumn(db, "SELECT name FROM pragma_table_info(?1, ?2)", {target.table, target.schema})) {
    if (std::any_of(definition.items.begin(), definition.items.end(),
                    [&](const TableItem& item) { return item.column == column; })) {
      kept += (kept.empty() ? "" : ", ") + Quoted(column);
    }
  }
  std::string rebuilt = schema + ".\"ZQ$REBUILD\"";
  OraError ignored;
  if (!Run(db, "PRAGMA foreign_keys = OFF; PRAGMA legacy_alter_table = ON; BEGIN", error)) return false;
  bool ok = Run(db, CreateTableSql(rebuilt, definition), error);
  if (ok && !Run(db, "INSERT INTO " + rebuilt + " (" + kept + ") SELECT " + kept + " FROM " + target.Name(), error)) {
    error = CopyError(error, target, addsColumn, added);
    ok = false;
  }
  ok = ok && Run(db, "DROP TABLE " + target.Name() + "; ALTER TABLE " + rebuilt + " RENAME TO " + Quoted(target.table),
                 error);
  for (size_t k = 0; ok && k < indexes.size(); ++k) {
    std::vector<Token> t = SignificantTokens(indexes[k]);
    size_t name = 0;
    while (name < t.size() && !t[name].IsWord("INDEX")) ++name;
    if (++name >= t.size()) continue;
    Run(db, indexes[k].substr(0, t[name].offset) + schema + "." + indexes[k].substr(t[name].offset), ignored);
  }
  // A foreign key without a unique key to match fails the check itself (ORA-02270).
  std::string check =
      "SELECT \"table\" FROM pragma_foreign_key_check(" + Text(target.table) + ", " + Text(target.schema) + ")";
  ok = ok && Run(db, check, error);
  if (ok && !QueryColumn(db, check, {}).empty()) {
    error = MakeOraError(2298, target.schema + "." + added);
    ok = false;
  }
  Run(db, ok ? "COMMIT" : "ROLLBACK", ok ? error : ignored);
  Run(db, "PRAGMA legacy_alter_table = OFF; PRAGMA foreign_keys = ON", ignored);
  return ok;
}

// The name of the constraint an item adds, for the errors of a failed check of the rows.
std::string AddedConstraint(const std::string& translated) {
  TableDefinition definition;
  if (!ParseTableDefinition("CREATE TABLE X (" + translated + ")", definition)) return std::string();
  std::vector<TableConstraint> constraints = ConstraintsOf(definition);
  for (const TableConstraint& c : constraints) {
    if (!c.name.empty()) return c.name;
  }
  return std::string();
}

bool Add(Session& session, const Target& target, const std::vector<std::string>& items, size_t offset,
         OraError& error) {
  TableDefinition definition;
  if (!ReadDefinition(session, target, definition, error)) return false;
  bool addsColumn = false;
  std::string added;
  for (const std::string& item : items) {
    TableItem made;
    if (!TranslatedItem(session, item, made.text, error)) return false;
    if (!IsTableConstraint(item)) {
      made.column = ColumnNameOf(item);
      if (FindColumn(definition, made.column)) {
        error = MakeOraError(1430, "", offset);
        return false;
      }
      addsColumn = true;
    }
    if (added.empty()) added = AddedConstraint(made.text);
    definition.items.push_back(made);
  }
  return Rebuild(session, target, definition, addsColumn, added, error);
}

// MODIFY column [type] [DEFAULT value] [NULL | NOT NULL]: what it names changes, the rest stays.
bool Modify(Session& session, const Target& target, const std::vector<std::string>& items, OraError& error) {
  TableDefinition definition;
  if (!ReadDefinition(session, target, definition, error)) return false;
  for (const std::string& change : items) {
    TableItem* item = FindColumn(definition, ColumnNameOf(change));
    if (!item) {
      error = MakeOraError(904, Quoted(ColumnNameOf(change)));
      return false;
    }
    TableItem asked{change, item->column};
    ColumnParts now = SplitColumn(*item);
    ColumnParts wanted = SplitColumn(asked);
    auto names = [&](const char* word) {
      return std::any_of(wanted.clauses.begin(), wanted.clauses.end(), [&](const std::string& clause) {
        std::vector<Token> t = SignificantTokens(clause);
        return !t.empty() && (t[0].IsWord(word) || (std::string(word) == "NOT" && t[0].IsWord("NULL")));
      });
    };
    std::string text = now.name + " " + (wanted.type.empty() ? now.type : wanted.type);
    for (const std::string& clause : now.clauses) {
      std::vector<Token> t = SignificantTokens(clause);
      if (t.size() > 2 && t[0].IsWord("CONSTRAINT")) t.erase(t.begin(), t.begin() + 2);
      bool replaced =
          (t[0].IsWord("DEFAULT") && names("DEFAULT")) || ((t[0].IsWord("NOT") || t[0].IsWord("NULL")) && names("NOT"));
      if (!replaced) text += " " + clause;
    }
    for (const std::string& clause : wanted.clauses) {
      if (!SignificantTokens(clause)[0].IsWord("NULL")) text += " " + clause;
    }
    if (!TranslatedItem(session, text, item->text, error)) return false;
  }
  return Rebuild(session, target, definition, false, std::string(), error);
}

// DROP CONSTRAINT name, DROP PRIMARY KEY, DROP UNIQUE (columns).
bool DropConstraint(Session& session, const Target& target, const std::vector<Token>& t, size_t at, OraError& error) {
  TableDefinition definition;
  if (!ReadDefinition(session, target, definition, error)) return false;
  bool byName = t[at].IsWord("CONSTRAINT");
  std::string name = byName && at + 1 < t.size() ? IdentifierName(t[at + 1]) : std::string();
  std::vector<std::string> columns;
  for (size_t k = at + 2; !byName && k < t.size() && !t[k].IsSymbol(')'); ++k) {
    if (!t[k].IsSymbol(',')) columns.push_back(IdentifierName(t[k]));
  }
  for (const TableConstraint& c : ConstraintsOf(definition)) {
    bool found = byName                    ? c.name == name
                 : t[at].IsWord("PRIMARY") ? c.type == 'P'
                                           : c.type == 'U' && c.columns == columns;
    if (!found) continue;
    bool cascade = std::any_of(t.begin(), t.end(), [](const Token& token) { return token.IsWord("CASCADE"); });
    if ((c.type == 'P' || c.type == 'U') && !cascade &&
        !ReferencingTables(session.Db(), target.schema, target.table).empty()) {
      error = MakeOraError(2273, "", t[at].offset);
      return false;
    }
    TableItem& item = definition.items[c.item];
    if (item.column.empty()) {
      definition.items.erase(definition.items.begin() + static_cast<long>(c.item));
    } else {
      item.text.erase(c.begin, c.end - c.begin);
    }
    return Rebuild(session, target, definition, false, std::string(), error);
  }
  error = MakeOraError(2443, "", t[at].offset);
  return false;
}

// DROP COLUMN c, DROP (a, b): the columns go with the table constraints over them.
bool DropColumns(Session& session, const Target& target, const std::vector<std::string>& columns, OraError& error) {
  TableDefinition definition;
  if (!ReadDefinition(session, target, definition, error)) return false;
  std::vector<TableConstraint> constraints = ConstraintsOf(definition);
  std::vector<bool> dropped(definition.items.size(), false);
  for (const std::string& column : columns) {
    TableItem* item = FindColumn(definition, column);
    if (!item) {
      error = MakeOraError(904, Quoted(column));
      return false;
    }
    dropped[static_cast<size_t>(item - definition.items.data())] = true;
    for (const TableConstraint& c : constraints) {
      bool over = std::find(c.columns.begin(), c.columns.end(), column) != c.columns.end();
      if (over && definition.items[c.item].column.empty()) dropped[c.item] = true;
    }
  }
  TableDefinition kept = definition;
  kept.items.clear();
  for (size_t k = 0; k < definition.items.size(); ++k) {
    if (!dropped[k]) kept.items.push_back(definition.items[k]);
  }
  if (std::none_of(kept.items.begin(), kept.items.end(), [](const TableItem& item) { return !item.column.empty(); })) {
    error = MakeOraError(12983);
    return false;
  }
  return Rebuild(session, target, kept, false, std::string(), error);
}

bool Rename(Session& session, const Target& target, const std::vector<Token>& t, size_t at, OraError& error) {
  std::string sql = "ALTER TABLE " + target.Name() + " RENAME ";
  if (t[at].IsWord("COLUMN") && at + 3 < t.size() && t[at + 2].IsWord("TO")) {
    sql += "COLUMN " + Quoted(IdentifierName(t[at + 1])) + " TO " + Quoted(IdentifierName(t[at + 3]));
  } else if (t[at].IsWord("TO") && at + 1 < t.size()) {
    sql += "TO " + Quoted(IdentifierName(t[at + 1]));
  } else {
    error = MakeOraError(3001, "ALTER TABLE RENAME " + ToUpper(t[at].text), t[at].offset);
    return false;
  }
  return RunScript(session.Db(), sql.c_str(), error);
}

}  // namespace

bool AlterTable(Session& session, const std::vector<Token>& t, const std::string& text, OraError& error) {
  Target target;
  size_t at = 0;
  if (!session.Commit(error) || !ReadTarget(session, t, 2, target, at, error)) return false;
  Session::Trusted trusted(session);
  if (at >= t.size()) {
    error = MakeOraError(1735, "", text.size());
    return false;
  }
  const Token& action = t[at];
  bool listed = at + 1 < t.size() && t[at + 1].IsSymbol('(');
  if (ItemTexts(text, t, at + 1).empty()) {
    error = MakeOraError(1735, "", action.offset);
    return false;
  }
  if (action.IsWord("ADD")) return Add(session, target, ItemTexts(text, t, at + 1), action.offset, error);
  if (action.IsWord("MODIFY") && !(at + 1 < t.size() && t[at + 1].IsWord("CONSTRAINT"))) {
    return Modify(session, target, ItemTexts(text, t, at + 1), error);
  }
  if (action.IsWord("RENAME") && at + 1 < t.size()) return Rename(session, target, t, at + 1, error);
  if (action.IsWord("DROP") && at + 1 < t.size()) {
    const Token& what = t[at + 1];
    if (what.IsWord("CONSTRAINT") || what.IsWord("PRIMARY") || what.IsWord("UNIQUE")) {
      return DropConstraint(session, target, t, at + 1, error);
    }
    if (what.IsWord("COLUMN") || listed) {
      std::vector<std::string> columns;
      for (const std::string& item : ItemTexts(text, t, listed ? at + 1 : at + 2))
        columns.push_back(ColumnNameOf(item));
      return DropColumns(session, target, columns, error);
    }
  }
  error = MakeOraError(3001, "ALTER TABLE " + ToUpper(action.text), action.offset);
  return false;
}

bool ReleaseDroppedTable(Session& session, const std::vector<Token>& t, OraError& error) {
  if (t.size() < 3 || !t[0].IsWord("DROP") || !t[1].IsWord("TABLE")) return true;
  size_t at = t.size() > 3 && t[2].IsWord("IF") && t[3].IsWord("EXISTS") ? 4 : 2;
  Target target;
  size_t next = 0;
  OraError ignored;
  if (!ReadTarget(session, t, at, target, next, ignored)) return true;  // the DROP itself says what is wrong
  Session::Trusted trusted(session);
  std::vector<std::pair<std::string, std::string>> children =
      ReferencingTables(session.Db(), target.schema, target.table);
  if (children.empty()) return true;
  bool cascade = next + 1 < t.size() && t[next].IsWord("CASCADE") && t[next + 1].IsWord("CONSTRAINTS");
  if (!cascade) {
    error = MakeOraError(2449, "", t[at].offset);
    return false;
  }
  if (!session.Commit(error)) return false;
  for (const auto& child : children) {
    Target childTarget{target.schema, child.first};
    TableDefinition definition;
    if (!ReadDefinition(session, childTarget, definition, error)) return false;
    std::vector<TableConstraint> constraints = ConstraintsOf(definition);
    for (auto c = constraints.rbegin(); c != constraints.rend(); ++c) {  // from the end: spans stay valid
      if (c->type != 'R' || c->parent != target.table) continue;
      TableItem& item = definition.items[c->item];
      if (item.column.empty()) {
        definition.items.erase(definition.items.begin() + static_cast<long>(c->item));
      } else {
        item.text.erase(c->begin, c->end - c->begin);
      }
    }
    if (!Rebuild(session, childTarget, definition, false, std::string(), error)) return false;
  }
  return true;
}

}  // namespace ocilite
