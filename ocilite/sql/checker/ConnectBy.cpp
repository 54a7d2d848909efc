#include "sql/checker/Checker.h"

#include <algorithm>
#include <string>

namespace ocilite::checker {

namespace {

bool HasPrior(const Expr& e) {
  if (e.kind == ExprKind::Unary && e.text == "PRIOR") return true;
  return std::any_of(e.args.begin(), e.args.end(), [](const ExprPtr& arg) { return HasPrior(*arg); });
}

bool IsDual(const TableRef& table) { return table.kind == TableRef::Kind::Table && table.names.back() == "DUAL"; }

void RownumAsLevel(Expr& e) {
  if (IsRownum(e)) e.text = "LEVEL";
  for (ExprPtr& arg : e.args) RownumAsLevel(*arg);
}

ExprPtr AddedTo(ExprPtr left, ExprPtr right) {
  ExprPtr sum = AndOf(std::move(left), std::move(right));
  sum->text = "+";
  sum->type = SqlType::Number;
  return sum;
}

// Names the hierarchy's columns for its recursive query: the row's own as `name`, PRIOR ones
// as the parent "ZQ$P". LEVEL is 1 for a root and the parent's plus one on a step.
void Qualify(ExprPtr& e, const std::string& name, bool step, bool prior) {
  if (e->kind == ExprKind::Unary && e->text == "PRIOR") {
    Qualify(e->args[0], name, step, true);
    ExprPtr operand = std::move(e->args[0]);
    e = std::move(operand);
    return;
  }
  if (e->kind == ExprKind::Column && e->names.back() == "ZQ$LEVEL" && (!step || !prior)) {
    e->kind = ExprKind::Number;
    e->text = "1";
    if (step) {
      ExprPtr parent = Literal("", e->start);
      parent->kind = ExprKind::Column;
      parent->names = {"ZQ$P", "ZQ$LEVEL"};
      e = AddedTo(std::move(parent), std::move(e));
    }
    return;
  }
  if (e->kind == ExprKind::Column && (e->names.size() == 1 || e->names[e->names.size() - 2] == name)) {
    e->names = {prior ? "ZQ$P" : name, e->names.back()};
    return;
  }
  for (ExprPtr& arg : e->args) Qualify(arg, name, step, prior);
}

}  // namespace

// A hierarchical query runs over one source; * shows that source's columns only.
bool Checker::HierarchyCheck(SelectCore& core, const Scope& scope) {
  Hierarchy& h = *core.hierarchy;
  if (core.from.size() != 1 || core.from[0]->kind == TableRef::Kind::Join) {
    return Fail(3001, core.start, "CONNECT BY over a join");
  }
  h.name = scope.sources[0].name;
  std::vector<SelectItem> items;
  for (SelectItem& item : core.items) {
    if (item.expr->kind != ExprKind::Star) {
      items.push_back(std::move(item));
      continue;
    }
    for (const CatalogColumn& column : scope.sources[0].columns) {
      SelectItem shown;
      shown.expr = std::make_unique<Expr>();
      shown.expr->kind = ExprKind::Column;
      shown.expr->names = {column.name};
      shown.expr->start = shown.expr->end = item.expr->start;
      items.push_back(std::move(shown));
    }
  }
  core.items = std::move(items);
  if (!RowGenerator(core)) return false;
  if (h.startWith && !Rewrite(h.startWith, scope)) return false;
  if (!Rewrite(h.connectBy, scope) || !Orders(h.siblings, scope)) return false;
  if (h.startWith) Qualify(h.startWith, h.name, false, false);
  Qualify(h.connectBy, h.name, true, false);
  for (OrderItem& order : h.siblings) Qualify(order.expr, h.name, false, false);
  return true;
}

// CONNECT BY without PRIOR makes rows rather than walking a tree: no row is its own
// ancestor there. Over DUAL the n-th row made is the one at level n, so ROWNUM in the
// condition is LEVEL.
bool Checker::RowGenerator(SelectCore& core) {
  Hierarchy& h = *core.hierarchy;
  h.generator = !HasPrior(*h.connectBy);
  h.chain = h.generator && IsDual(*core.from[0]);
  const Expr* rownum = FindRownum(*h.connectBy);
  if (!rownum) return true;
  if (!h.generator || !IsDual(*core.from[0])) return Fail(3001, rownum->start, "ROWNUM in CONNECT BY over a table");
  RownumAsLevel(*h.connectBy);
  return true;
}

// LEVEL, SYS_CONNECT_BY_PATH and CONNECT_BY_ROOT: a column the hierarchy's rows carry.
bool Checker::HierarchyValue(ExprPtr& e, const char* column) {
  if (!hierarchy_) return Fail(1788, e->start);
  std::string name = column;
  SqlType type = SqlType::Number;
  if (name == "ZQ$PATH") {
    Qualify(e->args[0], hierarchy_->name, false, false);
    Qualify(e->args[1], hierarchy_->name, false, false);
    name += std::to_string(hierarchy_->paths.size());
    hierarchy_->paths.push_back(std::move(e));
    type = SqlType::Text;
  } else if (name == "ZQ$ROOT") {
    Qualify(e->args[0], hierarchy_->name, false, false);
    name += std::to_string(hierarchy_->roots.size());
    type = e->args[0]->type;
    hierarchy_->roots.push_back(std::move(e->args[0]));
  }
  size_t start = e ? e->start : 0;
  e = Literal("", start);
  e->kind = ExprKind::Column;
  e->names = {hierarchy_->name, name};
  e->type = type;
  return true;
}

}  // namespace ocilite::checker
