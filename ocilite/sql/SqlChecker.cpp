#include "sql/SqlChecker.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "oracle/OracleDate.h"
#include "sql/SqlAnalytics.h"
#include "sql/SqlInterval.h"
#include "sql/SqlPivot.h"
#include "sql/Translation.h"
#include "sql/TypeChecks.h"
#include "sql/checker/Checker.h"

namespace ocilite::checker {

namespace {

ExprPtr Call(const std::string& name, SqlType type, size_t start, size_t end) {
  auto node = std::make_unique<Expr>();
  node->kind = ExprKind::Function;
  node->text = name;
  node->type = type;
  node->start = start;
  node->end = end;
  return node;
}

SqlType FunctionType(const std::string& name, const std::vector<ExprPtr>& args) {
  static const char* const kNumber[] = {
      "COUNT",      "SUM",   "AVG",      "LENGTH",     "INSTR",           "ABS",       "MOD",         "CEIL",
      "FLOOR",      "POWER", "SQRT",     "SIGN",       "MONTHS_BETWEEN",  "TO_NUMBER", "ROW_NUMBER",  "RANK",
      "DENSE_RANK", "ASCII", "GROUPING", "MOD",        "STDDEV",          "VARIANCE",  "ZQ_DIV",      "ZQ_TRUNC_NUMBER",
      "EXP",        "LN",    "LOG",      "ZQ_EXTRACT", "ZQ_ROUND_NUMBER", "REMAINDER", "REGEXP_INSTR"};
  static const char* const kText[] = {"UPPER",           "LOWER",        "SUBSTR",    "REPLACE",       "TRIM",
                                      "LTRIM",           "RTRIM",        "LPAD",      "RPAD",          "TO_CHAR",
                                      "INITCAP",         "CONCAT",       "CHR",       "TRANSLATE",     "ZQ_CONCAT",
                                      "ZQ_DATE_TO_CHAR", "ZQ_DATE_TEXT", "ZQ_SUBSTR", "REGEXP_SUBSTR", "REGEXP_REPLACE",
                                      "LISTAGG"};
  static const char* const kDate[] = {"TO_DATE",  "ADD_MONTHS",    "LAST_DAY",
                                      "NEXT_DAY", "ZQ_TRUNC_DATE", "ZQ_ROUND_DATE"};
  for (const char* n : kNumber) {
    if (name == n) return SqlType::Number;
  }
  if (SqlType known = KnownType(name); known != SqlType::Unknown) return known;
  for (const char* n : kText) {
    if (name == n) return SqlType::Text;
  }
  for (const char* n : kDate) {
    if (name == n) return SqlType::Date;
  }
  if (name == "DECODE") return args.size() > 2 ? args[2]->type : SqlType::Unknown;
  if (name == "NVL2") return args.size() > 1 ? args[1]->type : SqlType::Unknown;
  for (const ExprPtr& arg : args) {
    if (arg->type != SqlType::Unknown) return arg->type;  // NVL, COALESCE, MIN, MAX, ROUND, TRUNC, ...
  }
  return SqlType::Unknown;
}

// The heading Oracle gives an unaliased expression: its text upper-cased outside quotes,
// without blanks.
std::string HeadingOf(const Expr& e, std::string_view sql) {
  if (e.kind == ExprKind::Column) return e.names.back();
  if (e.kind == ExprKind::Sequence) return e.text;
  if (e.kind == ExprKind::Pseudo) return e.text;
  std::string heading;
  char quote = 0;
  for (size_t i = e.start; i < e.end && i < sql.size(); ++i) {
    char c = sql[i];
    if (quote) {
      heading += c;
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
      heading += c;
    } else if (!std::isspace(static_cast<unsigned char>(c))) {
      heading += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return heading;
}

CatalogColumn Column(const Source& source, const std::string& name) {
  for (const CatalogColumn& column : source.columns) {
    if (column.name == name) return column;
  }
  return {name, SqlType::Unknown};
}

// What Oracle converts implicitly when a value goes into a column or meets another type.
void Convert(ExprPtr& value, SqlType wanted) {
  if (value->type != SqlType::Text) return;
  if (wanted == SqlType::Date) WrapIn(value, "TO_DATE", SqlType::Date);
  if (wanted == SqlType::Number) WrapIn(value, "TO_NUMBER", SqlType::Number);
}

// A value stored into a column: converted as Oracle does, and a NUMBER(p,s) one rounded to s places.
void Store(ExprPtr& value, const CatalogColumn& column) {
  Convert(value, column.type);
  if (column.type != SqlType::Number || column.scale < 0 || value->kind == ExprKind::Null) return;
  ExprPtr places = Literal("", value->start);
  places->kind = ExprKind::Number;
  places->text = std::to_string(column.scale);
  WrapIn(value, "ROUND", SqlType::Number);
  value->args.push_back(std::move(places));
}

bool IsDefault(const Expr& e) { return e.kind == ExprKind::Pseudo && e.text == "DEFAULT"; }

// SET column = value, or SET (a, b) = (subquery) whose one row gives every column at once.
void StoreAssigned(Assignment& assignment, const Source& target) {
  if (assignment.columns.size() == 1) return Store(assignment.value, Column(target, assignment.columns[0]));
  if (assignment.value->kind == ExprKind::Subquery) assignment.value->mustYieldOneRow = false;
}

std::vector<SqlType> TypesOf(const std::vector<CatalogColumn>& columns) {
  std::vector<SqlType> types;
  for (const CatalogColumn& column : columns) types.push_back(column.type);
  return types;
}

// The columns of a USING or NATURAL join, on both its sides, for QualifierAllowed.
void MarkJoinColumns(const TableRef& join, Scope& scope, size_t leftStart, size_t leftEnd) {
  bool natural = join.joinType.compare(0, 7, "NATURAL") == 0;
  std::set<std::string> columns(join.usingColumns.begin(), join.usingColumns.end());
  for (size_t left = leftStart; natural && left < leftEnd; ++left) {
    for (size_t right = leftEnd; right < scope.sources.size(); ++right) {
      for (const CatalogColumn& column : scope.sources[left].columns) {
        if (Column(scope.sources[right], column.name).type != SqlType::Unknown) columns.insert(column.name);
      }
    }
  }
  for (size_t k = leftStart; k < scope.sources.size(); ++k) {
    for (const std::string& column : columns)
      scope.joinColumns[scope.sources[k].name + "." + column] = natural ? 25155 : 25154;
  }
}

void ExpandStar(const Expr& star, const Scope& scope, std::vector<CatalogColumn>& columns) {
  for (const Source& source : scope.sources) {
    if (!star.names.empty() && source.name != star.names.back()) continue;
    for (const CatalogColumn& column : source.columns) {
      if (star.names.empty() && source.joinedOn.count(column.name)) continue;
      columns.push_back(column);
    }
  }
}

// A query of one core that aggregates without GROUP BY can only give one row.
bool SingleRow(const Query& query) {
  if (query.cores.size() != 1 || query.cores[0].nested || query.cores[0].items[0].expr->kind == ExprKind::Star) {
    return true;  // not wrapped: SQLite's answer stands
  }
  const SelectCore& core = query.cores[0];
  if (!core.groupBy.empty()) return false;
  for (const SelectItem& item : core.items) {
    if (HasAggregate(item.expr.get())) return true;
  }
  return false;
}

void Compare(ExprPtr& left, ExprPtr& right) {
  if (left->type == SqlType::Date && right->type == SqlType::Text) Convert(right, SqlType::Date);
  if (right->type == SqlType::Date && left->type == SqlType::Text) Convert(left, SqlType::Date);
  if (left->type == SqlType::Number && right->type == SqlType::Text) Convert(right, SqlType::Number);
  if (right->type == SqlType::Number && left->type == SqlType::Text) Convert(left, SqlType::Number);
}

// Turns an operator node into a call of `name` with the same arguments.
void ToCall(ExprPtr& e, const std::string& name, SqlType type) {
  e->kind = ExprKind::Function;
  e->text = name;
  e->type = type;
}

bool IsCallOf(const Expr& e, const char* name) { return e.kind == ExprKind::Function && e.text == name; }

// date ± INTERVAL: days as a number of days, months by ZQ_ADD_INTERVAL_MONTHS.
bool IntervalArithmetic(ExprPtr& e) {
  ExprPtr& right = e->args[1];
  if (e->args[0]->type != SqlType::Date) return false;
  if (IsCallOf(*right, kIntervalDays)) {
    ExprPtr days = std::move(right->args[0]);
    right = std::move(days);
    return false;  // then as date ± number
  }
  if (!IsCallOf(*right, kIntervalMonths)) return false;
  ExprPtr months = std::move(right->args[0]);
  if (e->text == "-") months->text = months->text[0] == '-' ? months->text.substr(1) : "-" + months->text;
  right = std::move(months);
  ToCall(e, "ZQ_ADD_INTERVAL_MONTHS", SqlType::Date);
  return true;
}

void DateArithmetic(ExprPtr& e) {
  ExprPtr& left = e->args[0];
  ExprPtr& right = e->args[1];
  if (e->text == "+" && right->type == SqlType::Date) std::swap(left, right);
  if (IntervalArithmetic(e)) return;
  if (e->text == "-" && left->type == SqlType::Date) {
    if (right->type == SqlType::Text) Convert(right, SqlType::Date);
    SqlType type = right->type == SqlType::Date ? SqlType::Number : SqlType::Date;
    ToCall(e, "ZQ_DATE_MINUS", type);
  } else if (e->text == "+") {
    if (right->type == SqlType::Date) std::swap(left, right);
    Convert(right, SqlType::Number);
    ToCall(e, "ZQ_DATE_PLUS", SqlType::Date);
  } else {
    ToCall(e, "ZQ_DATE_INVALID", SqlType::Unknown);  // ORA-00932 when it runs
  }
}

void RewriteBinary(ExprPtr& e) {
  ExprPtr& left = e->args[0];
  ExprPtr& right = e->args[1];
  const std::string op = e->text;
  if (op == "AND" || op == "OR") return;
  if (op == "||") {
    for (ExprPtr* side : {&left, &right}) {
      if ((*side)->type == SqlType::Date) WrapIn(*side, "ZQ_DATE_TEXT", SqlType::Text);
    }
    ToCall(e, "ZQ_CONCAT", SqlType::Text);
    return;
  }
  if (op != "+" && op != "-" && op != "*" && op != "/") {
    Compare(left, right);
    return;
  }
  if (left->type == SqlType::Date || right->type == SqlType::Date) {
    DateArithmetic(e);
    return;
  }
  Convert(left, SqlType::Number);
  Convert(right, SqlType::Number);
  e->type = SqlType::Number;
  if (op == "/") ToCall(e, "ZQ_DIV", SqlType::Number);
}

void RewriteFunction(ExprPtr& e) {
  const std::string& name = e->text;
  SqlType first = e->args.empty() ? SqlType::Unknown : e->args[0]->type;
  if (name == "TO_CHAR" && first == SqlType::Date) {
    ToCall(e, "ZQ_DATE_TO_CHAR", SqlType::Text);
  } else if ((name == "TRUNC" || name == "ROUND") && first == SqlType::Date) {
    ToCall(e, "ZQ_" + name + "_DATE", SqlType::Date);
  } else if (name == "TRUNC" || name == "ROUND") {
    ToCall(e, "ZQ_" + name + "_NUMBER", SqlType::Number);
  } else if (name == "SUBSTR") {
    ToCall(e, "ZQ_SUBSTR", SqlType::Text);
  } else if (name == "NVL" && e->args.size() == 2) {
    Compare(e->args[0], e->args[1]);
  }
  e->type = FunctionType(e->text, e->args);
  static const char* const kMayGiveEmpty[] = {"TRIM", "LTRIM", "RTRIM", "UPPER", "LOWER"};
  for (const char* builtin : kMayGiveEmpty) {
    if (e->text == builtin) {
      // SQLite's text functions can give '', which Oracle never returns.
      SqlType type = e->type;
      WrapIn(e, "ZQ_EMPTY_NULL", type);
      return;
    }
  }
}

}  // namespace

bool IsAggregate(const Expr& e) { return e.kind == ExprKind::Function && !e.over && IsAggregateName(e.text); }

bool HasAggregate(const Expr* e) {
  if (!e) return false;
  if (IsAggregate(*e)) return true;
  for (const ExprPtr& arg : e->args) {
    if (HasAggregate(arg.get())) return true;
  }
  return false;
}

ExprPtr Literal(const std::string& text, size_t start) {
  auto node = std::make_unique<Expr>();
  node->kind = ExprKind::String;
  node->text = text;
  node->start = node->end = start;
  return node;
}

// Replaces `e` by name(e).
void WrapIn(ExprPtr& e, const std::string& name, SqlType type) {
  ExprPtr call = Call(name, type, e->start, e->end);
  call->args.push_back(std::move(e));
  e = std::move(call);
}

bool Checker::Statement(DmlStatement& s, std::vector<SqlType>& resultTypes) {
  Scope top;
  if (s.kind == DmlStatement::Kind::Select) {
    std::vector<CatalogColumn> columns;
    if (!QueryCheck(*s.query, top, columns)) return false;
    for (const CatalogColumn& column : columns) resultTypes.push_back(column.type);
    return true;
  }
  if (!s.inserts.empty()) return InsertAll(s);
  Source target;
  if (!TableSource(s.target, top, target)) return false;
  Scope scope;
  scope.sources.push_back(target);
  if (s.kind == DmlStatement::Kind::Insert) return Insert(s, scope);
  if (s.kind == DmlStatement::Kind::Merge) return Merge(s, target);
  for (Assignment& assignment : s.assignments) {
    if (TakeDefault(s.target, assignment.columns[0], assignment.value)) continue;
    if (!Rewrite(assignment.value, scope)) return false;
    StoreAssigned(assignment, target);
  }
  return !s.where || Rewrite(s.where, scope);
}

bool Checker::QueryOnly(Query& query) {
  Scope top;
  std::vector<CatalogColumn> columns;
  return QueryCheck(query, top, columns);
}

bool Checker::Fail(int code, size_t offset, const std::string& detail) {
  error_ = MakeOraError(code, detail, offset);
  return false;
}

bool Checker::Insert(DmlStatement& s, Scope& scope) {
  const Source& target = scope.sources.front();
  if (s.query) {
    std::vector<CatalogColumn> ignored;
    return QueryCheck(*s.query, Scope(), ignored);
  }
  return Rows(s, target, Scope());
}

// INSERT's rows of values, each stored into its column.
bool Checker::Rows(DmlStatement& s, const Source& target, const Scope& scope) {
  for (auto& row : s.values) {
    for (size_t k = 0; k < row.size(); ++k) {
      std::string column = k < s.columns.size()        ? s.columns[k]
                           : k < target.columns.size() ? target.columns[k].name
                                                       : std::string();
      if (TakeDefault(s.target, column, row[k])) continue;
      if (!Rewrite(row[k], scope)) return false;
      Store(row[k], Column(target, column));
    }
  }
  return true;
}

// INSERT ALL: each INTO's values see the columns of the query's rows.
bool Checker::InsertAll(DmlStatement& s) {
  Scope rows;
  std::vector<CatalogColumn> columns;
  if (!QueryCheck(*s.query, Scope(), columns)) return false;
  rows.sources.push_back({"", columns, {}});
  if (!RewriteAll(s.whens, rows)) return false;
  for (DmlStatement& into : s.inserts) {
    Source target;
    if (!TableSource(into.target, Scope(), target) || !Rows(into, target, rows)) return false;
  }
  return true;
}

// MERGE: its conditions and updates see the target and the source, its inserts the source.
bool Checker::Merge(DmlStatement& s, const Source& target) {
  MergeClauses& merge = s.merge;
  Scope top;
  Scope source;
  if (!FromItem(*merge.source, source, top)) return false;
  Scope both = source;
  both.sources.insert(both.sources.begin(), target);
  if (!Rewrite(merge.on, both)) return false;
  for (Assignment& assignment : s.assignments) {
    if (TakeDefault(s.target, assignment.columns[0], assignment.value)) continue;
    if (!Rewrite(assignment.value, both)) return false;
    StoreAssigned(assignment, target);
  }
  for (ExprPtr* condition : {&merge.updateWhere, &merge.deleteWhere, &merge.insertWhere}) {
    if (*condition && !Rewrite(*condition, both)) return false;
  }
  return Rows(s, target, source);
}

// VALUES (DEFAULT) and SET column = DEFAULT: the column's default as SQLite keeps it, or NULL.
bool Checker::TakeDefault(const TableRef& table, const std::string& column, ExprPtr& value) {
  if (!IsDefault(*value)) return false;
  std::string sql = options_.columnDefault ? options_.columnDefault(table.names, column) : std::string();
  if (sql.empty()) {
    value->kind = ExprKind::Null;
  } else {
    value->names = {sql};
  }
  return true;
}

bool Checker::TableSource(const TableRef& table, const Scope& scope, Source& source) {
  std::string name = table.names.back();
  source.name = table.alias.empty() ? name : table.alias;
  if (IsHiddenName(table.names.front(), options_.isDba) || IsHiddenName(name, options_.isDba)) {
    return Fail(942, table.start);
  }
  if (table.names.size() == 1) {
    for (const Scope* s = &scope; s; s = s->outer) {
      for (const Source& common : s->commonTables) {
        if (common.name == name) {
          source.columns = common.columns;
          return true;
        }
      }
    }
  }
  options_.catalog(table.names, source.columns);  // an unknown table fails in SQLite, at its name
  return true;
}

bool Checker::FromItem(TableRef& table, Scope& scope, const Scope& outer) {
  if (table.kind == TableRef::Kind::Join) {
    size_t leftStart = scope.sources.size();
    if (!FromItem(*table.left, scope, outer)) return false;
    size_t leftEnd = scope.sources.size();
    if (!FromItem(*table.right, scope, outer)) return false;
    MarkJoinColumns(table, scope, leftStart, leftEnd);
    std::set<std::string> shared(table.usingColumns.begin(), table.usingColumns.end());
    if (table.joinType.compare(0, 7, "NATURAL") == 0) {
      for (size_t k = 0; k < leftEnd; ++k) {
        for (const CatalogColumn& column : scope.sources[k].columns) shared.insert(column.name);
      }
    }
    for (size_t k = leftEnd; k < scope.sources.size(); ++k) scope.sources[k].joinedOn = shared;
    return !table.on || Rewrite(table.on, scope);
  }
  if (table.pivot && !Pivot(table, outer)) return false;
  Source source;
  if (table.kind == TableRef::Kind::Subquery) {
    source.name = table.alias;
    if (!QueryCheck(*table.query, outer, source.columns)) return false;
  } else if (!TableSource(table, outer, source)) {
    return false;
  }
  scope.sources.push_back(std::move(source));
  return true;
}

// PIVOT and UNPIVOT become the query they stand for, over the columns of their source.
bool Checker::Pivot(TableRef& table, const Scope& outer) {
  std::vector<std::string> names;
  if (table.kind == TableRef::Kind::Table) {
    Source source;
    if (!TableSource(table, outer, source)) return false;
    for (const CatalogColumn& column : source.columns) names.push_back(column.name);
  } else if (!ColumnNames(*table.query, outer, names)) {
    return false;
  }
  return ExpandPivot(table, names, error_);
}

// The names of the columns a query gives, read from its text before it is checked.
bool Checker::ColumnNames(const Query& query, const Scope& outer, std::vector<std::string>& names) {
  const SelectCore& core = query.cores[0];
  if (core.nested) return ColumnNames(*core.nested, outer, names);
  for (const SelectItem& item : core.items) {
    if (item.expr->kind != ExprKind::Star) {
      names.push_back(item.alias.empty() ? HeadingOf(*item.expr, sql_) : item.alias);
      continue;
    }
    for (const auto& from : core.from) {
      if (from->kind != TableRef::Kind::Table) return Fail(3001, item.expr->start, "PIVOT over * of this source");
      Source source;
      if (!TableSource(*from, outer, source)) return false;
      if (!item.expr->names.empty() && item.expr->names.back() != source.name) continue;
      for (const CatalogColumn& column : source.columns) names.push_back(column.name);
    }
  }
  return true;
}

// ORA-25154/25155: a column a join is made on belongs to neither table.
bool Checker::QualifierAllowed(const Expr& e, const Scope& scope) {
  if (e.names.size() < 2) return true;
  auto found = scope.joinColumns.find(e.names[e.names.size() - 2] + "." + e.names.back());
  return found == scope.joinColumns.end() || Fail(found->second, e.start);
}

// ORA-00932 for a date compared with a number, before Compare converts text.
bool Checker::ComparedTypesAgree(const Expr& e) {
  static const char* const kComparisons[] = {"=", "<>", "<", "<=", ">", ">="};
  bool comparison = e.kind == ExprKind::Between || e.kind == ExprKind::InList || e.kind == ExprKind::Quantified;
  for (const char* op : kComparisons) comparison = comparison || (e.kind == ExprKind::Binary && e.text == op);
  for (size_t k = 1; comparison && k < e.args.size(); ++k) {
    if (!CheckComparable(e.args[0]->type, e.args[k]->type, e.args[k]->start, error_)) return false;
  }
  return true;
}

bool Checker::QueryCheck(Query& query, const Scope& outer, std::vector<CatalogColumn>& columns) {
  Scope withScope;
  withScope.outer = &outer;
  for (CommonTable& common : query.with) {
    Source source;
    source.name = common.name;
    if (!QueryCheck(*common.query, withScope, source.columns)) return false;
    for (size_t k = 0; k < common.columns.size() && k < source.columns.size(); ++k) {
      source.columns[k].name = common.columns[k];
    }
    withScope.commonTables.push_back(std::move(source));
  }
  for (size_t k = 0; k < query.cores.size(); ++k) {
    std::vector<CatalogColumn> coreColumns;
    bool last = k + 1 == query.cores.size() && query.cores.size() == 1;
    if (!CoreCheck(query.cores[k], withScope, coreColumns, last ? &query.orderBy : nullptr)) return false;
    if (k == 0) {
      columns = coreColumns;
    } else if (!CheckSetMember(TypesOf(columns), TypesOf(coreColumns), query.cores[k].start, error_)) {
      return false;
    } else {
      for (size_t c = 0; c < columns.size() && c < coreColumns.size(); ++c) {
        if (columns[c].type == SqlType::Unknown) columns[c].type = coreColumns[c].type;
      }
    }
  }
  for (const CatalogColumn& column : columns) query.resultNames.push_back(column.name);
  for (ExprPtr* bound : {&query.offset, &query.fetch}) {
    if (*bound && !Rewrite(*bound, withScope)) return false;
  }
  if (query.withTies && query.cores.size() > 1)
    return Fail(3001, query.cores[1].start, "WITH TIES over a compound query");
  if (query.cores.size() > 1) {
    Scope resultScope;
    resultScope.sources.push_back({"", columns, {}});
    resultScope.outer = &withScope;
    if (!Orders(query.orderBy, resultScope)) return false;
  }
  return true;
}

bool Checker::Orders(std::vector<OrderItem>& orders, const Scope& scope) {
  for (OrderItem& order : orders) {
    if (!Rewrite(order.expr, scope)) return false;
    if (order.nulls == 0) order.nulls = order.descending ? 1 : 2;
  }
  return true;
}

bool Checker::CoreCheck(SelectCore& core, const Scope& outer, std::vector<CatalogColumn>& columns,
                        std::vector<OrderItem>* orderBy) {
  if (core.nested) return QueryCheck(*core.nested, outer, columns);
  SplitNestedAggregates(core);
  HierarchyScope hierarchy(hierarchy_, core.hierarchy.get());
  Scope scope;
  scope.outer = &outer;
  for (auto& table : core.from) {
    if (!FromItem(*table, scope, outer)) return false;
  }
  if (core.hierarchy && !HierarchyCheck(core, scope)) return false;
  if (!OuterJoins(core, scope) || !GroupCheck(core, orderBy) || !RowLimit(core)) return false;
  if (core.where && !Rewrite(core.where, scope)) return false;
  for (SelectItem& item : core.items) {
    if (item.expr->kind == ExprKind::Star) {
      ExpandStar(*item.expr, scope, columns);
      continue;
    }
    item.heading = item.alias.empty() ? HeadingOf(*item.expr, sql_) : item.alias;
    if (!Rewrite(item.expr, scope)) return false;
    columns.push_back({item.heading, item.expr->type});
  }
  for (ExprPtr& group : core.groupBy) {
    if (!Rewrite(group, scope)) return false;
  }
  if (core.having && !Rewrite(core.having, scope)) return false;
  if (!core.groupingSets.empty()) MarkGroupedAll(core);
  if (!orderBy) return true;
  // ORDER BY sees the select list's names as well as the tables' columns.
  Scope orderScope = scope;
  orderScope.sources.insert(orderScope.sources.begin(), Source{"", columns, {}});
  return GroupingOrders(core, *orderBy) && Orders(*orderBy, orderScope);
}

SqlType Checker::ResolveColumn(const Expr& e, const Scope& scope) {
  const std::string& column = e.names.back();
  for (const Scope* s = &scope; s; s = s->outer) {
    for (const Source& source : s->sources) {
      if (e.names.size() > 1 && source.name != e.names[e.names.size() - 2]) continue;
      for (const CatalogColumn& c : source.columns) {
        if (c.name == column) return c.type;
      }
    }
  }
  return SqlType::Unknown;
}

bool Checker::RewriteAll(std::vector<ExprPtr>& list, const Scope& scope) {
  for (ExprPtr& e : list) {
    if (!Rewrite(e, scope)) return false;
  }
  return true;
}

// Types `e` bottom-up and rewrites it where SQLite would answer otherwise than Oracle.
bool Checker::Rewrite(ExprPtr& e, const Scope& scope) {
  if (e->query) {
    std::vector<CatalogColumn> columns;
    if (!QueryCheck(*e->query, scope, columns)) return false;
    if (e->kind == ExprKind::Subquery && !columns.empty()) e->type = columns[0].type;
  }
  if (!RewriteAll(e->args, scope)) return false;
  if (e->over && !WindowCheck(*e, scope)) return false;
  if (!Orders(e->withinGroup, scope) || !ComparedTypesAgree(*e)) return false;
  switch (e->kind) {
    case ExprKind::Number: e->type = SqlType::Number; break;
    case ExprKind::String:
      e->type = SqlType::Text;
      if (e->text.empty()) e->kind = ExprKind::Null;  // '' is NULL to Oracle
      break;
    case ExprKind::Column:
      if (!QualifierAllowed(*e, scope)) return false;
      e->type = ResolveColumn(*e, scope);
      break;
    case ExprKind::Pseudo:
      if (IsDefault(*e)) return Fail(936, e->start);  // DEFAULT only stands for a stored value
      if (e->text == "LEVEL") return HierarchyValue(e, "ZQ$LEVEL");
      e->type = e->text == "USER" || e->text == kTransactionIdName ? SqlType::Text : SqlType::Date;
      if (IsRownum(*e)) {  // in the select list: the row's number before any ORDER BY
        ToCall(e, "ROW_NUMBER", SqlType::Number);
        e->over = std::make_unique<WindowSpec>();
      }
      break;
    case ExprKind::Sequence: e->type = SqlType::Number; break;
    case ExprKind::DateLiteral: return DateLiteral(*e);
    case ExprKind::Unary:
      if (e->text == "CONNECT_BY_ROOT") return HierarchyValue(e, "ZQ$ROOT");
      if (e->text == "PRIOR") {
        if (!hierarchy_) return Fail(1788, e->start);
        e->type = e->args[0]->type;
        break;
      }
      e->type = e->text == "NOT" ? SqlType::Unknown : SqlType::Number;
      if (e->text != "NOT") Convert(e->args[0], SqlType::Number);
      break;
    case ExprKind::Binary: RewriteBinary(e); break;
    case ExprKind::Function:
      if (e->text == "SYS_CONNECT_BY_PATH") {
        if (e->args.size() != 2) return Fail(909, e->start);
        return HierarchyValue(e, "ZQ$PATH");
      }
      RewriteFunction(e);
      break;
    case ExprKind::Case:
      e->type = e->args.size() > (e->hasOperand ? 2u : 1u) ? e->args[e->hasOperand ? 2 : 1]->type : SqlType::Unknown;
      break;
    case ExprKind::Between:
    case ExprKind::InList:
    case ExprKind::Quantified:
      for (size_t k = 1; k < e->args.size(); ++k) Compare(e->args[0], e->args[k]);
      break;
    case ExprKind::Extract:
      e->args.insert(e->args.begin(), Literal(e->text, e->start));
      ToCall(e, "ZQ_EXTRACT", SqlType::Number);
      break;
    case ExprKind::Subquery: e->mustYieldOneRow = !SingleRow(*e->query); break;
    default: break;
  }
  return true;
}

bool Checker::DateLiteral(Expr& e) {
  DateTime date;
  if (!ParseDate(e.text, "YYYY-MM-DD", date)) return Fail(1861, e.start);
  e.kind = ExprKind::String;
  e.text = StoredDate(date);
  e.type = SqlType::Date;
  return true;
}

}  // namespace ocilite::checker

namespace ocilite {

bool CheckStatement(DmlStatement& statement, const CheckOptions& options, std::string_view sql,
                    std::vector<SqlType>& resultTypes, OraError& error) {
  error = OraError();
  return checker::Checker(options, sql, error).Statement(statement, resultTypes);
}

bool CheckQuery(Query& query, const CheckOptions& options, std::string_view sql, OraError& error) {
  error = OraError();
  return checker::Checker(options, sql, error).QueryOnly(query);
}

}  // namespace ocilite
