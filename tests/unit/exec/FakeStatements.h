// A document whose statements answer as a test scripts them, and a result list that keeps
// what it is given: the pure execution logic runs against both.
#ifndef ZENQUILL_TESTS_EXEC_FAKESTATEMENTS_H
#define ZENQUILL_TESTS_EXEC_FAKESTATEMENTS_H

#include <map>
#include <string>
#include <vector>

#include "ExecutionPorts.h"

using Texts = std::vector<std::string>;
using Rows = std::vector<Texts>;

// How one statement text answers.
struct Scripted {
  Texts columns;  // a query when not empty
  Rows rows;
  int rowCount = 0;  // rows changed by a non-query
  DbResult execute = DB_OK;
  int errorOffset = 0;
  int failsFromRun = 0;  // when not 0: Execute fails from this run of the text on
  bool describeFails = false;
  int fetchFailsAfter = -1;   // FetchRow fails once this many rows were read
  int valuesCut = 0;          // reported once the rows were read
  int fetchThrowsAfter = -1;  // FetchRow runs out of memory once this many rows were read
};

// A query of `count` rows and `width` columns C1, C2, ... holding "r<row>c<column>".
Scripted Query(int count, int width = 1);
Scripted Change(int rows);
Scripted Failure(int offset);

class FakeStatements : public StatementSource {
 public:
  std::map<std::string, Scripted> script;  // a text missing here fails with ORA-00942
  Texts executed;
  Texts calls;  // "execute", "describe", "fetch"

  DbResult Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                   int& errorOffset) override;
  DbResult DescribeColumns(int columnCount, Texts& names) override;
  DbResult FetchRow(int columnCount, Texts& values) override;
  int ValuesCut() override { return current_ ? current_->valuesCut : 0; }
  // The failing statement's text, so tests see whose error is shown.
  std::string GetErrorText() override { return "ORA-00900: " + lastFailure_; }
  void CloseQuery() override { calls.push_back("close"), current_ = nullptr; }
  bool cancelled = false;  // failures count as the user's cancel
  bool Cancelled() override { return cancelled; }

 private:
  std::map<std::string, int> runs_;
  const Scripted* current_ = nullptr;
  std::size_t nextRow_ = 0;
  std::string currentText_, lastFailure_;
};

class FakeResultList : public ResultList {
 public:
  Texts headings;
  std::vector<int> widths;
  Rows rows;
  bool redraw = true;
  int rowsAddedWhileDrawing = 0;
  Texts questions;
  std::vector<int> askedAt;  // rows in the list at each question
  std::vector<bool> drawnAtQuestion;
  std::vector<bool> answers;  // in order; No once they run out
  int capacity = -1;          // rows the list can take; -1 for any number
  std::vector<SubstitutionAsk> asks;
  Texts values;  // the answers to the asks, in order; Cancel once they run out

  void Clear() override { headings.clear(), widths.clear(), rows.clear(); }
  void AddColumn(const std::string& heading, int width) override {
    headings.push_back(heading), widths.push_back(width);
  }
  bool AppendRow(const Texts& values) override;
  int RowCount() const override { return static_cast<int>(rows.size()); }
  void SetRedraw(bool on) override { redraw = on; }
  bool AskToReadAll(const std::string& question) override;
  bool AskSubstitution(const SubstitutionAsk& ask, std::string& value) override;
};

#endif
