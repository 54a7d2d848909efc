#include "sql/checker/Checker.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace ocilite::checker {

namespace {

// The source a column belongs to: its qualifier, or the one source that has it.
std::string SourceOf(const Expr& column, const Scope& scope) {
  if (column.names.size() > 1) return column.names[column.names.size() - 2];
  for (const Source& source : scope.sources) {
    for (const CatalogColumn& c : source.columns) {
      if (c.name == column.names.back()) return source.name;
    }
  }
  return std::string();
}

// The sources named by the columns of `e`, marked with (+) or not.
void SourcesIn(const Expr& e, const Scope& scope, std::set<std::string>& marked, std::set<std::string>& plain) {
  if (e.kind == ExprKind::Column) (e.outerJoin ? marked : plain).insert(SourceOf(e, scope));
  for (const ExprPtr& arg : e.args) SourcesIn(*arg, scope, marked, plain);
}

void Conjuncts(ExprPtr& e, std::vector<ExprPtr>& out) {
  if (e && e->kind == ExprKind::Binary && e->text == "AND") {
    Conjuncts(e->args[0], out);
    Conjuncts(e->args[1], out);
  } else if (e) {
    out.push_back(std::move(e));
  }
}

bool Names(const TableRef& table, const std::string& name) {
  if (table.kind == TableRef::Kind::Join) return Names(*table.left, name) || Names(*table.right, name);
  return (table.alias.empty() ? (table.names.empty() ? "" : table.names.back()) : table.alias) == name;
}

// The (+) conditions on one table's columns: the ON of the LEFT JOIN that brings it.
struct OuterJoinConditions {
  std::string table;
  std::string partner;  // the first other table those conditions name: the join's left side
  ExprPtr on;
};

// Takes WHERE apart: the conditions without (+) go to `kept`, the others to the table their
// (+) columns belong to, tables in the order they are first met. False with `conflictAt` set
// when one condition marks two tables.
bool CollectOuterJoins(ExprPtr& where, const Scope& scope, std::vector<ExprPtr>& kept,
                       std::vector<OuterJoinConditions>& joins, size_t& conflictAt) {
  std::vector<ExprPtr> conditions;
  Conjuncts(where, conditions);
  where.reset();  // only the emptied ANDs that held the conditions are left
  for (ExprPtr& condition : conditions) {
    std::set<std::string> marked, plain;
    SourcesIn(*condition, scope, marked, plain);
    if (marked.size() > 1) {
      conflictAt = condition->start;
      return false;
    }
    if (marked.empty()) {
      kept.push_back(std::move(condition));
      continue;
    }
    const std::string& table = *marked.begin();
    plain.erase(table);
    auto join = std::find_if(joins.begin(), joins.end(),
                             [&](const OuterJoinConditions& gathered) { return gathered.table == table; });
    if (join == joins.end()) join = joins.insert(joins.end(), OuterJoinConditions{table, std::string(), nullptr});
    if (join->partner.empty() && !plain.empty()) join->partner = *plain.begin();
    join->on = AndOf(std::move(join->on), std::move(condition));
  }
  return true;
}

}  // namespace

ExprPtr AndOf(ExprPtr left, ExprPtr right) {
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

// WHERE a.x = b.y(+): the conditions on b's (+) columns become the ON of `a LEFT JOIN b`.
bool Checker::OuterJoins(SelectCore& core, Scope& scope) {
  std::vector<ExprPtr> kept;
  std::vector<OuterJoinConditions> joins;
  size_t conflictAt = 0;
  if (!CollectOuterJoins(core.where, scope, kept, joins, conflictAt)) return Fail(1468, conflictAt);
  for (OuterJoinConditions& joined : joins) {
    auto found = std::find_if(core.from.begin(), core.from.end(), [&](const std::unique_ptr<TableRef>& ref) {
      return ref->kind != TableRef::Kind::Join && Names(*ref, joined.table);
    });
    auto other = std::find_if(core.from.begin(), core.from.end(), [&](const std::unique_ptr<TableRef>& ref) {
      return !joined.partner.empty() && Names(*ref, joined.partner);
    });
    if (found == core.from.end() || other == core.from.end() || other == found) {
      kept.push_back(std::move(joined.on));  // no other table: (+) changes nothing
      continue;
    }
    auto join = std::make_unique<TableRef>();
    join->kind = TableRef::Kind::Join;
    join->joinType = "LEFT";
    join->right = std::move(*found);
    join->on = std::move(joined.on);
    join->left = std::move(*other);
    if (!Rewrite(join->on, scope)) return false;
    *other = std::move(join);
    core.from.erase(std::find(core.from.begin(), core.from.end(), nullptr));
  }
  for (ExprPtr& condition : kept) core.where = AndOf(std::move(core.where), std::move(condition));
  return true;
}

}  // namespace ocilite::checker
