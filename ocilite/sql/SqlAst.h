// The tree the parser makes of an Oracle query or DML statement. Every node keeps the span
// of the text it came from, so that checks can point into what the user wrote and an
// unaliased select item can take its heading from its own text.
#ifndef ZENQUILL_OCILITE_SQLAST_H
#define ZENQUILL_OCILITE_SQLAST_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace ocilite {

// The one package function the library answers, a pseudo column to the parser.
constexpr const char* kTransactionIdName = "DBMS_TRANSACTION.LOCAL_TRANSACTION_ID";

// What the checks know of a value's type.
enum class SqlType { Unknown, Number, Text, Date };

struct Query;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;
using QueryPtr = std::unique_ptr<Query>;

enum class ExprKind {
  Number,  // text: the literal
  String,  // text: the content, quotes removed and '' undone
  Null,
  Column,       // names: [schema.]table.column or column
  Star,         // names: the qualifier, if any
  Pseudo,       // text: SYSDATE, SYSTIMESTAMP, USER, kTransactionIdName
  Sequence,     // names: [owner.]sequence, text: NEXTVAL or CURRVAL
  DateLiteral,  // text: DATE '...' content
  Unary,        // text: "-", "+" or "NOT"
  Binary,       // text: + - * / || AND OR = <> < <= > >=
  Function,     // text: upper-case name; args; star for COUNT(*); distinct; over
  Case,         // args: [operand], when, then, ..., [else]; hasOperand, hasElse
  Subquery,     // query: a scalar subquery
  Exists,       // query
  InList,       // args[0] IN (args[1..]); negated
  InQuery,      // args[0] IN (query); negated
  Between,      // args: value, low, high; negated
  Like,         // args: value, pattern, [escape]; negated
  IsNull,       // args[0]; negated
  Extract,      // text: the field; args[0]
  List,         // (a, b): a row of values
  Quantified    // args[0] text ANY|ALL (args[1..]) or (query); names[0]: ANY or ALL

};

struct OrderItem {
  ExprPtr expr;
  bool descending = false;
  int nulls = 0;  // 0: Oracle's default, 1: NULLS FIRST, 2: NULLS LAST
};

// One end of a windowing clause: UNBOUNDED PRECEDING|FOLLOWING, CURRENT ROW, or n PRECEDING|FOLLOWING.
struct FrameBound {
  std::string kind;  // as written, without the offset: "UNBOUNDED PRECEDING", "PRECEDING", "CURRENT ROW", ...
  ExprPtr offset;
};

struct WindowSpec {
  std::vector<ExprPtr> partitionBy;
  std::vector<OrderItem> orderBy;
  std::string frameUnit;  // ROWS or RANGE; empty: the default frame
  FrameBound frameStart;
  FrameBound frameEnd;  // CURRENT ROW when the clause names one end only
};

struct Expr {
  ExprKind kind;
  size_t start = 0;  // span in the source text
  size_t end = 0;
  std::string text;
  std::vector<std::string> names;
  std::vector<ExprPtr> args;
  QueryPtr query;
  bool negated = false;
  bool mustYieldOneRow = false;  // a scalar subquery Oracle refuses when it gives more than one row
  bool star = false;             // COUNT(*)
  bool distinct = false;         // COUNT(DISTINCT x)
  bool hasOperand = false;
  bool hasElse = false;
  bool outerJoin = false;  // column(+): its table's rows may be missing (an old-style outer join)
  std::unique_ptr<WindowSpec> over;
  std::vector<OrderItem> withinGroup;  // LISTAGG(...) WITHIN GROUP (ORDER BY ...), or KEEP's order
  int keep = 0;                        // KEEP (DENSE_RANK FIRST|LAST ORDER BY ...): 1 FIRST, 2 LAST
  int groupIndex = -1;                 // set by the checks: the GROUP BY expression this one is, under ROLLUP/CUBE
  SqlType type = SqlType::Unknown;     // set by the checks
};

struct SelectItem {
  ExprPtr expr;
  std::string alias;  // empty: the heading comes from the text
  std::string heading;
};

// PIVOT (aggregates FOR column(s) IN (values)) or UNPIVOT [INCLUDE|EXCLUDE NULLS] (value
// column(s) FOR name column(s) IN (column sets)) after a table or subquery. The checks make the
// table with it a query of its own (SqlPivot.h).
struct PivotClause {
  bool unpivot = false;
  bool includeNulls = false;
  size_t start = 0;
  std::vector<SelectItem> aggregates;                // PIVOT's, each with its alias
  std::vector<std::string> forColumns;               // PIVOT's FOR column(s), UNPIVOT's name column(s)
  std::vector<SelectItem> values;                    // PIVOT's IN values (one, or a List), with aliases
  std::vector<std::string> valueColumns;             // UNPIVOT's value column(s)
  std::vector<std::vector<std::string>> columnSets;  // UNPIVOT's IN column(s)
  std::vector<ExprPtr> labels;                       // their names (AS ...), null where the columns name them
};

struct TableRef {
  enum class Kind { Table, Subquery, Join };
  Kind kind = Kind::Table;
  std::vector<std::string> names;  // [schema.]table
  size_t start = 0;
  QueryPtr query;
  std::string alias;
  // A join: left JOIN right ON/USING
  std::string joinType;  // INNER, LEFT, RIGHT, FULL, CROSS, NATURAL ...
  std::unique_ptr<TableRef> left;
  std::unique_ptr<TableRef> right;
  ExprPtr on;
  std::vector<std::string> usingColumns;
  std::unique_ptr<PivotClause> pivot;
};

// START WITH ... CONNECT BY [NOCYCLE] ... [ORDER SIBLINGS BY ...]. The checks move the
// hierarchy's values (SYS_CONNECT_BY_PATH, CONNECT_BY_ROOT) here and leave columns of the
// hierarchy's rows in their place.
struct Hierarchy {
  ExprPtr startWith;  // null: every row is a root
  ExprPtr connectBy;  // PRIOR columns name the parent row "ZQ$P"
  bool noCycle = false;
  bool generator = false;  // no PRIOR: each row joins every row while the condition holds (CONNECT BY LEVEL <= n)
  bool chain = false;      // a generator over DUAL: one row a level
  std::vector<OrderItem> siblings;
  std::vector<ExprPtr> paths;  // SYS_CONNECT_BY_PATH(value, separator) calls
  std::vector<ExprPtr> roots;  // CONNECT_BY_ROOT operands
  std::string name;            // what the source's columns are qualified with
};

struct SelectCore {
  bool distinct = false;
  size_t start = 0;
  std::vector<SelectItem> items;
  std::vector<std::unique_ptr<TableRef>> from;
  ExprPtr where;
  std::vector<ExprPtr> groupBy;
  // ROLLUP and CUBE: the sets of groupBy entries (bit k: entry k) grouped by in turn.
  std::vector<unsigned> groupingSets;
  ExprPtr having;
  QueryPtr nested;  // ( query ) standing as one member of a compound
  // ROWNUM < n and the like in WHERE: the rows kept, -1 for all; counted before any grouping.
  long rowLimit = -1;
  bool limitBeforeGrouping = false;
  std::unique_ptr<Hierarchy> hierarchy;
};

struct CommonTable {
  std::string name;
  std::vector<std::string> columns;
  QueryPtr query;
};

struct Query {
  std::vector<CommonTable> with;
  std::vector<SelectCore> cores;       // joined by `operators`
  std::vector<std::string> operators;  // UNION, UNION ALL, INTERSECT, MINUS
  std::vector<OrderItem> orderBy;
  ExprPtr offset;  // OFFSET n ROWS
  ExprPtr fetch;   // FETCH FIRST|NEXT n ROWS ONLY|WITH TIES
  bool withTies = false;
  bool fetchPercent = false;             // FETCH FIRST n PERCENT ROWS
  std::vector<std::string> resultNames;  // set by the checks: the columns the query gives
};

struct Assignment {
  std::vector<std::string> columns;  // one, or several set from a subquery
  size_t start = 0;
  ExprPtr value;
};

// MERGE's clauses: WHEN MATCHED THEN UPDATE (the statement's assignments) [WHERE] [DELETE
// WHERE], WHEN NOT MATCHED THEN INSERT (the statement's columns and values) [WHERE].
struct MergeClauses {
  std::unique_ptr<TableRef> source;
  ExprPtr on;
  ExprPtr updateWhere;
  ExprPtr deleteWhere;
  bool inserts = false;
  ExprPtr insertWhere;
};

struct DmlStatement {
  enum class Kind { Select, Insert, Update, Delete, Merge };
  Kind kind = Kind::Select;
  QueryPtr query;  // the SELECT, or INSERT's source query
  TableRef target;
  std::vector<std::string> columns;          // INSERT's column list
  std::vector<std::vector<ExprPtr>> values;  // INSERT ... VALUES rows
  std::vector<Assignment> assignments;       // UPDATE ... SET
  ExprPtr where;
  MergeClauses merge;
  std::vector<DmlStatement> inserts;  // INSERT ALL: each INTO, its values over the query's rows
  // Conditional INSERT ALL|FIRST: the WHEN conditions; each INTO names its own by `when`.
  std::vector<ExprPtr> whens;
  bool insertFirst = false;  // only the first WHEN that holds inserts
  int when = kEveryRow;      // an INTO's WHEN condition, by index, or one of the two below
  static constexpr int kEveryRow = -1;
  static constexpr int kNoWhenHolds = -2;  // ELSE INTO
};

}  // namespace ocilite

#endif
