#include "sql/checker/Checker.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace ocilite::checker {

namespace {

// A text that is the same for two expressions Oracle takes as the same.
std::string Key(const Expr& e) {
  std::string key = std::to_string(static_cast<int>(e.kind)) + ":" + e.text;
  if (e.kind == ExprKind::Column) key += e.names.back();
  for (const ExprPtr& arg : e.args) key += "(" + Key(*arg) + ")";
  if (e.negated) key += "!";
  if (e.mustYieldOneRow) key += "1";
  return key;
}

bool IsGroupingCall(const Expr& e) { return e.kind == ExprKind::Function && e.text == "GROUPING"; }

void MarkGrouped(Expr& e, const std::vector<std::string>& keys) {
  auto found = std::find(keys.begin(), keys.end(), Key(e));
  if (found != keys.end()) {
    e.groupIndex = static_cast<int>(found - keys.begin());
    return;
  }
  for (ExprPtr& arg : e.args) MarkGrouped(*arg, keys);
}

bool IsSelectName(const SelectCore& core, const Expr& e) {
  if (e.kind != ExprKind::Column || e.names.size() != 1) return false;
  for (const SelectItem& item : core.items) {
    if (item.alias == e.names[0]) return true;
  }
  return false;
}

}  // namespace

// ORDER BY GROUPING(x): the rows of a ROLLUP or CUBE are ordered after they are put together,
// so by the select list's column that shows it; without one GROUPING is 0 and orders nothing.
bool Checker::GroupingOrders(const SelectCore& core, std::vector<OrderItem>& orders) {
  for (size_t k = orders.size(); k-- > 0;) {
    Expr& order = *orders[k].expr;
    if (!IsGroupingCall(order)) continue;
    if (core.groupingSets.empty()) {
      orders.erase(orders.begin() + static_cast<long>(k));
      continue;
    }
    auto shown = std::find_if(core.items.begin(), core.items.end(),
                              [&](const SelectItem& item) { return Key(*item.expr) == Key(order); });
    if (shown == core.items.end()) return Fail(3001, order.start, "ORDER BY GROUPING() not in the select list");
    order.kind = ExprKind::Number;
    order.text = std::to_string(shown - core.items.begin() + 1);
    order.args.clear();
  }
  return true;
}

// Under ROLLUP and CUBE, what the select list and HAVING show of each GROUP BY
// expression, for the generator to put NULL in its place where a set leaves it out.
void Checker::MarkGroupedAll(SelectCore& core) {
  std::vector<std::string> keys;
  for (const ExprPtr& group : core.groupBy) keys.push_back(Key(*group));
  for (SelectItem& item : core.items) MarkGrouped(*item.expr, keys);
  if (core.having) MarkGrouped(*core.having, keys);
}

// ORA-00937/ORA-00979: in a grouped query every column must be grouped or aggregated.
bool Checker::GroupCheck(const SelectCore& core, const std::vector<OrderItem>* orderBy) {
  bool grouped = !core.groupBy.empty() || HasAggregate(core.having.get());
  for (const SelectItem& item : core.items) grouped = grouped || HasAggregate(item.expr.get());
  if (!grouped) return true;
  std::set<std::string> keys;
  for (const ExprPtr& group : core.groupBy) keys.insert(Key(*group));
  int code = core.groupBy.empty() ? 937 : 979;
  for (const SelectItem& item : core.items) {
    if (item.expr->kind == ExprKind::Star) return Fail(code, item.expr->start);
    if (!Grouped(*item.expr, keys, code)) return false;
  }
  if (core.having && !Grouped(*core.having, keys, code)) return false;
  if (!orderBy) return true;
  for (const OrderItem& order : *orderBy) {
    if (order.expr->kind == ExprKind::Number || IsSelectName(core, *order.expr)) continue;
    if (!Grouped(*order.expr, keys, 979)) return false;
  }
  return true;
}

bool Checker::Grouped(const Expr& e, const std::set<std::string>& keys, int code) {
  if (keys.count(Key(e)) || IsAggregate(e)) return true;
  if (e.kind == ExprKind::Column) return Fail(code, e.start);
  if (e.kind == ExprKind::Subquery || e.kind == ExprKind::Exists) return true;
  for (const ExprPtr& arg : e.args) {
    if (!Grouped(*arg, keys, code)) return false;
  }
  return true;
}

}  // namespace ocilite::checker
