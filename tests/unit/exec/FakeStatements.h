// A document whose statements answer as a test scripts them, and a result list that keeps
// what it is given: the pure execution logic runs against both.
#ifndef ZENQUILL_TESTS_EXEC_FAKESTATEMENTS_H
#define ZENQUILL_TESTS_EXEC_FAKESTATEMENTS_H

#include <map>
#include <string>
#include <vector>

#include "ExecutionPorts.h"

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// How one statement text answers.
struct ScriptedStatement {
  DbResult execute = DB_OK;
  int failsFromRun = 0;  // when not 0: Execute fails from this run of the text on
  int errorOffset = 0;
  int rowCount = 0;     // rows changed by a non-query
  Row columns;          // a query when not empty
  Rows rows;
  DbResult describe = DB_OK;
  int fetchFailsAfter = -1;  // FetchRow fails once this many rows were read; -1 never
  std::string error = "ORA-00900: invalid SQL statement";
};

// Query of `count` rows of `width` columns whose cells are "r<row>c<column>".
ScriptedStatement NumberedQuery(int count, int width = 1);
// A non-query that changes `rows` rows.
ScriptedStatement Change(int rows);
ScriptedStatement Failure(const std::string& error, int offset);

class FakeStatements : public StatementSource {
 public:
  std::map<std::string, ScriptedStatement> script;
  std::vector<std::string> executed;  // statement texts, in order
  std::vector<std::string> calls;     // "execute", "describe", "fetch", in order

  DbResult Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                   int& errorOffset) override;
  DbResult DescribeColumns(int columnCount, std::vector<std::string>& names) override;
  DbResult FetchRow(int columnCount, std::vector<std::string>& values) override;
  std::string GetErrorText() override { return lastError_; }

 private:
  std::map<std::string, int> runs_;
  const ScriptedStatement* current_ = nullptr;
  std::size_t nextRow_ = 0;
  std::string lastError_ = "no error yet";
};

struct Column {
  std::string heading;
  int width;
  bool operator==(const Column& other) const { return heading == other.heading && width == other.width; }
};

class FakeResultList : public ResultList {
 public:
  std::vector<Column> columns;
  Rows rows;
  int clears = 0;
  bool redraw = true;
  int rowsAddedWhileDrawing = 0;
  std::vector<std::string> questions;
  std::vector<int> rowsAtQuestion;
  std::vector<bool> redrawAtQuestion;
  std::vector<bool> answers;  // given in order; No once they run out

  void Clear() override;
  void AddColumn(const std::string& heading, int width) override { columns.push_back({heading, width}); }
  void AppendRow(const std::vector<std::string>& values) override;
  int RowCount() const override { return static_cast<int>(rows.size()); }
  void SetRedraw(bool on) override { redraw = on; }
  bool AskToReadAll(const std::string& question) override;

  std::vector<std::string> Headings() const;
};

#endif
