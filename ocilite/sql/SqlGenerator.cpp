#include "sql/SqlGenerator.h"

#include "sql/SqliteCalls.h"

namespace ocilite {

namespace {

std::string QuoteName(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

class Generator {
 public:
  explicit Generator(Translation& out) : out_(out) {}

  void Statement(const DmlStatement& s) {
    switch (s.kind) {
      case DmlStatement::Kind::Select: Query(*s.query); break;
      case DmlStatement::Kind::Insert:
        if (!s.inserts.empty()) return InsertAll(s);
        Text("INSERT INTO ");
        Target(s.target);
        Columns(s.columns);
        if (s.query) {
          Text(" ");
          Query(*s.query);
        }
        for (const auto& row : s.values) {
          Text(" VALUES (");
          List(row);
          Text(")");
        }
        break;
      case DmlStatement::Kind::Update:
        Text("UPDATE ");
        Target(s.target);
        Assignments(s);
        Where(s.where.get());
        break;
      case DmlStatement::Kind::Delete:
        Text("DELETE FROM ");
        Target(s.target);
        Where(s.where.get());
        break;
      case DmlStatement::Kind::Merge: Merge(s); break;
    }
  }

  // MERGE as UPDATE ... FROM, DELETE and INSERT ... SELECT of the unmatched source rows; the
  // DELETE's rows are not counted, since Oracle counts them among the updated ones.
  void Merge(const DmlStatement& s) {
    const MergeClauses& merge = s.merge;
    if (!s.assignments.empty()) {
      Text("UPDATE ");
      Target(s.target);
      Assignments(s);
      Text(" FROM ");
      Table(*merge.source);
      Where(merge.on.get());
      And(merge.updateWhere.get());
      EndStatement(true);
    }
    if (merge.deleteWhere) {
      Text("DELETE FROM ");
      Target(s.target);
      Matched(s, true);
      And(merge.deleteWhere.get());
      EndStatement(false);
    }
    if (!merge.inserts) return;
    Text("INSERT INTO ");
    Names(s.target.names, s.target.start);
    Columns(s.columns);
    Text(" SELECT ");
    List(s.values[0]);
    Text(" FROM ");
    Table(*merge.source);
    Text(" WHERE NOT");
    Matched(s, false);
    And(merge.insertWhere.get());
    EndStatement(true);
  }

  void InsertAll(const DmlStatement& s) {
    for (const DmlStatement& into : s.inserts) {
      Text("INSERT INTO ");
      Names(into.target.names, into.target.start);
      Columns(into.columns);
      Text(" SELECT ");
      if (into.values.empty()) {
        Text("*");
      } else {
        List(into.values[0]);
      }
      Text(" FROM (");
      Query(*s.query);
      Text(")");
      WhenHolds(s, into.when);
      EndStatement(true);
    }
  }

  // The rows an INTO of a conditional INSERT takes: its WHEN holds and, under INSERT FIRST, no
  // earlier one; under ELSE, none holds.
  void WhenHolds(const DmlStatement& s, int when) {
    if (when == DmlStatement::kEveryRow) return;
    const char* head = " WHERE ";
    if (when >= 0) {
      Text(" WHERE coalesce(");
      Expression(*s.whens[when]);
      Text(", 0)");
      head = " AND ";
    }
    size_t earlier = when >= 0 && s.insertFirst ? static_cast<size_t>(when) : when >= 0 ? 0 : s.whens.size();
    for (size_t k = 0; k < earlier; ++k) {
      Text(std::string(k ? " AND " : head) + "NOT coalesce(");
      Expression(*s.whens[k]);
      Text(", 0)");
    }
  }

  // EXISTS (the target's rows that a source row matches), from either side.
  void Matched(const DmlStatement& s, bool fromTarget) {
    Text(fromTarget ? " WHERE EXISTS (SELECT 1 FROM " : " EXISTS (SELECT 1 FROM ");
    if (fromTarget) {
      Table(*s.merge.source);
    } else {
      Target(s.target);
    }
    Where(s.merge.on.get());
    Text(")");
  }

  void And(const Expr* condition) {
    if (!condition) return;
    Text(" AND ");
    Expression(*condition);
  }

  // Ends one of several statements, noting whether its changed rows count.
  void EndStatement(bool counted) {
    out_.sql += ";\n";
    out_.counted.push_back(counted);
  }

  void Columns(const std::vector<std::string>& columns) {
    if (columns.empty()) return;
    Text(" (");
    for (size_t k = 0; k < columns.size(); ++k) Text((k ? ", " : "") + QuoteName(columns[k]));
    Text(")");
  }

  void Assignments(const DmlStatement& s) {
    Text(" SET ");
    for (size_t k = 0; k < s.assignments.size(); ++k) {
      const Assignment& a = s.assignments[k];
      Text(k ? ", " : "");
      if (a.columns.size() == 1) {
        Emit(QuoteName(a.columns[0]), a.start);
      } else {
        Columns(a.columns);
      }
      Text(" = ");
      Expression(*a.value);
    }
  }

  void Query(const ocilite::Query& q) {
    if (!q.with.empty()) {
      Text("WITH ");
      for (size_t k = 0; k < q.with.size(); ++k) {
        const CommonTable& common = q.with[k];
        Text((k ? ", " : "") + QuoteName(common.name));
        if (!common.columns.empty()) {
          Text(" (");
          for (size_t c = 0; c < common.columns.size(); ++c) Text((c ? ", " : "") + QuoteName(common.columns[c]));
          Text(")");
        }
        Text(" AS (");
        Query(*common.query);
        Text(")");
      }
      Text(" ");
    }
    if (q.withTies && !q.orderBy.empty()) return TiedQuery(q);
    for (size_t k = 0; k < q.cores.size(); ++k) {
      if (k) Text(" " + std::string(q.operators[k - 1] == "MINUS" ? "EXCEPT" : q.operators[k - 1]) + " ");
      const SelectCore& core = q.cores[k];
      // A ROWNUM limit counts rows before the query orders or combines them.
      bool alone = q.cores.size() == 1 && q.orderBy.empty() && !q.fetch && !q.offset;
      if (!core.groupingSets.empty()) {
        GroupingSets(core);
      } else if (core.rowLimit >= 0 && !core.limitBeforeGrouping && !alone) {
        Text("SELECT * FROM (");
        Core(core);
        Text(")");
      } else {
        Core(core);
      }
    }
    if (&q == membersOnly_) return;
    Orders(" ORDER BY ", q.orderBy);
    const SelectCore& first = q.cores[0];
    if (q.orderBy.empty() && q.cores.size() == 1 && first.hierarchy && first.groupBy.empty()) {
      Text(" ORDER BY \"ZQ$ORDER\"");  // Oracle gives a hierarchy's rows depth first
    }
    if (q.fetch && q.fetchPercent) {
      PercentLimit(q);
    } else if (q.fetch) {
      Text(" LIMIT max(");
      Expression(*q.fetch);
      Text(", 0)");
    }
    if (q.offset) {
      Text(q.fetch ? " OFFSET " : " LIMIT -1 OFFSET ");
      Expression(*q.offset);
    }
  }

 private:
  void Text(const std::string& text) { out_.sql += text; }
  void Emit(const std::string& text, size_t source) {
    out_.anchors.push_back({out_.sql.size(), source, text.size()});
    out_.sql += text;
  }

  void Names(const std::vector<std::string>& names, size_t source) {
    std::string joined;
    for (size_t k = 0; k < names.size(); ++k) joined += (k ? "." : "") + QuoteName(names[k]);
    Emit(joined, source);
  }

  void Target(const TableRef& target) {
    Names(target.names, target.start);
    if (!target.alias.empty()) Text(" AS " + QuoteName(target.alias));
  }

  void Where(const Expr* where) {
    if (!where) return;
    Text(" WHERE ");
    Expression(*where);
  }

  void Orders(const char* head, const std::vector<OrderItem>& orders) {
    for (size_t k = 0; k < orders.size(); ++k) {
      const OrderItem& order = orders[k];
      Text(k ? ", " : head);
      Expression(*order.expr);
      if (order.descending) Text(" DESC");
      if (order.nulls) Text(order.nulls == 1 ? " NULLS FIRST" : " NULLS LAST");
    }
  }

  // ROLLUP and CUBE: the core once for each set it groups by, the rows put together.
  void GroupingSets(const SelectCore& core) {
    Text("SELECT * FROM (");
    for (size_t k = 0; k < core.groupingSets.size(); ++k) {
      Text(k ? " UNION ALL " : "");
      groupingSet_ = core.groupingSets[k];
      Core(core);
    }
    groupingSet_ = kEveryGroup;
    Text(")");
  }

  bool InGroupingSet(int groupIndex) const {
    return groupingSet_ == kEveryGroup || (groupingSet_ & (1u << groupIndex)) != 0;
  }

  // FETCH FIRST n PERCENT ROWS: n per cent of the query's rows, rounded up.
  void PercentLimit(const ocilite::Query& q) {
    Text(
        " LIMIT (SELECT max(CAST(\"ZQ$V\" AS INTEGER) + (\"ZQ$V\" > CAST(\"ZQ$V\" AS INTEGER)), 0) FROM "
        "(SELECT count(*) * (");
    Expression(*q.fetch);
    Text(") / 100.0 AS \"ZQ$V\" FROM (");
    const ocilite::Query* outer = membersOnly_;
    membersOnly_ = &q;
    Query(q);
    membersOnly_ = outer;
    Text(")))");
  }

  // FETCH FIRST n ROWS WITH TIES: the rows whose rank by the query's order is within n.
  void TiedQuery(const ocilite::Query& q) {
    Text("SELECT ");
    for (size_t k = 0; k < q.resultNames.size(); ++k) Text((k ? ", " : "") + QuoteName(q.resultNames[k]));
    Text(" FROM (");
    Core(q.cores[0], &q.orderBy);
    Text(") WHERE \"ZQ$RANK\" <= ");
    Expression(*q.fetch);
    Text(" ORDER BY \"ZQ$RANK\"");
  }

  void Core(const SelectCore& core, const std::vector<OrderItem>* rankBy = nullptr) {
    if (core.nested) {
      // SQLite takes no parentheses around a member of a compound query.
      Text("SELECT * FROM (");
      Query(*core.nested);
      Text(")");
      return;
    }
    Emit(core.distinct ? "SELECT DISTINCT " : "SELECT ", core.start);
    for (size_t k = 0; k < core.items.size(); ++k) {
      const SelectItem& item = core.items[k];
      Text(k ? ", " : "");
      Expression(*item.expr);
      if (item.expr->kind != ExprKind::Star) Text(" AS " + QuoteName(item.heading));
    }
    if (rankBy) {
      Orders(", RANK() OVER (ORDER BY ", *rankBy);
      Text(") AS \"ZQ$RANK\"");
    }
    Text(" FROM ");
    if (core.hierarchy) {
      HierarchySource(core);
      Where(core.where.get());
    } else if (core.limitBeforeGrouping) {
      LimitedSource(core);
    } else {
      for (size_t k = 0; k < core.from.size(); ++k) {
        Text(k ? ", " : "");
        Table(*core.from[k]);
      }
      Where(core.where.get());
    }
    const char* head = " GROUP BY ";
    for (size_t k = 0; k < core.groupBy.size(); ++k) {
      if (!InGroupingSet(static_cast<int>(k))) continue;
      Text(head);
      head = ", ";
      Expression(*core.groupBy[k]);
    }
    if (core.having) {
      Text(" HAVING ");
      Expression(*core.having);
    }
    if (core.rowLimit >= 0 && !core.limitBeforeGrouping) Text(" LIMIT " + std::to_string(core.rowLimit));
  }

  // A hierarchical query's rows, depth first: a recursive query over the source numbered in
  // sibling order ("ZQ$N"), each row with its LEVEL, its place in the tree ("ZQ$ORDER"), its
  // ancestors ("ZQ$IDS", to stop at a loop) and its paths and roots.
  void HierarchySource(const SelectCore& core) {
    const Hierarchy& h = *core.hierarchy;
    const std::string row = QuoteName(h.name);
    Text("(WITH RECURSIVE \"ZQ$R\" AS (SELECT *, ROW_NUMBER() OVER (");
    Orders("ORDER BY ", h.siblings);
    Text(") AS \"ZQ$N\" FROM ");
    Table(*core.from[0]);
    // A row generator walks no tree: no loop to stop, and over DUAL its levels are its order.
    Text("), \"ZQ$H\" AS (SELECT " + row + ".*, 1 AS \"ZQ$LEVEL\", printf('%010d', " +
         (h.chain ? "1" : row + ".\"ZQ$N\"") + ") AS \"ZQ$ORDER\", " +
         (h.generator ? "''" : "',' || " + row + ".\"ZQ$N\" || ','") + " AS \"ZQ$IDS\"");
    for (size_t k = 0; k < h.paths.size(); ++k) {
      Text(", ZQ_CONCAT(");
      Expression(*h.paths[k]->args[1]);
      Text(", ");
      Expression(*h.paths[k]->args[0]);
      Text(") AS \"ZQ$PATH" + std::to_string(k) + "\"");
    }
    for (size_t k = 0; k < h.roots.size(); ++k) {
      Text(", ");
      Expression(*h.roots[k]);
      Text(" AS \"ZQ$ROOT" + std::to_string(k) + "\"");
    }
    Text(" FROM \"ZQ$R\" AS " + row);
    Where(h.startWith.get());
    Text(" UNION ALL SELECT " + row + ".*, \"ZQ$P\".\"ZQ$LEVEL\" + 1, " +
         (h.chain ? "printf('%010d', \"ZQ$P\".\"ZQ$LEVEL\" + 1)"
                  : "\"ZQ$P\".\"ZQ$ORDER\" || printf('%010d', " + row + ".\"ZQ$N\")") +
         ", " + (h.generator ? "''" : "\"ZQ$P\".\"ZQ$IDS\" || " + row + ".\"ZQ$N\" || ','"));
    for (size_t k = 0; k < h.paths.size(); ++k) {
      Text(", ZQ_CONCAT(\"ZQ$P\".\"ZQ$PATH" + std::to_string(k) + "\", ");
      Expression(*h.paths[k]->args[1]);
      Text(", ");
      Expression(*h.paths[k]->args[0]);
      Text(")");
    }
    for (size_t k = 0; k < h.roots.size(); ++k) Text(", \"ZQ$P\".\"ZQ$ROOT" + std::to_string(k) + "\"");
    Text(" FROM \"ZQ$H\" AS \"ZQ$P\" JOIN \"ZQ$R\" AS " + row + " ON ");
    Expression(*h.connectBy);
    if (h.generator) {
      Text(" AND ZQ_CONNECT_DEPTH(\"ZQ$P\".\"ZQ$LEVEL\")");
    } else {
      Text(" AND ZQ_CONNECT_CYCLE(instr(\"ZQ$P\".\"ZQ$IDS\", ',' || " + row + ".\"ZQ$N\" || ','), " +
           (h.noCycle ? "1" : "0") + ")");
    }
    Text(") SELECT * FROM \"ZQ$H\") AS " + row);
  }

  // The one source of a grouped core, its rows filtered and limited before they are grouped,
  // under the name the core's columns are qualified with.
  void LimitedSource(const SelectCore& core) {
    const TableRef& source = *core.from[0];
    Text("(SELECT * FROM ");
    Table(source);
    Where(core.where.get());
    Text(" LIMIT " + std::to_string(core.rowLimit) + ")");
    std::string name = !source.alias.empty() ? source.alias : source.names.empty() ? "" : source.names.back();
    if (!name.empty()) Text(" AS " + QuoteName(name));
  }

  void Table(const TableRef& table) {
    switch (table.kind) {
      case TableRef::Kind::Table: Names(table.names, table.start); break;
      case TableRef::Kind::Subquery:
        Emit("(", table.start);
        Query(*table.query);
        Text(")");
        break;
      case TableRef::Kind::Join:
        Text("(");
        Table(*table.left);
        Text(" " + std::string(table.joinType == "INNER" ? "" : table.joinType + " ") + "JOIN ");
        Table(*table.right);
        if (table.on) {
          Text(" ON ");
          Expression(*table.on);
        }
        if (!table.usingColumns.empty()) {
          Text(" USING (");
          for (size_t k = 0; k < table.usingColumns.size(); ++k)
            Text((k ? ", " : "") + QuoteName(table.usingColumns[k]));
          Text(")");
        }
        Text(")");
        return;
    }
    if (!table.alias.empty()) Text(" AS " + QuoteName(table.alias));
  }

  void List(const std::vector<ExprPtr>& list, size_t from = 0) {
    for (size_t k = from; k < list.size(); ++k) {
      Text(k > from ? ", " : "");
      Expression(*list[k]);
    }
  }

  // LISTAGG(value[, separator]) WITHIN GROUP (ORDER BY ...)
  void ListAgg(const Expr& e) {
    Emit("group_concat(", e.start);
    Expression(*e.args[0]);
    Text(", ");
    if (e.args.size() > 1) {
      Text("coalesce(");
      Expression(*e.args[1]);
      Text(", '')");
    } else {
      Text("''");
    }
    Orders(" ORDER BY ", e.withinGroup);
    Text(")");
  }

  // MIN(x) KEEP (DENSE_RANK FIRST|LAST ORDER BY k ...) as ZQ_KEEP('MIN', last, x, k, order, ...).
  void Keep(const Expr& e) {
    Emit("ZQ_KEEP(" + QuoteText(e.text) + (e.keep == 2 ? ", 1, " : ", 0, "), e.start);
    if (e.star) {
      Text("1");
    } else {
      Expression(*e.args[0]);
    }
    for (const OrderItem& order : e.withinGroup) {
      Text(", ");
      Expression(*order.expr);
      Text(", " + std::to_string((order.descending ? 1 : 0) + (order.nulls == 1 ? 2 : 0)));
    }
    Text(")");
  }

  // value op ANY|ALL: over a list, the comparisons ORed or ANDed; over a subquery, whether
  // one of its values (ANY) or none of them (ALL) decides it, the values renamed so that
  // none hides a column of `value`.
  void Quantified(const Expr& e) {
    bool all = e.names[0] == "ALL";
    if (!e.query) {
      Emit("(", e.start);
      for (size_t k = 1; k < e.args.size(); ++k) {
        Text(k > 1 ? (all ? " AND " : " OR ") : "");
        Text("(");
        Expression(*e.args[0]);
        Text(" " + e.text + " ");
        Expression(*e.args[k]);
        Text(")");
      }
      Text(")");
      return;
    }
    Emit(all ? "(NOT EXISTS (WITH \"ZQ$Q\"(\"ZQ$V\") AS (" : "(EXISTS (WITH \"ZQ$Q\"(\"ZQ$V\") AS (", e.start);
    Query(*e.query);
    Text(") SELECT 1 FROM \"ZQ$Q\" WHERE (");
    Expression(*e.args[0]);
    Text(" " + e.text + " \"ZQ$V\")" + (all ? " IS NOT 1))" : "))"));
  }

  void Function(const Expr& e) {
    if (e.text == "LISTAGG") return ListAgg(e);
    if (e.keep) return Keep(e);
    if (e.text == "RATIO_TO_REPORT" && e.over && e.args.size() == 1) return RatioToReport(e);
    Emit(e.text, e.start);
    Text("(");
    if (e.distinct) Text("DISTINCT ");
    if (e.star) Text("*");
    List(e.args);
    Text(")");
    if (!e.over) return;
    Text(" OVER (");
    if (!e.over->partitionBy.empty()) {
      Text("PARTITION BY ");
      List(e.over->partitionBy);
    }
    Orders(e.over->partitionBy.empty() ? "ORDER BY " : " ORDER BY ", e.over->orderBy);
    WindowFrame(*e.over);
    Text(")");
  }

  void WindowFrame(const WindowSpec& window) {
    if (window.frameUnit.empty()) return;
    Text(" " + window.frameUnit + " BETWEEN ");
    FrameBound(window.frameStart);
    Text(" AND ");
    FrameBound(window.frameEnd);
  }

  void FrameBound(const ocilite::FrameBound& bound) {
    if (bound.offset) {
      Expression(*bound.offset);
      Text(" ");
    }
    Text(bound.kind);
  }

  // RATIO_TO_REPORT(x) OVER (PARTITION BY ...): x over the sum of x in its partition.
  void RatioToReport(const Expr& e) {
    Emit("ZQ_DIV(", e.start);
    Expression(*e.args[0]);
    Text(", SUM(");
    Expression(*e.args[0]);
    Text(") OVER (");
    if (!e.over->partitionBy.empty()) {
      Text("PARTITION BY ");
      List(e.over->partitionBy);
    }
    Text("))");
  }

  void Case(const Expr& e) {
    Emit("CASE", e.start);
    size_t k = 0;
    if (e.hasOperand) {
      Text(" ");
      Expression(*e.args[k++]);
    }
    size_t whenEnd = e.args.size() - (e.hasElse ? 1 : 0);
    for (; k + 1 < whenEnd; k += 2) {
      Text(" WHEN ");
      Expression(*e.args[k]);
      Text(" THEN ");
      Expression(*e.args[k + 1]);
    }
    if (e.hasElse) {
      Text(" ELSE ");
      Expression(*e.args.back());
    }
    Text(" END");
  }

  void Subquery(const Expr& e) {
    if (!e.mustYieldOneRow) {
      Emit("(", e.start);
      Query(*e.query);
      Text(")");
      return;
    }
    // Oracle refuses a scalar subquery that gives more than one row; SQLite takes the first.
    Emit("(SELECT ZQ_SINGLE(\"ZQ$V\".", e.start);
    Text(QuoteName(e.query->cores[0].items[0].heading));
    Text(") FROM (");
    Query(*e.query);
    Text(") AS \"ZQ$V\")");
  }

  void Expression(const Expr& e) {
    if (e.groupIndex >= 0 && !InGroupingSet(e.groupIndex)) return Emit("NULL", e.start);
    if (e.kind == ExprKind::Function && e.text == "GROUPING") {
      int index = e.args.size() == 1 ? e.args[0]->groupIndex : -1;
      return Emit(index >= 0 && !InGroupingSet(index) ? "1" : "0", e.start);
    }
    switch (e.kind) {
      case ExprKind::Number: Emit(e.text, e.start); break;
      case ExprKind::String: Emit(QuoteText(e.text), e.start); break;
      case ExprKind::Null: Emit("NULL", e.start); break;
      case ExprKind::Column: Names(e.names, e.start); break;
      case ExprKind::Star:
        if (!e.names.empty()) Text(QuoteName(e.names[0]) + ".");
        Emit("*", e.start);
        break;
      case ExprKind::Pseudo:
        if (e.text == "DEFAULT") return Emit("(" + e.names[0] + ")", e.start);  // the column's own DEFAULT
        Emit(PseudoColumnCall(e.text), e.start);
        break;
      case ExprKind::Sequence:
        Emit(SequenceCall(e.text == "NEXTVAL", e.names.size() > 1 ? e.names[0] : "", e.names.back()), e.start);
        break;
      case ExprKind::Unary:
        Emit(e.text == "NOT" ? "NOT (" : "(" + e.text, e.start);
        Expression(*e.args[0]);
        Text(")");
        break;
      case ExprKind::Binary:
        Emit("(", e.start);
        Expression(*e.args[0]);
        Text(" " + e.text + " ");
        Expression(*e.args[1]);
        Text(")");
        break;
      case ExprKind::Function: Function(e); break;
      case ExprKind::Case: Case(e); break;
      case ExprKind::Subquery: Subquery(e); break;
      case ExprKind::Exists:
        Emit("EXISTS (", e.start);
        Query(*e.query);
        Text(")");
        break;
      case ExprKind::InList:
      case ExprKind::InQuery:
        Emit("(", e.start);
        Expression(*e.args[0]);
        Text(e.negated ? " NOT IN (" : " IN (");
        if (e.query) {
          Query(*e.query);
        } else {
          List(e.args, 1);
        }
        Text("))");
        break;
      case ExprKind::Between:
        Emit("(", e.start);
        Expression(*e.args[0]);
        Text(e.negated ? " NOT BETWEEN " : " BETWEEN ");
        Expression(*e.args[1]);
        Text(" AND ");
        Expression(*e.args[2]);
        Text(")");
        break;
      case ExprKind::Like:
        Emit("(", e.start);
        Expression(*e.args[0]);
        Text(e.negated ? " NOT LIKE " : " LIKE ");
        Expression(*e.args[1]);
        if (e.args.size() > 2) {
          Text(" ESCAPE ");
          Expression(*e.args[2]);
        }
        Text(")");
        break;
      case ExprKind::IsNull:
        Emit("(", e.start);
        Expression(*e.args[0]);
        Text(e.negated ? " IS NOT NULL)" : " IS NULL)");
        break;
      case ExprKind::List:
        Emit("(", e.start);
        List(e.args);
        Text(")");
        break;
      case ExprKind::Quantified: Quantified(e); break;
      case ExprKind::DateLiteral:
      case ExprKind::Extract: break;  // the checker has rewritten both
    }
  }

  static constexpr unsigned kEveryGroup = ~0u;
  Translation& out_;
  unsigned groupingSet_ = kEveryGroup;           // the GROUP BY entries the core being written groups by
  const ocilite::Query* membersOnly_ = nullptr;  // written without its order and row limits, to count its rows
};

}  // namespace

void GenerateStatement(const DmlStatement& statement, Translation& out) { Generator(out).Statement(statement); }

void GenerateQuery(const Query& query, Translation& out) { Generator(out).Query(query); }

}  // namespace ocilite
