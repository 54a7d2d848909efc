#include "sql/SqlPivot.h"

#include <algorithm>
#include <set>

#include "sql/SqlAnalytics.h"

namespace ocilite {

namespace {

const char kUnpivotSource[] = "ZQ#UNPIVOT";  // the WITH name of UNPIVOT's source

ExprPtr Node(ExprKind kind, size_t start, const std::string& text = std::string()) {
  auto node = std::make_unique<Expr>();
  node->kind = kind;
  node->start = node->end = start;
  node->text = text;
  return node;
}

ExprPtr ColumnNode(const std::string& name, size_t start) {
  ExprPtr column = Node(ExprKind::Column, start);
  column->names = {name};
  return column;
}

ExprPtr Binary(const std::string& op, ExprPtr left, ExprPtr right) {
  ExprPtr node = Node(ExprKind::Binary, left->start, op);
  node->end = right->end;
  node->args.push_back(std::move(left));
  node->args.push_back(std::move(right));
  return node;
}

// A copy of an expression; null for one with a subquery or window, which PIVOT does not copy.
ExprPtr Clone(const Expr& e) {
  if (e.query || e.over || e.keep) return nullptr;
  auto copy = std::make_unique<Expr>();
  copy->kind = e.kind;
  copy->start = e.start;
  copy->end = e.end;
  copy->text = e.text;
  copy->names = e.names;
  copy->negated = e.negated;
  copy->mustYieldOneRow = e.mustYieldOneRow;
  copy->star = e.star;
  copy->distinct = e.distinct;
  copy->hasOperand = e.hasOperand;
  copy->hasElse = e.hasElse;
  for (const ExprPtr& arg : e.args) {
    copy->args.push_back(Clone(*arg));
    if (!copy->args.back()) return nullptr;
  }
  for (const OrderItem& order : e.withinGroup) {
    copy->withinGroup.push_back({Clone(*order.expr), order.descending, order.nulls});
    if (!copy->withinGroup.back().expr) return nullptr;
  }
  return copy;
}

void ColumnsIn(const Expr& e, std::set<std::string>& names) {
  if (e.kind == ExprKind::Column) names.insert(e.names.back());
  for (const ExprPtr& arg : e.args) ColumnsIn(*arg, names);
}

// The name a PIVOT value gives its columns: its alias, or its literal as written ('CLERK', 10).
std::string Literal(const Expr& e) { return e.kind == ExprKind::String ? "'" + e.text + "'" : e.text; }

std::string ValueName(const SelectItem& value) {
  if (!value.alias.empty()) return value.alias;
  if (value.expr->kind != ExprKind::List) return Literal(*value.expr);
  std::string name;
  for (const ExprPtr& part : value.expr->args) name += (name.empty() ? "" : "_") + Literal(*part);
  return name;
}

class Expander {
 public:
  Expander(TableRef& table, const std::vector<std::string>& columns, OraError& error)
      : table_(table), pivot_(*table.pivot), columns_(columns), error_(error) {}

  bool Pivot(Query& query) {
    SelectCore& core = Core(query);
    std::set<std::string> used(pivot_.forColumns.begin(), pivot_.forColumns.end());
    for (const SelectItem& aggregate : pivot_.aggregates) {
      const Expr& call = *aggregate.expr;
      if (call.kind != ExprKind::Function || call.over || !IsAggregateName(call.text)) {
        return Fail(56902, call.start);
      }
      ColumnsIn(call, used);
    }
    for (const std::string& column : columns_) {
      if (used.count(column)) continue;
      core.items.push_back({ColumnNode(column, pivot_.start), std::string(), std::string()});
      core.groupBy.push_back(ColumnNode(column, pivot_.start));
    }
    for (const SelectItem& value : pivot_.values) {
      for (const SelectItem& aggregate : pivot_.aggregates) {
        SelectItem item;
        item.alias = ValueName(value) + (aggregate.alias.empty() ? "" : "_" + aggregate.alias);
        if (!Filtered(*aggregate.expr, value, item.expr)) return false;
        core.items.push_back(std::move(item));
      }
    }
    core.from.push_back(Source());
    return true;
  }

  bool Unpivot(Query& query) {
    std::set<std::string> unpivoted;
    for (const auto& set : pivot_.columnSets) unpivoted.insert(set.begin(), set.end());
    CommonTable source;
    source.name = kUnpivotSource;
    source.query = std::make_unique<Query>();
    SelectCore& all = Core(*source.query);
    all.items.push_back({Node(ExprKind::Star, pivot_.start), std::string(), std::string()});
    all.from.push_back(Source());
    query.with.push_back(std::move(source));
    for (size_t k = 0; k < pivot_.columnSets.size(); ++k) {
      const std::vector<std::string>& set = pivot_.columnSets[k];
      if (set.size() != pivot_.valueColumns.size()) return Fail(1796, pivot_.start);
      if (k) query.operators.push_back("UNION ALL");
      SelectCore& core = Core(query);
      for (const std::string& column : columns_) {
        if (!unpivoted.count(column)) core.items.push_back({ColumnNode(column, pivot_.start), "", ""});
      }
      if (!Labels(k, core)) return false;
      ExprPtr anyValue;
      for (size_t c = 0; c < set.size(); ++c) {
        core.items.push_back({ColumnNode(set[c], pivot_.start), pivot_.valueColumns[c], ""});
        ExprPtr present = Node(ExprKind::IsNull, pivot_.start);
        present->negated = true;
        present->args.push_back(ColumnNode(set[c], pivot_.start));
        anyValue = anyValue ? Binary("OR", std::move(anyValue), std::move(present)) : std::move(present);
      }
      if (!pivot_.includeNulls) core.where = std::move(anyValue);
      auto from = std::make_unique<TableRef>();
      from->names = {kUnpivotSource};
      from->start = pivot_.start;
      core.from.push_back(std::move(from));
    }
    return true;
  }

 private:
  bool Fail(int code, size_t offset) {
    error_ = MakeOraError(code, "", offset);
    return false;
  }

  static SelectCore& Core(Query& query) {
    query.cores.emplace_back();
    return query.cores.back();
  }

  // The table or subquery the clause follows, without the clause and the alias (which name the result).
  std::unique_ptr<TableRef> Source() {
    auto source = std::make_unique<TableRef>();
    source->kind = table_.kind;
    source->names = table_.names;
    source->start = table_.start;
    source->query = std::move(table_.query);
    return source;
  }

  // aggregate(CASE WHEN for = value THEN operand END): the aggregate over the value's rows.
  bool Filtered(const Expr& aggregate, const SelectItem& value, ExprPtr& out) {
    out = Clone(aggregate);
    const Expr* values = value.expr.get();
    bool list = values->kind == ExprKind::List;
    size_t count = list ? values->args.size() : 1;
    if (!out || count != pivot_.forColumns.size()) return Fail(out ? 1796 : 3001, value.expr->start);
    ExprPtr condition;
    for (size_t k = 0; k < count; ++k) {
      ExprPtr part = Clone(list ? *values->args[k] : *values);
      if (!part) return Fail(3001, value.expr->start);
      ExprPtr equal = Binary("=", ColumnNode(pivot_.forColumns[k], value.expr->start), std::move(part));
      condition = condition ? Binary("AND", std::move(condition), std::move(equal)) : std::move(equal);
    }
    ExprPtr operand =
        out->star || out->args.empty() ? Node(ExprKind::Number, out->start, "1") : std::move(out->args[0]);
    ExprPtr choice = Node(ExprKind::Case, out->start);
    choice->args.push_back(std::move(condition));
    choice->args.push_back(std::move(operand));
    out->star = false;
    if (out->args.empty()) out->args.emplace_back();
    out->args[0] = std::move(choice);
    return true;
  }

  // UNPIVOT's name column(s) for entry k: its AS values, or its columns' names.
  bool Labels(size_t k, SelectCore& core) {
    const std::vector<std::string>& set = pivot_.columnSets[k];
    const ExprPtr& label = pivot_.labels[k];
    std::vector<ExprPtr> parts;
    if (!label) {
      std::string joined;
      for (const std::string& column : set) joined += (joined.empty() ? "" : "_") + column;
      parts.push_back(Node(ExprKind::String, pivot_.start, joined));
    } else if (label->kind == ExprKind::List) {
      for (const ExprPtr& part : label->args) parts.push_back(Clone(*part));
    } else {
      parts.push_back(Clone(*label));
    }
    if (parts.size() != pivot_.forColumns.size()) return Fail(1796, label ? label->start : pivot_.start);
    for (size_t c = 0; c < parts.size(); ++c) {
      if (!parts[c]) return Fail(3001, label->start);
      core.items.push_back({std::move(parts[c]), pivot_.forColumns[c], ""});
    }
    return true;
  }

  TableRef& table_;
  PivotClause& pivot_;
  const std::vector<std::string>& columns_;
  OraError& error_;
};

}  // namespace

bool ExpandPivot(TableRef& table, const std::vector<std::string>& sourceColumns, OraError& error) {
  auto query = std::make_unique<Query>();
  Expander expander(table, sourceColumns, error);
  if (!(table.pivot->unpivot ? expander.Unpivot(*query) : expander.Pivot(*query))) return false;
  table.kind = TableRef::Kind::Subquery;
  table.names.clear();
  table.query = std::move(query);
  table.pivot.reset();
  return true;
}

}  // namespace ocilite
