#include "sql/SqlParser.h"

#include <string>

#include "oracle/NumberText.h"
#include "sql/SqlInterval.h"
#include "sql/SqlLexer.h"

namespace ocilite {

namespace {

// Words that end an expression or a name list: never an alias or a column.
const char* const kReserved[] = {
    "FROM",  "WHERE", "GROUP",  "HAVING",  "ORDER",     "UNION", "INTERSECT", "MINUS",   "EXCEPT", "CONNECT",
    "START", "JOIN",  "INNER",  "LEFT",    "RIGHT",     "FULL",  "CROSS",     "NATURAL", "ON",     "USING",
    "AND",   "OR",    "NOT",    "IS",      "IN",        "LIKE",  "BETWEEN",   "SELECT",  "WITH",   "THEN",
    "WHEN",  "ELSE",  "END",    "AS",      "BY",        "ASC",   "DESC",      "NULLS",   "FETCH",  "OFFSET",
    "FOR",   "SET",   "VALUES", "INTO",    "DISTINCT",  "CASE",  "ALL",       "ANY",     "SOME",   "EXISTS",
    "PRIOR", "MODEL", "PIVOT",  "UNPIVOT", "RETURNING", "OUTER", "UNIQUE",    "NULL",    "ESCAPE"};

bool IsReserved(const Token& token) {
  if (token.kind != TokenKind::Word) return false;
  for (const char* word : kReserved) {
    if (token.IsWord(word)) return true;
  }
  return false;
}

class Parser {
 public:
  // The statement's tokens before `end` (where a view's WITH CHECK OPTION begins, say).
  Parser(const LexedText& lexed, size_t end, OraError& error)
      : sql_(lexed.text.substr(0, end)),
        all_(Before(lexed.all, end)),
        t_(Before(lexed.significant, end)),
        error_(error) {}

  bool Statement(DmlStatement& statement) {
    if (!CheckTokens()) return false;
    if (Peek("INSERT")) {
      statement.kind = DmlStatement::Kind::Insert;
      if (!Insert(statement)) return false;
    } else if (Peek("UPDATE")) {
      statement.kind = DmlStatement::Kind::Update;
      if (!Update(statement)) return false;
    } else if (Peek("DELETE")) {
      statement.kind = DmlStatement::Kind::Delete;
      if (!Delete(statement)) return false;
    } else if (Peek("MERGE")) {
      statement.kind = DmlStatement::Kind::Merge;
      if (!Merge(statement)) return false;
    } else if (Accept("TRUNCATE")) {
      // TRUNCATE TABLE t [DROP|REUSE STORAGE]: every row goes, as by a DELETE.
      statement.kind = DmlStatement::Kind::Delete;
      if (!Expect("TABLE") || !TableName(statement.target)) return false;
      if (Accept("DROP") || Accept("REUSE")) return Expect("STORAGE") && (AtEnd() || Trailing());
    } else {
      statement.kind = DmlStatement::Kind::Select;
      if (!QueryExpr(statement.query)) return false;
    }
    return AtEnd() || Trailing();
  }

  bool QueryFrom(size_t offset, QueryPtr& query) {
    if (!CheckTokens()) return false;
    while (!AtEnd() && t_[i_].offset < offset) ++i_;
    return QueryExpr(query) && (AtEnd() || Trailing());
  }

 private:
  // --- tokens ---
  bool AtEnd() const { return i_ >= t_.size(); }
  const Token& Cur() const { return t_[i_]; }
  bool Peek(const char* word, size_t ahead = 0) const { return i_ + ahead < t_.size() && t_[i_ + ahead].IsWord(word); }
  bool PeekSymbol(char symbol, size_t ahead = 0) const {
    return i_ + ahead < t_.size() && t_[i_ + ahead].IsSymbol(symbol);
  }
  bool PeekText(const char* text) const { return !AtEnd() && Cur().kind == TokenKind::Symbol && Cur().text == text; }
  bool Accept(const char* word) {
    if (!Peek(word)) return false;
    ++i_;
    return true;
  }
  bool AcceptSymbol(char symbol) {
    if (!PeekSymbol(symbol)) return false;
    ++i_;
    return true;
  }
  size_t Here() const { return AtEnd() ? EndOffset() : Cur().offset; }
  size_t EndOffset() const { return t_.empty() ? 0 : t_.back().offset + t_.back().length; }
  size_t PrevEnd() const { return i_ == 0 ? 0 : t_[i_ - 1].offset + t_[i_ - 1].length; }

  bool Fail(int code, const std::string& detail = "") {
    error_ = MakeOraError(code, detail, Here());
    return false;
  }
  bool Unsupported(const std::string& what) { return Fail(3001, what); }
  bool InvalidIdentifier() { return AtEnd() ? Fail(936) : Fail(904, "\"" + ToUpper(Cur().text) + "\""); }
  bool Expect(const char* word) { return Accept(word) || Fail(905); }
  bool ExpectClose() { return AcceptSymbol(')') || Fail(907); }
  bool ExpectOpen() { return AcceptSymbol('(') || Fail(906); }

  // Bad bytes and statement terminators, before anything else is read.
  bool CheckTokens() {
    for (const Token& token : all_) {
      if (token.kind == TokenKind::Bad) {
        error_ = MakeOraError(token.text[0] == '\'' ? 1756 : 911, "", token.offset);
        return false;
      }
      if (token.IsSymbol(';')) {
        error_ = MakeOraError(911, "", token.offset);
        return false;
      }
    }
    if (t_.empty()) return Fail(900);
    return true;
  }

  bool Trailing() {
    if (Peek("FOR") && Peek("UPDATE", 1)) return Unsupported("FOR UPDATE");
    if (Peek("PIVOT") || Peek("UNPIVOT") || Peek("MODEL")) return Unsupported(ToUpper(Cur().text));
    return Fail(933);
  }

  bool IsName(const Token& token) const {
    return (token.kind == TokenKind::Word && !IsReserved(token)) || token.kind == TokenKind::Quoted;
  }
  bool Name(std::string& name) {
    if (AtEnd() || !IsName(Cur())) return false;
    name = IdentifierName(t_[i_++]);
    return true;
  }

  // Each level of nesting costs stack here and in the stages after: it is kept bounded.
  class Level {
   public:
    explicit Level(int& depth) : depth_(++depth) {}
    ~Level() { --depth_; }
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    bool TooDeep() const { return depth_ > kDeepest; }

   private:
    int& depth_;
  };
  bool TooDeep() { return Unsupported("nesting deeper than " + std::to_string(kDeepest) + " levels"); }

  // --- queries ---
  bool QueryExpr(QueryPtr& query) {
    query = std::make_unique<Query>();
    if (Accept("WITH")) {
      do {
        CommonTable table;
        if (!Name(table.name)) return Fail(903);
        if (AcceptSymbol('(')) {
          if (!NameList(table.columns)) return false;
        }
        if (!Expect("AS") || !ExpectOpen() || !QueryExpr(table.query) || !ExpectClose()) return false;
        query->with.push_back(std::move(table));
      } while (AcceptSymbol(','));
    }
    query->cores.emplace_back();
    if (!Core(query->cores.back())) return false;
    for (;;) {
      std::string op;
      if (Accept("UNION")) {
        op = Accept("ALL") ? "UNION ALL" : "UNION";
      } else if (Accept("INTERSECT")) {
        op = "INTERSECT";
      } else if (Accept("MINUS") || Accept("EXCEPT")) {
        op = "MINUS";
      } else {
        break;
      }
      query->operators.push_back(op);
      query->cores.emplace_back();
      if (!Core(query->cores.back())) return false;
    }
    if (Accept("ORDER")) {
      if (Accept("SIBLINGS")) {
        if (query->cores.size() != 1 || !query->cores[0].hierarchy) return Fail(30929);
        if (!Expect("BY") || !OrderList(query->cores[0].hierarchy->siblings)) return false;
      } else if (!Expect("BY") || !OrderList(query->orderBy)) {
        return false;
      }
    }
    return RowLimits(*query);
  }

  // OFFSET n ROW|ROWS, then FETCH FIRST|NEXT n ROW|ROWS ONLY|WITH TIES.
  bool RowLimits(Query& query) {
    if (Accept("OFFSET")) {
      if (!Expression(query.offset)) return false;
      if (!Accept("ROWS") && !Accept("ROW")) return Fail(905);
    }
    if (!Accept("FETCH")) return true;
    if (!Accept("FIRST") && !Accept("NEXT")) return Fail(905);
    if (!Expression(query.fetch)) return false;
    query.fetchPercent = Accept("PERCENT");
    if (!Accept("ROWS") && !Accept("ROW")) return Fail(905);
    if (Accept("WITH")) {
      if (!Expect("TIES")) return false;
      if (query.fetchPercent) return Unsupported("FETCH PERCENT with WITH TIES");
      if (query.offset) return Unsupported("OFFSET with WITH TIES");
      query.withTies = true;
      return true;
    }
    return Expect("ONLY");
  }

  bool OrderList(std::vector<OrderItem>& list) {
    do {
      OrderItem item;
      if (!Expression(item.expr)) return false;
      if (Accept("DESC")) {
        item.descending = true;
      } else {
        Accept("ASC");
      }
      if (Accept("NULLS")) {
        if (Accept("FIRST")) {
          item.nulls = 1;
        } else if (Accept("LAST")) {
          item.nulls = 2;
        } else {
          return Fail(905);
        }
      }
      list.push_back(std::move(item));
    } while (AcceptSymbol(','));
    return true;
  }

  bool Core(SelectCore& core) {
    Level level(depth_);
    if (level.TooDeep()) return TooDeep();
    core.start = Here();
    if (PeekSymbol('(')) {
      ++i_;
      return QueryExpr(core.nested) && ExpectClose();
    }
    if (!Accept("SELECT")) return AtEnd() ? Fail(936) : Fail(928);
    if (Accept("DISTINCT") || Accept("UNIQUE")) {
      core.distinct = true;
    } else {
      Accept("ALL");
    }
    do {
      SelectItem item;
      if (!SelectEntry(item)) return false;
      core.items.push_back(std::move(item));
    } while (AcceptSymbol(','));
    if (Peek("INTO")) return Unsupported("SELECT INTO");
    if (!Accept("FROM")) return Fail(923);
    do {
      std::unique_ptr<TableRef> table;
      if (!TableExpr(table)) return false;
      core.from.push_back(std::move(table));
    } while (AcceptSymbol(','));
    if (Accept("WHERE") && !Expression(core.where)) return false;
    if ((Peek("CONNECT") || Peek("START")) && !HierarchyClause(core)) return false;
    if (Accept("GROUP")) {
      if (!Expect("BY")) return false;
      if (!GroupByList(core)) return false;
    }
    if (Accept("HAVING") && !Expression(core.having)) return false;
    return true;
  }

  // Expressions, ROLLUP(...) and CUBE(...): every combination of the sets each one gives.
  bool GroupByList(SelectCore& core) {
    std::vector<unsigned> sets{0};
    bool grouped = false;
    do {
      if (Peek("GROUPING") && Peek("SETS", 1)) return Unsupported("GROUPING SETS");
      bool rollup = Peek("ROLLUP") && PeekSymbol('(', 1);
      bool cube = Peek("CUBE") && PeekSymbol('(', 1);
      size_t first = core.groupBy.size();
      if (rollup || cube) {
        i_ += 2;
        if (!ExpressionList(core.groupBy) || !ExpectClose()) return false;
        grouped = true;
      } else {
        core.groupBy.emplace_back();
        if (!Expression(core.groupBy.back())) return false;
      }
      size_t count = core.groupBy.size() - first;
      if (core.groupBy.size() > 16) return Unsupported("ROLLUP or CUBE over more than 16 expressions");
      std::vector<unsigned> own;  // the sets this item contributes
      if (cube) {
        for (unsigned m = 0; m < (1u << count); ++m) own.push_back(m << first);
      } else if (rollup) {
        for (size_t n = count + 1; n-- > 0;) own.push_back(((1u << n) - 1) << first);
      } else {
        own.push_back(1u << first);
      }
      std::vector<unsigned> combined;
      for (unsigned set : sets) {
        for (unsigned part : own) combined.push_back(set | part);
      }
      sets = combined;
      if (sets.size() > kMostGroupingSets) return Unsupported("more than 256 grouping sets");
    } while (AcceptSymbol(','));
    if (grouped) core.groupingSets = sets;
    return true;
  }

  // START WITH and CONNECT BY, in either order.
  bool HierarchyClause(SelectCore& core) {
    core.hierarchy = std::make_unique<Hierarchy>();
    Hierarchy& h = *core.hierarchy;
    for (int k = 0; k < 2; ++k) {
      if (!h.startWith && Accept("START")) {
        if (!Expect("WITH") || !Expression(h.startWith)) return false;
      } else if (!h.connectBy && Accept("CONNECT")) {
        if (!Expect("BY")) return false;
        h.noCycle = Accept("NOCYCLE");
        if (!Expression(h.connectBy)) return false;
      }
    }
    return h.connectBy || Fail(905);
  }

  bool SelectEntry(SelectItem& item) {
    size_t start = Here();
    if (PeekSymbol('*')) {
      item.expr = Node(ExprKind::Star, start);
      ++i_;
      item.expr->end = PrevEnd();
      return true;
    }
    if (!AtEnd() && IsName(Cur()) && PeekSymbol('.', 1) && PeekSymbol('*', 2)) {
      item.expr = Node(ExprKind::Star, start);
      item.expr->names.push_back(IdentifierName(Cur()));
      i_ += 3;
      item.expr->end = PrevEnd();
      return true;
    }
    if (!Expression(item.expr)) return false;
    if (Accept("AS")) {
      if (!Name(item.alias)) return Fail(923);
    } else if (!AtEnd() && IsName(Cur())) {
      Name(item.alias);
    }
    return true;
  }

  bool NameList(std::vector<std::string>& names) {
    do {
      std::string name;
      if (!Name(name)) return InvalidIdentifier();
      names.push_back(name);
    } while (AcceptSymbol(','));
    return ExpectClose();
  }

  bool TableName(TableRef& table) {
    table.start = Here();
    std::string name;
    if (!Name(name)) return Fail(903);
    table.names.push_back(name);
    while (AcceptSymbol('.')) {
      if (!Name(name)) return Fail(903);
      table.names.push_back(name);
    }
    if (PeekSymbol('@')) return Unsupported("database link");
    return true;
  }

  bool TableAlias(TableRef& table) {
    if (Peek("AS")) return Fail(933);  // Oracle takes no AS before a table alias
    if (!AtEnd() && IsName(Cur()) && !Peek("PARTITION") && !Peek("SAMPLE")) Name(table.alias);
    return true;
  }

  bool TablePrimary(std::unique_ptr<TableRef>& table) {
    Level level(depth_);
    if (level.TooDeep()) return TooDeep();
    table = std::make_unique<TableRef>();
    table->start = Here();
    if (AcceptSymbol('(')) {
      if (Peek("SELECT") || Peek("WITH") || PeekSymbol('(')) {
        table->kind = TableRef::Kind::Subquery;
        if (!QueryExpr(table->query) || !ExpectClose()) return false;
      } else {
        if (!TableExpr(table) || !ExpectClose()) return false;
        return true;
      }
    } else if (Peek("TABLE") || Peek("LATERAL")) {
      return Unsupported(ToUpper(Cur().text));
    } else if (!TableName(*table)) {
      return false;
    }
    if ((Peek("PIVOT") || Peek("UNPIVOT")) && !Pivot(*table)) return false;
    return TableAlias(*table);
  }

  // PIVOT [XML] (aggregate [AS alias], ... FOR column|(columns) IN (value [AS alias], ...))
  // UNPIVOT [INCLUDE|EXCLUDE NULLS] (column|(columns) FOR column|(columns) IN (column|(columns) [AS value], ...))
  bool Pivot(TableRef& table) {
    table.pivot = std::make_unique<PivotClause>();
    PivotClause& pivot = *table.pivot;
    pivot.start = Here();
    pivot.unpivot = Accept("UNPIVOT");
    if (!pivot.unpivot) ++i_;
    if (Peek("XML")) return Unsupported("PIVOT XML");
    if (pivot.unpivot && (Peek("INCLUDE") || Peek("EXCLUDE"))) {
      pivot.includeNulls = Accept("INCLUDE") || !Accept("EXCLUDE");
      if (!Expect("NULLS")) return false;
    }
    if (!ExpectOpen()) return false;
    if (pivot.unpivot ? !Columns(pivot.valueColumns) : !PivotItems(pivot.aggregates)) return false;
    if (!Expect("FOR") || !Columns(pivot.forColumns) || !Expect("IN") || !ExpectOpen()) return false;
    if (Peek("ANY") || Peek("SELECT")) return Unsupported("PIVOT IN " + ToUpper(Cur().text));
    if (!pivot.unpivot) return PivotItems(pivot.values) && ExpectClose() && ExpectClose();
    do {
      pivot.columnSets.emplace_back();
      pivot.labels.emplace_back();
      if (!Columns(pivot.columnSets.back())) return false;
      if (Accept("AS") && !Primary(pivot.labels.back())) return false;
    } while (AcceptSymbol(','));
    return ExpectClose() && ExpectClose();
  }

  // One name, or names in parentheses.
  bool Columns(std::vector<std::string>& names) {
    if (AcceptSymbol('(')) return NameList(names);
    std::string name;
    if (!Name(name)) return InvalidIdentifier();
    names.push_back(name);
    return true;
  }

  // expression [[AS] alias], ...
  bool PivotItems(std::vector<SelectItem>& items) {
    do {
      SelectItem item;
      if (!Expression(item.expr)) return false;
      if (Accept("AS") ? !Name(item.alias) : (!AtEnd() && IsName(Cur()) && !Name(item.alias))) return Fail(923);
      items.push_back(std::move(item));
    } while (AcceptSymbol(','));
    return true;
  }

  bool JoinType(std::string& type) {
    if (Accept("JOIN")) {
      type = "INNER";
    } else if (Peek("INNER") && Peek("JOIN", 1)) {
      i_ += 2;
      type = "INNER";
    } else if (Peek("CROSS") && Peek("JOIN", 1)) {
      i_ += 2;
      type = "CROSS";
    } else if (Peek("NATURAL")) {
      ++i_;
      std::string inner;
      if (!JoinType(inner)) return Fail(905);
      type = "NATURAL " + inner;
    } else if (Peek("LEFT") || Peek("RIGHT") || Peek("FULL")) {
      type = ToUpper(Cur().text);
      ++i_;
      Accept("OUTER");
      if (!Expect("JOIN")) return false;
    } else {
      return false;
    }
    return true;
  }

  bool TableExpr(std::unique_ptr<TableRef>& table) {
    if (!TablePrimary(table)) return false;
    for (;;) {
      std::string type;
      size_t before = i_;
      if (!JoinType(type)) {
        if (i_ != before || error_.code) return false;
        return true;
      }
      auto join = std::make_unique<TableRef>();
      join->kind = TableRef::Kind::Join;
      join->joinType = type;
      join->left = std::move(table);
      if (!TablePrimary(join->right)) return false;
      if (type != "CROSS" && type.compare(0, 7, "NATURAL") != 0) {
        if (Accept("ON")) {
          if (!Expression(join->on)) return false;
        } else if (Accept("USING")) {
          if (!ExpectOpen() || !NameList(join->usingColumns)) return false;
        } else {
          return Fail(905);
        }
      }
      table = std::move(join);
    }
  }

  // --- DML ---
  bool Insert(DmlStatement& statement) {
    ++i_;
    if (Accept("FIRST")) {
      statement.insertFirst = true;
      return Peek("WHEN") ? InsertAll(statement) : Fail(905);
    }
    if (Accept("ALL")) return InsertAll(statement);
    if (!Expect("INTO") || !TableName(statement.target)) return false;
    if (!PeekSymbol('(') && !Peek("VALUES") && !Peek("SELECT") && !Peek("WITH")) Name(statement.target.alias);
    if (PeekSymbol('(') && !(Peek("SELECT", 1) || Peek("WITH", 1))) {
      ++i_;
      if (!NameList(statement.columns)) return false;
    }
    if (Accept("VALUES")) {
      if (!ExpectOpen()) return false;
      statement.values.emplace_back();
      if (!ExpressionList(statement.values.back()) || !ExpectClose()) return false;
      if (Peek("RETURNING")) return Unsupported("RETURNING");
      return true;
    }
    if (Peek("SELECT") || Peek("WITH") || PeekSymbol('(')) return QueryExpr(statement.query);
    return Fail(926);
  }

  // INSERT ALL|FIRST WHEN condition THEN INTO ... [ELSE INTO ...] query
  bool ConditionalInserts(DmlStatement& statement) {
    while (Accept("WHEN")) {
      statement.whens.emplace_back();
      if (!Expression(statement.whens.back()) || !Expect("THEN")) return false;
      if (!Peek("INTO")) return Fail(905);
      if (!InsertAll(statement, static_cast<int>(statement.whens.size()) - 1)) return false;
    }
    if (Accept("ELSE")) {
      if (!Peek("INTO")) return Fail(905);
      if (!InsertAll(statement, DmlStatement::kNoWhenHolds)) return false;
    }
    return QueryExpr(statement.query);
  }

  // INSERT ALL INTO t [(columns)] [VALUES (...)] ... query; under a WHEN, only its INTOs.
  bool InsertAll(DmlStatement& statement, int when = DmlStatement::kEveryRow) {
    if (Peek("WHEN")) return ConditionalInserts(statement);
    while (Accept("INTO")) {
      DmlStatement into;
      into.kind = DmlStatement::Kind::Insert;
      into.when = when;
      if (!TableName(into.target)) return false;
      if (AcceptSymbol('(') && !NameList(into.columns)) return false;
      if (Accept("VALUES")) {
        into.values.emplace_back();
        if (!ExpectOpen() || !ExpressionList(into.values.back()) || !ExpectClose()) return false;
      }
      statement.inserts.push_back(std::move(into));
    }
    if (statement.inserts.empty()) return Fail(905);
    return when != DmlStatement::kEveryRow || QueryExpr(statement.query);
  }

  // MERGE INTO target USING source ON (condition) WHEN [NOT] MATCHED THEN ..., in either order.
  bool Merge(DmlStatement& statement) {
    ++i_;
    MergeClauses& merge = statement.merge;
    if (!Expect("INTO") || !TableName(statement.target) || !TableAlias(statement.target) || !Expect("USING") ||
        !TablePrimary(merge.source) || !Expect("ON") || !ExpectOpen() || !Expression(merge.on) || !ExpectClose()) {
      return false;
    }
    while (Accept("WHEN")) {
      bool matched = !Accept("NOT");
      if (!Expect("MATCHED") || !Expect("THEN")) return false;
      if (matched) {
        if (!Expect("UPDATE") || !Expect("SET") || !Assignments(statement)) return false;
        if (Accept("WHERE") && !Expression(merge.updateWhere)) return false;
        if (Accept("DELETE") && (!Expect("WHERE") || !Expression(merge.deleteWhere))) return false;
        continue;
      }
      if (!Expect("INSERT")) return false;
      merge.inserts = true;
      if (AcceptSymbol('(') && !NameList(statement.columns)) return false;
      statement.values.emplace_back();
      if (!Expect("VALUES") || !ExpectOpen() || !ExpressionList(statement.values.back()) || !ExpectClose())
        return false;
      if (Accept("WHERE") && !Expression(merge.insertWhere)) return false;
    }
    return !statement.assignments.empty() || merge.inserts || Fail(905);
  }

  bool Update(DmlStatement& statement) {
    ++i_;
    if (!TableName(statement.target) || !TableAlias(statement.target) || !Expect("SET")) return false;
    return Assignments(statement) && (!Accept("WHERE") || Expression(statement.where)) &&
           (!Peek("RETURNING") || Unsupported("RETURNING"));
  }

  bool Assignments(DmlStatement& statement) {
    do {
      Assignment assignment;
      assignment.start = Here();
      if (AcceptSymbol('(')) {
        if (!NameList(assignment.columns)) return false;
      } else {
        std::string column;
        if (!Name(column)) return InvalidIdentifier();
        if (AcceptSymbol('.') && !Name(column)) return InvalidIdentifier();
        assignment.columns.push_back(column);
      }
      if (!AcceptSymbol('=')) return Fail(927);
      if (!Expression(assignment.value)) return false;
      statement.assignments.push_back(std::move(assignment));
    } while (AcceptSymbol(','));
    return true;
  }

  bool Delete(DmlStatement& statement) {
    ++i_;
    Accept("FROM");
    if (!TableName(statement.target) || !TableAlias(statement.target)) return false;
    if (Accept("WHERE") && !Expression(statement.where)) return false;
    if (Peek("RETURNING")) return Unsupported("RETURNING");
    return true;
  }

  // --- expressions ---
  ExprPtr Node(ExprKind kind, size_t start) {
    auto node = std::make_unique<Expr>();
    node->kind = kind;
    node->start = start;
    return node;
  }

  ExprPtr Wrap(ExprKind kind, const std::string& text, ExprPtr first, ExprPtr second) {
    auto node = Node(kind, first->start);
    node->text = text;
    node->args.push_back(std::move(first));
    if (second) node->args.push_back(std::move(second));
    node->end = node->args.back()->end;
    return node;
  }

  bool Expression(ExprPtr& out) { return OrExpr(out); }

  bool ExpressionList(std::vector<ExprPtr>& list) {
    do {
      list.emplace_back();
      if (!Expression(list.back())) return false;
    } while (AcceptSymbol(','));
    return true;
  }

  bool OrExpr(ExprPtr& out) {
    if (!AndExpr(out)) return false;
    while (Accept("OR")) {
      ExprPtr right;
      if (!AndExpr(right)) return false;
      out = Wrap(ExprKind::Binary, "OR", std::move(out), std::move(right));
    }
    return true;
  }

  bool AndExpr(ExprPtr& out) {
    if (!NotExpr(out)) return false;
    while (Accept("AND")) {
      ExprPtr right;
      if (!NotExpr(right)) return false;
      out = Wrap(ExprKind::Binary, "AND", std::move(out), std::move(right));
    }
    return true;
  }

  bool NotExpr(ExprPtr& out) {
    Level level(depth_);
    if (level.TooDeep()) return TooDeep();
    size_t start = Here();
    if (Accept("NOT")) {
      ExprPtr inner;
      if (!NotExpr(inner)) return false;
      out = Node(ExprKind::Unary, start);
      out->text = "NOT";
      out->end = inner->end;
      out->args.push_back(std::move(inner));
      return true;
    }
    return Comparison(out);
  }

  static bool IsComparison(const Token& token) {
    if (token.kind != TokenKind::Symbol) return false;
    return token.text == "=" || token.text == "<>" || token.text == "!=" || token.text == "<" || token.text == ">" ||
           token.text == "<=" || token.text == ">=" || token.text == "^=";
  }

  bool Comparison(ExprPtr& out) {
    if (!Additive(out)) return false;
    if (!AtEnd() && IsComparison(Cur())) {
      std::string op(Cur().text);
      if (op == "!=" || op == "^=") op = "<>";
      ++i_;
      if (Peek("ANY") || Peek("SOME") || Peek("ALL")) return Quantified(op, out);
      ExprPtr right;
      if (!Additive(right)) return false;
      out = Wrap(ExprKind::Binary, op, std::move(out), std::move(right));
      return true;
    }
    bool negated = false;
    if (Peek("NOT") && (Peek("IN", 1) || Peek("LIKE", 1) || Peek("BETWEEN", 1))) {
      negated = true;
      ++i_;
    }
    if (Accept("IS")) {
      out = Wrap(ExprKind::IsNull, "", std::move(out), nullptr);
      out->negated = Accept("NOT");
      if (!Accept("NULL")) return Fail(908);
      out->end = PrevEnd();
      return true;
    }
    if (Accept("LIKE")) {
      ExprPtr pattern;
      if (!Additive(pattern)) return false;
      out = Wrap(ExprKind::Like, "", std::move(out), std::move(pattern));
      if (Accept("ESCAPE")) {
        ExprPtr escape;
        if (!Additive(escape)) return false;
        out->args.push_back(std::move(escape));
      }
      out->end = PrevEnd();
    } else if (Accept("BETWEEN")) {
      ExprPtr low, high;
      if (!Additive(low) || !Expect("AND") || !Additive(high)) return false;
      out = Wrap(ExprKind::Between, "", std::move(out), std::move(low));
      out->args.push_back(std::move(high));
      out->end = PrevEnd();
    } else if (Accept("IN")) {
      if (!ExpectOpen()) return false;
      if (Peek("SELECT") || Peek("WITH")) {
        out = Wrap(ExprKind::InQuery, "", std::move(out), nullptr);
        if (!QueryExpr(out->query)) return false;
      } else {
        out = Wrap(ExprKind::InList, "", std::move(out), nullptr);
        if (!ExpressionList(out->args)) return false;
      }
      if (!ExpectClose()) return false;
      out->end = PrevEnd();
    } else if (negated) {
      return Fail(905);
    }
    out->negated = negated;
    return true;
  }

  // value op ANY|SOME|ALL (subquery or list)
  bool Quantified(const std::string& op, ExprPtr& out) {
    std::string quantifier = Peek("ALL") ? "ALL" : "ANY";
    ++i_;
    out = Wrap(ExprKind::Quantified, op, std::move(out), nullptr);
    out->names = {quantifier};
    if (!ExpectOpen()) return false;
    if (Peek("SELECT") || Peek("WITH")) {
      if (!QueryExpr(out->query)) return false;
    } else if (!ExpressionList(out->args)) {
      return false;
    }
    if (!ExpectClose()) return false;
    out->end = PrevEnd();
    return true;
  }

  bool Additive(ExprPtr& out) {
    if (!Multiplicative(out)) return false;
    while (PeekSymbol('+') || PeekSymbol('-') || PeekText("||")) {
      std::string op(Cur().text);
      ++i_;
      ExprPtr right;
      if (!Multiplicative(right)) return false;
      out = Wrap(ExprKind::Binary, op, std::move(out), std::move(right));
    }
    return true;
  }

  bool Multiplicative(ExprPtr& out) {
    if (!Unary(out)) return false;
    while (PeekSymbol('*') || PeekSymbol('/')) {
      std::string op(Cur().text);
      ++i_;
      ExprPtr right;
      if (!Unary(right)) return false;
      out = Wrap(ExprKind::Binary, op, std::move(out), std::move(right));
    }
    return true;
  }

  bool Unary(ExprPtr& out) {
    Level level(depth_);
    if (level.TooDeep()) return TooDeep();
    size_t start = Here();
    if (PeekSymbol('-') || PeekSymbol('+') || Peek("PRIOR") || Peek("CONNECT_BY_ROOT")) {
      std::string op = ToUpper(Cur().text);
      ++i_;
      ExprPtr inner;
      if (!Unary(inner)) return false;
      out = Node(ExprKind::Unary, start);
      out->text = op;
      out->end = inner->end;
      out->args.push_back(std::move(inner));
      return true;
    }
    if (PeekSymbol(':')) return Unsupported("bind variables");
    return Primary(out);
  }

  bool Primary(ExprPtr& out) {
    Level level(depth_);
    if (level.TooDeep()) return TooDeep();
    if (AtEnd()) return Fail(936);
    const Token& token = Cur();
    size_t start = token.offset;
    if (token.kind == TokenKind::Number) {
      out = Node(ExprKind::Number, start);
      out->text = std::string(token.text);
      ++i_;
    } else if (token.kind == TokenKind::String) {
      out = Node(ExprKind::String, start);
      out->text = StringContent(token.text);
      ++i_;
    } else if (token.IsSymbol('(')) {
      ++i_;
      if (Peek("SELECT") || Peek("WITH")) {
        out = Node(ExprKind::Subquery, start);
        if (!QueryExpr(out->query)) return false;
      } else {
        ExprPtr first;
        if (!Expression(first)) return false;
        if (PeekSymbol(',')) {
          out = Node(ExprKind::List, start);
          out->args.push_back(std::move(first));
          while (AcceptSymbol(',')) {
            out->args.emplace_back();
            if (!Expression(out->args.back())) return false;
          }
        } else {
          out = std::move(first);
          out->start = start;
        }
      }
      if (!ExpectClose()) return false;
    } else if (token.IsWord("NULL")) {
      out = Node(ExprKind::Null, start);
      ++i_;
    } else if (token.IsWord("CASE")) {
      return CaseExpr(out);
    } else if (token.IsWord("EXISTS")) {
      ++i_;
      out = Node(ExprKind::Exists, start);
      if (!ExpectOpen() || !QueryExpr(out->query) || !ExpectClose()) return false;
    } else if ((token.IsWord("DATE") || token.IsWord("TIMESTAMP")) && i_ + 1 < t_.size() &&
               t_[i_ + 1].kind == TokenKind::String) {
      if (token.IsWord("TIMESTAMP")) return Unsupported("TIMESTAMP");
      out = Node(ExprKind::DateLiteral, start);
      out->text = StringContent(t_[i_ + 1].text);
      i_ += 2;
    } else if (token.IsWord("INTERVAL") && i_ + 1 < t_.size() && t_[i_ + 1].kind == TokenKind::String) {
      return IntervalLiteral(out);
    } else if (IsName(token) || (token.kind == TokenKind::Word && PeekSymbol('(', 1))) {
      return NameExpr(out);
    } else {
      return Fail(936);
    }
    out->end = PrevEnd();
    if (PeekSymbol('(') && PeekSymbol('+', 1)) return Unsupported("(+) on an expression");
    return true;
  }

  // INTERVAL 'text' field[(precision)] [TO field[(fractional precision)]]: a call that gives
  // its months or days (SqlInterval.h).
  bool IntervalLiteral(ExprPtr& out) {
    size_t start = Cur().offset;
    std::string text = StringContent(t_[i_ + 1].text);
    i_ += 2;
    Interval interval;
    std::string first, last;
    if (AtEnd() || Cur().kind != TokenKind::Word) return Fail(905);
    first = ToUpper(Cur().text);
    ++i_;
    if (!FieldPrecision(&interval.precision)) return false;
    if (Accept("TO")) {
      if (AtEnd() || Cur().kind != TokenKind::Word) return Fail(905);
      last = ToUpper(Cur().text);
      ++i_;
      if (!FieldPrecision(nullptr)) return false;
    }
    if (int code = ReadInterval(text, first, last, interval)) {
      error_ = MakeOraError(code, "", start);
      return false;
    }
    out = Node(ExprKind::Function, start);
    out->text = interval.yearToMonth ? kIntervalMonths : kIntervalDays;
    for (double number : {interval.amount, static_cast<double>(interval.precision)}) {
      out->args.push_back(Node(ExprKind::Number, start));
      out->args.back()->text = OracleNumberText(number);
    }
    out->end = PrevEnd();
    return true;
  }

  // An optional (n) after an interval's field.
  bool FieldPrecision(int* precision) {
    if (!AcceptSymbol('(')) return true;
    if (AtEnd() || Cur().kind != TokenKind::Number) return Fail(936);
    if (precision) *precision = std::atoi(std::string(Cur().text).c_str());
    ++i_;
    return ExpectClose();
  }

  static std::string StringContent(std::string_view quoted) {
    std::string content;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
      content += quoted[i];
      if (quoted[i] == '\'') ++i;
    }
    return content;
  }

  bool CaseExpr(ExprPtr& out) {
    out = Node(ExprKind::Case, Cur().offset);
    ++i_;
    if (!Peek("WHEN")) {
      out->hasOperand = true;
      out->args.emplace_back();
      if (!Expression(out->args.back())) return false;
    }
    if (!Peek("WHEN")) return Fail(905);
    while (Accept("WHEN")) {
      ExprPtr when, then;
      if (!Expression(when) || !Expect("THEN") || !Expression(then)) return false;
      out->args.push_back(std::move(when));
      out->args.push_back(std::move(then));
    }
    if (Accept("ELSE")) {
      out->hasElse = true;
      out->args.emplace_back();
      if (!Expression(out->args.back())) return false;
    }
    if (!Expect("END")) return false;
    out->end = PrevEnd();
    return true;
  }

  static bool IsPseudoColumn(const std::string& name) {
    return name == "SYSDATE" || name == "SYSTIMESTAMP" || name == "USER" || name == "CURRENT_DATE" ||
           name == "ROWNUM" || name == "LEVEL" || name == "DEFAULT";
  }

  static bool IsTransactionId(const std::vector<std::string>& names) {
    return names.size() == 2 && names[0] + "." + names[1] == kTransactionIdName;
  }

  static bool IsUnsupportedPseudo(const std::string& name) { return name == "ROWID" || name == "CONNECT_BY_ISLEAF"; }

  bool NameExpr(ExprPtr& out) {
    size_t start = Cur().offset;
    bool quoted = Cur().kind == TokenKind::Quoted;
    std::vector<std::string> names{IdentifierName(Cur())};
    ++i_;
    while (PeekSymbol('.') && i_ + 1 < t_.size() && (IsName(t_[i_ + 1]) || t_[i_ + 1].kind == TokenKind::Word)) {
      names.push_back(IdentifierName(t_[i_ + 1]));
      i_ += 2;
    }
    const std::string& last = names.back();
    if (names.size() > 1 && (last == "NEXTVAL" || last == "CURRVAL")) {
      out = Node(ExprKind::Sequence, start);
      out->text = last;
      names.pop_back();
      out->names = names;
    } else if (PeekSymbol('(') && !PeekSymbol('+', 1)) {
      return FunctionCall(names, start, out);
    } else if ((names.size() == 1 && !quoted && IsPseudoColumn(last)) || IsTransactionId(names)) {
      out = Node(ExprKind::Pseudo, start);
      out->text = last == "CURRENT_DATE" ? "SYSDATE" : IsTransactionId(names) ? kTransactionIdName : last;
    } else if (names.size() == 1 && !quoted && IsUnsupportedPseudo(last)) {
      i_--;
      return Unsupported(last);
    } else {
      out = Node(ExprKind::Column, start);
      out->names = names;
    }
    out->end = PrevEnd();
    if (PeekSymbol('(') && PeekSymbol('+', 1)) {
      if (out->kind != ExprKind::Column) return Unsupported("(+) on an expression");
      i_ += 2;
      if (!ExpectClose()) return false;
      out->outerJoin = true;
    }
    return true;
  }

  bool FunctionCall(std::vector<std::string>& names, size_t start, ExprPtr& out) {
    std::string name = names.back();
    if (names.size() > 1) return Unsupported("package function " + names.front() + "." + name);
    if (name == "XMLAGG") return Unsupported(name);
    ++i_;  // (
    out = Node(ExprKind::Function, start);
    out->text = name;
    if (name == "EXTRACT") {
      out->kind = ExprKind::Extract;
      if (AtEnd() || Cur().kind != TokenKind::Word) return Fail(905);
      out->text = ToUpper(Cur().text);
      ++i_;
      out->args.emplace_back();
      if (!Expect("FROM") || !Expression(out->args.back()) || !ExpectClose()) return false;
      out->end = PrevEnd();
      return true;
    }
    if (name == "CAST") return CastCall(out);
    if (name == "TRIM" && TrimHasKeywords()) return TrimFrom(out);
    if (name == "TREAT" || name == "CONVERT") {
      for (size_t k = i_, depth = 1; k < t_.size() && depth > 0; ++k) {
        if (t_[k].IsSymbol('(')) ++depth;
        if (t_[k].IsSymbol(')')) --depth;
        if (depth == 1 && (t_[k].IsWord("AS") || t_[k].IsWord("USING"))) return Unsupported(name);
      }
    }
    if (PeekSymbol('*')) {
      out->star = true;
      ++i_;
    } else if (!PeekSymbol(')')) {
      if (Accept("DISTINCT") || Accept("UNIQUE")) {
        out->distinct = true;
      } else {
        Accept("ALL");
      }
      if (!ExpressionList(out->args)) return false;
    }
    if (Peek("IGNORE") || Peek("RESPECT") || (Peek("FROM") && (Peek("FIRST", 1) || Peek("LAST", 1)))) {
      return Unsupported(ToUpper(Cur().text) + (i_ + 1 < t_.size() ? " " + ToUpper(t_[i_ + 1].text) : ""));
    }
    if (!ExpectClose()) return false;
    if ((Peek("IGNORE") || Peek("RESPECT")) && Peek("NULLS", 1)) return Unsupported(ToUpper(Cur().text) + " NULLS");
    if (name == "LISTAGG" && Accept("WITHIN")) {
      if (!Expect("GROUP") || !ExpectOpen() || !Expect("ORDER") || !Expect("BY") || !OrderList(out->withinGroup) ||
          !ExpectClose()) {
        return false;
      }
    }
    if (Peek("KEEP") && !Keep(*out)) return false;
    if (Peek("WITHIN")) return Unsupported("WITHIN GROUP");
    if (Accept("OVER")) {
      out->over = std::make_unique<WindowSpec>();
      if (!ExpectOpen()) return false;
      if (Accept("PARTITION")) {
        if (!Expect("BY") || !ExpressionList(out->over->partitionBy)) return false;
      }
      if (Accept("ORDER")) {
        if (!Expect("BY") || !OrderList(out->over->orderBy)) return false;
      }
      if ((Peek("ROWS") || Peek("RANGE")) && !WindowFrame(*out->over)) return false;
      if (!ExpectClose()) return false;
    }
    out->end = PrevEnd();
    return true;
  }

  // KEEP (DENSE_RANK FIRST|LAST ORDER BY ...) after MIN, MAX, SUM, AVG or COUNT.
  bool Keep(Expr& call) {
    ++i_;
    if (!ExpectOpen() || !Expect("DENSE_RANK")) return false;
    call.keep = Accept("FIRST") ? 1 : Accept("LAST") ? 2 : 0;
    if (!call.keep) return Fail(905);
    if (!Expect("ORDER") || !Expect("BY") || !OrderList(call.withinGroup) || !ExpectClose()) return false;
    bool known =
        call.text == "MIN" || call.text == "MAX" || call.text == "SUM" || call.text == "AVG" || call.text == "COUNT";
    if (!known || call.distinct)
      return Unsupported("KEEP after " + std::string(call.distinct ? "DISTINCT" : call.text));
    if (Peek("OVER")) return Unsupported("KEEP with OVER");
    return true;
  }

  // ROWS|RANGE BETWEEN bound AND bound, or ROWS|RANGE bound (up to the current row).
  bool WindowFrame(WindowSpec& window) {
    if (window.orderBy.empty()) return Fail(30485);
    window.frameUnit = ToUpper(Cur().text);
    ++i_;
    if (!Accept("BETWEEN")) {
      window.frameEnd.kind = "CURRENT ROW";
      return WindowBound(window.frameStart);
    }
    return WindowBound(window.frameStart) && Expect("AND") && WindowBound(window.frameEnd);
  }

  bool WindowBound(FrameBound& bound) {
    if (Accept("CURRENT")) {
      bound.kind = "CURRENT ROW";
      return Expect("ROW");
    }
    bool unbounded = Accept("UNBOUNDED");
    if (!unbounded && !Additive(bound.offset)) return false;
    if (!Peek("PRECEDING") && !Peek("FOLLOWING")) return Fail(905);
    bound.kind = (unbounded ? "UNBOUNDED " : "") + ToUpper(Cur().text);
    ++i_;
    return true;
  }

  // CAST(value AS type) becomes the conversion function of the type's family.
  bool CastCall(ExprPtr& out) {
    out->args.emplace_back();
    if (!Expression(out->args.back()) || !Expect("AS")) return false;
    if (AtEnd() || Cur().kind != TokenKind::Word) return Fail(902);
    std::string type = ToUpper(Cur().text);
    ++i_;
    if (AcceptSymbol('(')) {
      while (!AtEnd() && !PeekSymbol(')')) ++i_;
      if (!ExpectClose()) return false;
    }
    if (type == "NUMBER" || type == "FLOAT" || type == "DECIMAL" || type == "NUMERIC" || type == "BINARY_DOUBLE") {
      out->text = "TO_NUMBER";
    } else if (type == "INTEGER" || type == "INT" || type == "SMALLINT") {
      out->text = "ROUND";
    } else if (type == "VARCHAR2" || type == "VARCHAR" || type == "CHAR" || type == "NVARCHAR2" || type == "NCHAR") {
      out->text = "TO_CHAR";
    } else if (type == "DATE") {
      out->text = "TO_DATE";
    } else {
      return Unsupported("CAST AS " + type);
    }
    if (!ExpectClose()) return false;
    out->end = PrevEnd();
    return true;
  }

  // TRIM(LEADING|TRAILING|BOTH ...) or TRIM(c FROM text).
  bool TrimHasKeywords() const {
    if (Peek("LEADING") || Peek("TRAILING") || Peek("BOTH")) return true;
    for (size_t k = i_, depth = 1; k < t_.size() && depth > 0; ++k) {
      depth += t_[k].IsSymbol('(') ? 1 : t_[k].IsSymbol(')') ? -1 : 0;
      if (depth == 1 && t_[k].IsWord("FROM")) return true;
    }
    return false;
  }

  // [LEADING|TRAILING|BOTH] [character] FROM text: LTRIM, RTRIM or TRIM of text by the character.
  bool TrimFrom(ExprPtr& out) {
    out->text = Accept("LEADING") ? "LTRIM" : Accept("TRAILING") ? "RTRIM" : "TRIM";
    Accept("BOTH");
    ExprPtr character;
    if (!Peek("FROM") && !Expression(character)) return false;
    out->args.emplace_back();
    if (!Expect("FROM") || !Expression(out->args.back())) return false;
    if (!character) {
      character = Node(ExprKind::String, PrevEnd());
      character->text = " ";
    }
    out->args.push_back(std::move(character));
    if (!ExpectClose()) return false;
    out->end = PrevEnd();
    return true;
  }

  static constexpr int kDeepest = 200;
  static constexpr size_t kMostGroupingSets = 256;  // each one is the query once more
  static std::vector<Token> Before(const std::vector<Token>& tokens, size_t end) {
    std::vector<Token> before;
    for (const Token& token : tokens) {
      if (token.offset < end) before.push_back(token);
    }
    return before;
  }

  std::string_view sql_;
  std::vector<Token> all_;
  std::vector<Token> t_;
  OraError& error_;
  size_t i_ = 0;
  int depth_ = 0;
};

}  // namespace

bool ParseDml(const LexedText& lexed, DmlStatement& statement, OraError& error) {
  error = OraError();
  return Parser(lexed, lexed.text.size(), error).Statement(statement);
}

bool ParseQueryAt(const LexedText& lexed, size_t from, size_t end, QueryPtr& query, OraError& error) {
  error = OraError();
  return Parser(lexed, end, error).QueryFrom(from, query);
}

}  // namespace ocilite
