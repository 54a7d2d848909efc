// The checker's state shared by the files of its concerns: names and types in SqlChecker.cpp,
// each dialect rewrite in a file of its own under checker/.
#ifndef ZENQUILL_OCILITE_CHECKER_H
#define ZENQUILL_OCILITE_CHECKER_H

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "oracle/OraError.h"
#include "sql/SqlAst.h"
#include "sql/SqlChecker.h"

namespace ocilite::checker {

struct Source {
  std::string name;  // alias, or the table's own name
  std::vector<CatalogColumn> columns;
  std::set<std::string> joinedOn;  // USING or NATURAL columns that * shows once, from the left
};

struct Scope {
  std::vector<Source> sources;
  const Scope* outer = nullptr;
  std::vector<Source> commonTables;  // WITH names visible here and below
  // "source.column" of a column a USING (25154) or NATURAL (25155) join is made on: never qualified.
  std::map<std::string, int> joinColumns;
};

bool IsAggregate(const Expr& e);
bool HasAggregate(const Expr* e);
ExprPtr Literal(const std::string& text, size_t start);
// Replaces `e` by name(e).
void WrapIn(ExprPtr& e, const std::string& name, SqlType type);
bool IsRownum(const Expr& e);
// The first ROWNUM in `e`, or null.
const Expr* FindRownum(const Expr& e);
// left AND right; right alone when there is no left.
ExprPtr AndOf(ExprPtr left, ExprPtr right);

class Checker {
 public:
  Checker(const CheckOptions& options, std::string_view sql, OraError& error)
      : options_(options), sql_(sql), error_(error) {}
  bool Statement(DmlStatement& s, std::vector<SqlType>& resultTypes);
  bool QueryOnly(Query& query);

 private:
  // Which hierarchy LEVEL, PRIOR and the rest belong to while a core is checked.
  class HierarchyScope {
   public:
    HierarchyScope(Hierarchy*& current, Hierarchy* core) : current_(current), saved_(current) { current = core; }
    ~HierarchyScope() { current_ = saved_; }
    HierarchyScope(const HierarchyScope&) = delete;
    HierarchyScope& operator=(const HierarchyScope&) = delete;

   private:
    Hierarchy*& current_;
    Hierarchy* saved_;
  };

  // Statements, names and types (SqlChecker.cpp)
  bool Fail(int code, size_t offset, const std::string& detail = "");
  bool Insert(DmlStatement& s, Scope& scope);
  bool Rows(DmlStatement& s, const Source& target, const Scope& scope);
  bool InsertAll(DmlStatement& s);
  bool Merge(DmlStatement& s, const Source& target);
  bool TakeDefault(const TableRef& table, const std::string& column, ExprPtr& value);
  bool TableSource(const TableRef& table, const Scope& scope, Source& source);
  bool FromItem(TableRef& table, Scope& scope, const Scope& outer);
  bool Pivot(TableRef& table, const Scope& outer);
  bool ColumnNames(const Query& query, const Scope& outer, std::vector<std::string>& names);
  bool QualifierAllowed(const Expr& e, const Scope& scope);
  bool ComparedTypesAgree(const Expr& e);
  bool QueryCheck(Query& query, const Scope& outer, std::vector<CatalogColumn>& columns);
  bool Orders(std::vector<OrderItem>& orders, const Scope& scope);
  bool CoreCheck(SelectCore& core, const Scope& outer, std::vector<CatalogColumn>& columns,
                 std::vector<OrderItem>* orderBy);
  SqlType ResolveColumn(const Expr& e, const Scope& scope);
  bool RewriteAll(std::vector<ExprPtr>& list, const Scope& scope);
  bool Rewrite(ExprPtr& e, const Scope& scope);
  bool DateLiteral(Expr& e);

  // GROUP BY, ROLLUP and CUBE (checker/Grouping.cpp)
  bool GroupingOrders(const SelectCore& core, std::vector<OrderItem>& orders);
  static void MarkGroupedAll(SelectCore& core);
  bool GroupCheck(const SelectCore& core, const std::vector<OrderItem>* orderBy);
  bool Grouped(const Expr& e, const std::set<std::string>& keys, int code);

  // ROWNUM as a row limit (checker/RowLimit.cpp)
  bool RowLimit(SelectCore& core);

  // CONNECT BY (checker/ConnectBy.cpp)
  bool HierarchyCheck(SelectCore& core, const Scope& scope);
  bool RowGenerator(SelectCore& core);
  bool HierarchyValue(ExprPtr& e, const char* column);

  // (+) outer joins (checker/OuterJoins.cpp)
  bool OuterJoins(SelectCore& core, Scope& scope);

  // OVER (...) windows (checker/Windows.cpp)
  bool WindowCheck(Expr& e, const Scope& scope);

  const CheckOptions& options_;
  std::string_view sql_;
  OraError& error_;
  Hierarchy* hierarchy_ = nullptr;
};

}  // namespace ocilite::checker

#endif
