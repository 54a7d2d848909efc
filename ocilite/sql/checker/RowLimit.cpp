#include "sql/checker/Checker.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace ocilite::checker {

namespace {

// The rows `ROWNUM op n` keeps: -1 every one, -2 when `e` is no such comparison.
long RowsKept(const Expr& e) {
  if (e.kind != ExprKind::Binary || e.args.size() != 2) return -2;
  std::string op = e.text;
  const Expr* bound = e.args[1].get();
  if (!IsRownum(*e.args[0])) {
    if (!IsRownum(*e.args[1])) return -2;
    bound = e.args[0].get();
    if (op[0] == '<' && op != "<>")
      op[0] = '>';
    else if (op[0] == '>')
      op[0] = '<';
  }
  if (bound->kind != ExprKind::Number) return -2;
  double n = std::strtod(bound->text.c_str(), nullptr);
  if (op == "<") return n < 1 ? 0 : static_cast<long>(std::ceil(n)) - 1;
  if (op == "<=") return n < 1 ? 0 : static_cast<long>(std::floor(n));
  if (op == "=") return n == 1 ? 1 : 0;
  if (op == ">") return n < 1 ? -1 : 0;
  if (op == ">=") return n <= 1 ? -1 : 0;
  return -2;
}

void TakeRowLimits(ExprPtr& e, long& limit) {
  if (!e) return;
  if (e->kind == ExprKind::Binary && e->text == "AND") {
    TakeRowLimits(e->args[0], limit);
    TakeRowLimits(e->args[1], limit);
    if (!e->args[0] || !e->args[1]) e = std::move(e->args[e->args[0] ? 0 : 1]);
    return;
  }
  long rows = RowsKept(*e);
  if (rows == -2) return;
  if (rows >= 0 && (limit < 0 || rows < limit)) limit = rows;
  e.reset();
}

}  // namespace

bool IsRownum(const Expr& e) { return e.kind == ExprKind::Pseudo && e.text == "ROWNUM"; }

const Expr* FindRownum(const Expr& e) {
  if (IsRownum(e)) return &e;
  for (const ExprPtr& arg : e.args) {
    if (const Expr* found = FindRownum(*arg)) return found;
  }
  return nullptr;
}

// ROWNUM < n, <= n, = 1 (and the comparisons that keep every row or none) ANDed into WHERE
// become the core's row limit; ROWNUM anywhere else in WHERE is refused. Oracle numbers
// the rows before grouping them, so a grouped core counts its source's rows.
bool Checker::RowLimit(SelectCore& core) {
  TakeRowLimits(core.where, core.rowLimit);
  if (const Expr* rownum = core.where ? FindRownum(*core.where) : nullptr) {
    return Fail(3001, rownum->start, "ROWNUM in this condition");
  }
  bool grouped = core.distinct || !core.groupBy.empty() || HasAggregate(core.having.get());
  for (const SelectItem& item : core.items) grouped = grouped || HasAggregate(item.expr.get());
  if (core.rowLimit < 0 || !grouped) return true;
  if (core.from.size() != 1 || core.from[0]->kind == TableRef::Kind::Join) {
    return Fail(3001, core.start, "ROWNUM in a grouped query over a join");
  }
  core.limitBeforeGrouping = true;
  return true;
}

}  // namespace ocilite::checker
