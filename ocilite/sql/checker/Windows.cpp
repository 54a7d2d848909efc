#include "sql/checker/Checker.h"

namespace ocilite::checker {

namespace {

// Where a frame bound lies, in order: UNBOUNDED PRECEDING, n PRECEDING, CURRENT ROW, ...
int FrameRank(const FrameBound& bound) {
  static const char* const kKinds[] = {"UNBOUNDED PRECEDING", "PRECEDING", "CURRENT ROW", "FOLLOWING",
                                       "UNBOUNDED FOLLOWING"};
  for (int k = 0; k < 5; ++k) {
    if (bound.kind == kKinds[k]) return k;
  }
  return 0;
}

}  // namespace

// OVER (...): its partitions, order and frame; RATIO_TO_REPORT takes no order, and a RANGE
// offset needs a number to order by.
bool Checker::WindowCheck(Expr& e, const Scope& scope) {
  WindowSpec& window = *e.over;
  if (!RewriteAll(window.partitionBy, scope) || !Orders(window.orderBy, scope)) return false;
  if (e.text == "RATIO_TO_REPORT" && !window.orderBy.empty()) return Fail(30487, window.orderBy[0].expr->start);
  if (!window.frameUnit.empty() && FrameRank(window.frameStart) > FrameRank(window.frameEnd)) {
    return Fail(3001, e.start, "a window frame that ends before it starts");
  }
  for (FrameBound* bound : {&window.frameStart, &window.frameEnd}) {
    if (!bound->offset) continue;
    if (!Rewrite(bound->offset, scope)) return false;
    if (window.frameUnit == "RANGE" && window.orderBy[0].expr->type == SqlType::Date) {
      return Fail(3001, bound->offset->start, "RANGE offset over a DATE");
    }
  }
  return true;
}

}  // namespace ocilite::checker
