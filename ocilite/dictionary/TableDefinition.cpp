#include "dictionary/TableDefinition.h"

#include <cstdlib>

#include "sql/SqlLexer.h"

namespace ocilite {

namespace {

// The words that begin a clause of a column definition.
bool StartsColumnClause(const std::vector<Token>& t, size_t k) {
  static const char* const kWords[] = {"CONSTRAINT", "PRIMARY", "UNIQUE",  "CHECK",    "REFERENCES",
                                       "NOT",        "DEFAULT", "COLLATE", "GENERATED"};
  for (const char* word : kWords) {
    if (t[k].IsWord(word)) return true;
  }
  return t[k].IsWord("NULL") && !(k > 0 && t[k - 1].IsWord("NOT"));
}

// The index of the parenthesis that closes the one at `open`.
size_t Closing(const std::vector<Token>& t, size_t open) {
  int depth = 0;
  for (size_t k = open; k < t.size(); ++k) {
    depth += t[k].IsSymbol('(') ? 1 : t[k].IsSymbol(')') ? -1 : 0;
    if (depth == 0) return k;
  }
  return t.size();
}

std::vector<std::string> NamesBetween(const std::vector<Token>& t, size_t open, size_t close) {
  std::vector<std::string> names;
  for (size_t k = open + 1; k < close; ++k) {
    if (t[k].kind == TokenKind::Word || t[k].kind == TokenKind::Quoted) names.push_back(IdentifierName(t[k]));
  }
  return names;
}

std::string TextBetween(const std::string& text, const std::vector<Token>& t, size_t first, size_t last) {
  if (first > last || last >= t.size()) return std::string();
  return text.substr(t[first].offset, t[last].offset + t[last].length - t[first].offset);
}

// One constraint clause, tokens [from, to) of the item, into `c`; false when it is no constraint
// the dictionary shows (NOT NULL, DEFAULT, ...).
bool ReadClause(const std::string& text, const std::vector<Token>& t, size_t from, size_t to, const std::string& column,
                TableConstraint& c) {
  size_t k = from;
  if (t[k].IsWord("CONSTRAINT") && k + 1 < to) {
    c.name = IdentifierName(t[k + 1]);
    k += 2;
  }
  if (k >= to) return false;
  size_t open = k + 1;
  while (open < to && !t[open].IsSymbol('(')) ++open;
  size_t close = open < to ? Closing(t, open) : to;
  if (t[k].IsWord("PRIMARY") || t[k].IsWord("UNIQUE")) {
    c.type = t[k].IsWord("PRIMARY") ? 'P' : 'U';
    c.columns = column.empty() ? NamesBetween(t, open, close) : std::vector<std::string>{column};
  } else if (t[k].IsWord("CHECK")) {
    c.type = 'C';
    c.condition = TextBetween(text, t, open + 1, close - 1);
    if (!column.empty()) c.columns = {column};
  } else if (t[k].IsWord("NOT") && k + 1 < to && t[k + 1].IsWord("NULL") && !c.name.empty()) {
    c.type = 'C';  // Oracle lists a named NOT NULL as a check
    c.condition = "\"" + column + "\" IS NOT NULL";
    c.columns = {column};
  } else if (t[k].IsWord("REFERENCES") || t[k].IsWord("FOREIGN")) {
    c.type = 'R';
    size_t references = k;
    while (references < to && !t[references].IsWord("REFERENCES")) ++references;
    c.columns = column.empty() ? NamesBetween(t, open, close) : std::vector<std::string>{column};
    if (references + 1 < to) c.parent = IdentifierName(t[references + 1]);
    c.deleteRule = "NO ACTION";
    for (size_t d = references; d + 2 < to; ++d) {
      if (!t[d].IsWord("ON") || !t[d + 1].IsWord("DELETE")) continue;
      if (t[d + 2].IsWord("CASCADE")) c.deleteRule = "CASCADE";
      if (t[d + 2].IsWord("SET") && d + 3 < to) c.deleteRule = "SET " + ToUpper(t[d + 3].text);
    }
  } else {
    return false;
  }
  c.begin = t[from].offset;
  c.end = t[to - 1].offset + t[to - 1].length;
  return true;
}

// The checks this library adds after a type for Oracle's column limits (length, precision).
bool IsLimitCheck(const TableConstraint& c) {
  return c.name.empty() && c.type == 'C' &&
         (c.condition.compare(0, 7, "length(") == 0 || c.condition.compare(0, 10, "round(abs(") == 0);
}

bool IsRowidAlias(const std::vector<Token>& t) { return t.size() > 1 && t[1].IsWord("INTEGER"); }

// Where each clause of an item begins: a column definition's DEFAULT, NOT NULL and constraints,
// or the one clause a table constraint is.
std::vector<size_t> ClauseStarts(const std::vector<Token>& t, bool column) {
  std::vector<size_t> starts;
  int depth = 0;
  for (size_t k = column ? 1 : 0; k < t.size(); ++k) {
    bool named = k >= 2 && t[k - 2].IsWord("CONSTRAINT");  // the clause began at CONSTRAINT
    bool clause = column ? StartsColumnClause(t, k) && !named : k == 0;
    if (depth == 0 && clause) starts.push_back(k);
    depth += t[k].IsSymbol('(') ? 1 : t[k].IsSymbol(')') ? -1 : 0;
  }
  return starts;
}

void ItemConstraints(const TableItem& item, size_t index, std::vector<TableConstraint>& out) {
  std::vector<Token> t = SignificantTokens(item.text);
  std::vector<size_t> starts = ClauseStarts(t, !item.column.empty());
  for (size_t s = 0; s < starts.size(); ++s) {
    TableConstraint c;
    c.item = index;
    size_t to = s + 1 < starts.size() ? starts[s + 1] : t.size();
    if (ReadClause(item.text, t, starts[s], to, item.column, c)) out.push_back(c);
  }
}

std::string JsonText(const std::string& text) {
  std::string json = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\') json += '\\';
    if (static_cast<unsigned char>(ch) < 0x20) {
      json += ' ';
      continue;
    }
    json += ch;
  }
  return json + "\"";
}

}  // namespace

bool ParseTableDefinition(const std::string& createSql, TableDefinition& definition) {
  std::vector<Token> t = SignificantTokens(createSql);
  size_t open = 0;
  while (open < t.size() && !t[open].IsSymbol('(')) ++open;
  if (t.empty() || !t[0].IsWord("CREATE") || open >= t.size()) return false;
  size_t close = Closing(t, open);
  if (close >= t.size()) return false;
  definition = TableDefinition();
  size_t start = open + 1;
  int depth = 0;
  for (size_t k = open + 1; k <= close; ++k) {
    bool end = k == close || (depth == 0 && t[k].IsSymbol(','));
    depth += t[k].IsSymbol('(') ? 1 : t[k].IsSymbol(')') ? -1 : 0;
    if (!end || start >= k) continue;
    TableItem item;
    item.text = TextBetween(createSql, t, start, k - 1);
    if (!IsTableConstraint(item.text)) item.column = IdentifierName(t[start]);
    definition.items.push_back(item);
    start = k + 1;
  }
  definition.options = createSql.substr(t[close].offset + 1);
  return true;
}

std::vector<TableConstraint> ConstraintsOf(const TableDefinition& definition) {
  std::vector<TableConstraint> constraints;
  int autoIndex = 0;
  for (size_t k = 0; k < definition.items.size(); ++k) {
    size_t first = constraints.size();
    ItemConstraints(definition.items[k], k, constraints);
    bool rowid = IsRowidAlias(SignificantTokens(definition.items[k].text));
    for (size_t c = first; c < constraints.size(); ++c) {
      // An INTEGER PRIMARY KEY column is SQLite's rowid and has no index of its own.
      bool rowidKey = constraints[c].type == 'P' && rowid && !definition.items[k].column.empty();
      if ((constraints[c].type == 'P' || constraints[c].type == 'U') && !rowidKey)
        constraints[c].autoIndex = ++autoIndex;
    }
  }
  return constraints;
}

bool IsTableConstraint(const std::string& itemText) {
  std::vector<Token> t = SignificantTokens(itemText);
  return !t.empty() && (t[0].IsWord("CONSTRAINT") || t[0].IsWord("PRIMARY") || t[0].IsWord("UNIQUE") ||
                        t[0].IsWord("CHECK") || t[0].IsWord("FOREIGN"));
}

ColumnParts SplitColumn(const TableItem& item) {
  ColumnParts parts;
  std::vector<Token> t = SignificantTokens(item.text);
  std::vector<size_t> starts = ClauseStarts(t, true);
  if (t.empty()) return parts;
  parts.name = std::string(t[0].text);
  size_t typeEnd = starts.empty() ? t.size() : starts[0];
  if (typeEnd > 1) parts.type = TextBetween(item.text, t, 1, typeEnd - 1);
  for (size_t s = 0; s < starts.size(); ++s) {
    size_t to = s + 1 < starts.size() ? starts[s + 1] : t.size();
    TableConstraint c;
    if (ReadClause(item.text, t, starts[s], to, item.column, c) && IsLimitCheck(c)) continue;
    parts.clauses.push_back(TextBetween(item.text, t, starts[s], to - 1));
  }
  return parts;
}

std::string CreateTableSql(const std::string& quotedName, const TableDefinition& definition) {
  std::string sql = "CREATE TABLE " + quotedName + " (";
  for (size_t k = 0; k < definition.items.size(); ++k) sql += (k ? ", " : "") + definition.items[k].text;
  return sql + ")" + definition.options;
}

std::string ConstraintsJson(const std::string& createSql) {
  TableDefinition definition;
  if (!ParseTableDefinition(createSql, definition)) return "[]";
  std::string json;
  for (const TableConstraint& c : ConstraintsOf(definition)) {
    if (IsLimitCheck(c)) continue;
    std::string columns;
    for (const std::string& column : c.columns) columns += (columns.empty() ? "" : ",") + JsonText(column);
    json += std::string(json.empty() ? "" : ",") + "{\"n\":" + JsonText(c.name) + ",\"t\":\"" + c.type + "\",\"c\":[" +
            columns + "],\"r\":" + JsonText(c.parent) + ",\"d\":" + JsonText(c.deleteRule) +
            ",\"s\":" + JsonText(c.condition) + ",\"i\":" + std::to_string(c.autoIndex) + "}";
  }
  return "[" + json + "]";
}

std::string IndexName(const std::string& createSql, const std::string& tableName, const std::string& indexName) {
  std::string prefix = "sqlite_autoindex_" + tableName + "_";
  if (indexName.compare(0, prefix.size(), prefix) != 0) return indexName;
  int number = std::atoi(indexName.c_str() + prefix.size());
  TableDefinition definition;
  if (!ParseTableDefinition(createSql, definition)) return indexName;
  for (const TableConstraint& c : ConstraintsOf(definition)) {
    if (c.autoIndex == number && !c.name.empty()) return c.name;
  }
  return indexName;
}

}  // namespace ocilite
