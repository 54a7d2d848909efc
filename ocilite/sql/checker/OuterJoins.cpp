#include "sql/checker/Checker.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace ocilite::checker {

// The source a column belongs to: its qualifier, or the one source that has it.
std::string Checker::SourceOf(const Expr& column, const Scope& scope) {
  if (column.names.size() > 1) return column.names[column.names.size() - 2];
  for (const Source& source : scope.sources) {
    for (const CatalogColumn& c : source.columns) {
      if (c.name == column.names.back()) return source.name;
    }
  }
  return std::string();
}

// The sources named by the columns of `e`, marked with (+) or not.
void Checker::SourcesIn(const Expr& e, const Scope& scope, std::set<std::string>& marked,
                        std::set<std::string>& plain) {
  if (e.kind == ExprKind::Column) (e.outerJoin ? marked : plain).insert(SourceOf(e, scope));
  for (const ExprPtr& arg : e.args) SourcesIn(*arg, scope, marked, plain);
}

void Checker::Conjuncts(ExprPtr& e, std::vector<ExprPtr>& out) {
  if (e && e->kind == ExprKind::Binary && e->text == "AND") {
    Conjuncts(e->args[0], out);
    Conjuncts(e->args[1], out);
  } else if (e) {
    out.push_back(std::move(e));
  }
}

ExprPtr Checker::AndOf(ExprPtr left, ExprPtr right) {
  if (!left) return right;
  auto node = std::make_unique<Expr>();
  node->kind = ExprKind::Binary;
  node->text = "AND";
  node->start = left->start;
  node->end = right->end;
  node->args.push_back(std::move(left));
  node->args.push_back(std::move(right));
  return node;
}

bool Checker::Names(const TableRef& table, const std::string& name) {
  if (table.kind == TableRef::Kind::Join) return Names(*table.left, name) || Names(*table.right, name);
  return (table.alias.empty() ? (table.names.empty() ? "" : table.names.back()) : table.alias) == name;
}

// WHERE a.x = b.y(+): the conditions on b's (+) columns become the ON of `a LEFT JOIN b`.
bool Checker::OuterJoins(SelectCore& core, Scope& scope) {
  std::vector<ExprPtr> conditions;
  Conjuncts(core.where, conditions);
  std::vector<std::string> order;
  std::vector<ExprPtr> kept;
  std::vector<std::pair<ExprPtr, std::string>> joined;  // condition, the table it brings
  for (ExprPtr& condition : conditions) {
    std::set<std::string> marked, plain;
    SourcesIn(*condition, scope, marked, plain);
    if (marked.size() > 1) return Fail(1468, condition->start);
    if (marked.empty()) {
      kept.push_back(std::move(condition));
      continue;
    }
    const std::string& table = *marked.begin();
    plain.erase(table);
    joined.push_back({std::move(condition), plain.empty() ? std::string() : *plain.begin()});
    if (std::find(order.begin(), order.end(), table) == order.end()) order.push_back(table);
  }
  for (const std::string& table : order) {
    auto is = [&](const std::unique_ptr<TableRef>& ref) {
      return ref->kind != TableRef::Kind::Join && Names(*ref, table);
    };
    auto found = std::find_if(core.from.begin(), core.from.end(), is);
    ExprPtr on;
    std::string partner;
    for (auto& condition : joined) {
      std::set<std::string> marked, plain;
      if (!condition.first) continue;
      SourcesIn(*condition.first, scope, marked, plain);
      if (*marked.begin() != table) continue;
      if (partner.empty()) partner = condition.second;
      on = AndOf(std::move(on), std::move(condition.first));
    }
    auto other = std::find_if(core.from.begin(), core.from.end(), [&](const std::unique_ptr<TableRef>& ref) {
      return !partner.empty() && Names(*ref, partner);
    });
    if (found == core.from.end() || other == core.from.end() || other == found) {
      kept.push_back(std::move(on));  // no other table: (+) changes nothing
      continue;
    }
    auto join = std::make_unique<TableRef>();
    join->kind = TableRef::Kind::Join;
    join->joinType = "LEFT";
    join->right = std::move(*found);
    join->on = std::move(on);
    join->left = std::move(*other);
    if (!Rewrite(join->on, scope)) return false;
    *other = std::move(join);
    core.from.erase(std::find(core.from.begin(), core.from.end(), nullptr));
  }
  for (ExprPtr& condition : kept) core.where = AndOf(std::move(core.where), std::move(condition));
  return true;
}

}  // namespace ocilite::checker
