#include "sql/SqlAnalytics.h"

#include <algorithm>

#include "sql/SqlInterval.h"

namespace ocilite {

namespace {

bool Listed(const std::string& name, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* listed) { return name == listed; });
}

bool IsAggregateCall(const Expr& e) { return e.kind == ExprKind::Function && !e.over && IsAggregateName(e.text); }

bool HoldsAggregate(const Expr& e) {
  if (IsAggregateCall(e)) return true;
  return std::any_of(e.args.begin(), e.args.end(), [](const ExprPtr& arg) { return HoldsAggregate(*arg); });
}

bool NestsAggregate(const Expr& e) {
  if (IsAggregateCall(e)) {
    return std::any_of(e.args.begin(), e.args.end(), [](const ExprPtr& arg) { return HoldsAggregate(*arg); });
  }
  return std::any_of(e.args.begin(), e.args.end(), [](const ExprPtr& arg) { return NestsAggregate(*arg); });
}

// The same text with the same operands: an expression GROUP BY names.
bool SameExpr(const Expr& a, const Expr& b) {
  if (a.kind != b.kind || a.text != b.text || a.names != b.names || a.args.size() != b.args.size()) return false;
  for (size_t k = 0; k < a.args.size(); ++k) {
    if (!SameExpr(*a.args[k], *b.args[k])) return false;
  }
  return true;
}

class Splitter {
 public:
  explicit Splitter(SelectCore& inner) : inner_(inner) {}

  // Under an outer aggregate: inner aggregates and grouped expressions become columns.
  void Operand(ExprPtr& e) {
    bool grouped = std::any_of(inner_.groupBy.begin(), inner_.groupBy.end(),
                               [&](const ExprPtr& group) { return SameExpr(*group, *e); });
    if (IsAggregateCall(*e) || (grouped && e->kind != ExprKind::Number)) return Replace(e);
    for (ExprPtr& arg : e->args) Operand(arg);
  }

  void Item(ExprPtr& e) {
    if (IsAggregateCall(*e)) {
      for (ExprPtr& arg : e->args) Operand(arg);
      return;
    }
    for (ExprPtr& arg : e->args) Item(arg);
  }

 private:
  void Replace(ExprPtr& e) {
    std::string name = "ZQ$A" + std::to_string(inner_.items.size());
    auto column = std::make_unique<Expr>();
    column->kind = ExprKind::Column;
    column->names = {name};
    column->start = e->start;
    column->end = e->end;
    SelectItem item;
    item.alias = name;
    item.expr = std::move(e);
    inner_.items.push_back(std::move(item));
    e = std::move(column);
  }

  SelectCore& inner_;
};

}  // namespace

bool IsAggregateName(const std::string& name) {
  return Listed(name, {"COUNT", "SUM", "AVG", "MIN", "MAX", "STDDEV", "VARIANCE", "MEDIAN", "LISTAGG", "STDDEV_POP",
                       "STDDEV_SAMP", "VAR_POP", "VAR_SAMP",
                       // not run (SQLite knows no such function: ORA-03001), but aggregates to the grouping checks
                       "CORR", "COVAR_POP", "COVAR_SAMP", "STATS_MODE", "REGR_SLOPE", "REGR_INTERCEPT", "REGR_COUNT",
                       "REGR_R2", "REGR_AVGX", "REGR_AVGY"});
}

SqlType KnownType(const std::string& name) {
  if (name == kIntervalMonths || name == kIntervalDays) return SqlType::Text;  // as Oracle shows one
  if (Listed(name, {"SOUNDEX", "NLS_UPPER", "NLS_LOWER", "NLS_INITCAP"})) return SqlType::Text;
  bool number = Listed(name, {"STDDEV_POP",   "STDDEV_SAMP", "VAR_POP", "VAR_SAMP",  "MEDIAN",       "RATIO_TO_REPORT",
                              "REGEXP_COUNT", "SIN",         "COS",     "TAN",       "ASIN",         "ACOS",
                              "ATAN",         "ATAN2",       "SINH",    "COSH",      "TANH",         "BITAND",
                              "WIDTH_BUCKET", "NANVL",       "LENGTHB", "CUME_DIST", "PERCENT_RANK", "NTILE"});
  return number ? SqlType::Number : SqlType::Unknown;
}

bool SplitNestedAggregates(SelectCore& core) {
  if (std::none_of(core.items.begin(), core.items.end(), [](const SelectItem& item) {
        return item.expr->kind != ExprKind::Star && NestsAggregate(*item.expr);
      })) {
    return false;
  }
  auto query = std::make_unique<Query>();
  query->cores.emplace_back();
  SelectCore& inner = query->cores.back();
  inner.start = core.start;
  inner.from = std::move(core.from);
  inner.where = std::move(core.where);
  inner.groupBy = std::move(core.groupBy);
  inner.groupingSets = std::move(core.groupingSets);
  inner.having = std::move(core.having);
  inner.hierarchy = std::move(core.hierarchy);
  Splitter splitter(inner);
  for (SelectItem& item : core.items) {
    if (item.expr->kind != ExprKind::Star) splitter.Item(item.expr);
  }
  auto source = std::make_unique<TableRef>();
  source->kind = TableRef::Kind::Subquery;
  source->start = core.start;
  source->alias = "ZQ$G";
  source->query = std::move(query);
  core.from.clear();
  core.from.push_back(std::move(source));
  core.groupBy.clear();
  core.groupingSets.clear();
  return true;
}

}  // namespace ocilite
