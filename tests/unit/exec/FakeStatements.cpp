#include "FakeStatements.h"

#include <new>

Scripted Query(int count, int width) {
  Scripted query;
  for (int c = 1; c <= width; ++c) query.columns.push_back("C" + std::to_string(c));
  for (int r = 0; r < count; ++r) {
    query.rows.emplace_back();
    for (int c = 0; c < width; ++c) query.rows.back().push_back("r" + std::to_string(r) + "c" + std::to_string(c));
  }
  return query;
}

Scripted Change(int rows) {
  Scripted change;
  change.rowCount = rows;
  return change;
}

Scripted Failure(int offset) {
  Scripted failure;
  failure.execute = DB_ERROR;
  failure.errorOffset = offset;
  return failure;
}

DbResult FakeStatements::Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                                 int& errorOffset) {
  executed.push_back(statement);
  calls.push_back("execute");
  current_ = nullptr;
  lastFailure_ = statement;
  const auto found = script.find(statement);
  if (found == script.end()) return DB_ERROR;
  const Scripted& s = found->second;
  errorOffset = s.errorOffset;
  const bool failsNow = s.failsFromRun > 0 && ++runs_[statement] >= s.failsFromRun;
  if (s.execute != DB_OK || failsNow) return DB_ERROR;
  isQuery = !s.columns.empty();
  columnCount = static_cast<int>(s.columns.size());
  rowCount = s.rowCount;
  current_ = &s;
  currentText_ = statement;
  nextRow_ = 0;
  return DB_OK;
}

DbResult FakeStatements::DescribeColumns(int columnCount, Texts& names) {
  calls.push_back("describe");
  if (!current_ || columnCount != static_cast<int>(current_->columns.size()) || current_->describeFails) {
    lastFailure_ = currentText_;
    return DB_ERROR;
  }
  names = current_->columns;
  return DB_OK;
}

DbResult FakeStatements::FetchRow(int columnCount, Texts& values) {
  calls.push_back("fetch");
  if (!current_ || columnCount != static_cast<int>(current_->columns.size()) ||
      static_cast<int>(nextRow_) == current_->fetchFailsAfter) {
    lastFailure_ = currentText_;
    return DB_ERROR;
  }
  if (static_cast<int>(nextRow_) == current_->fetchThrowsAfter) throw std::bad_alloc();
  if (nextRow_ == current_->rows.size()) return DB_NO_DATA;
  values = current_->rows[nextRow_++];
  return DB_OK;
}

bool FakeResultList::AppendRow(const Texts& values) {
  if (capacity >= 0 && RowCount() >= capacity) return false;
  rows.push_back(values);
  rowsAddedWhileDrawing += redraw;
  return true;
}

bool FakeResultList::AskToReadAll(const std::string& question) {
  questions.push_back(question);
  askedAt.push_back(RowCount());
  drawnAtQuestion.push_back(redraw);
  return questions.size() <= answers.size() && answers[questions.size() - 1];
}

bool FakeResultList::AskSubstitution(const SubstitutionAsk& ask, std::string& value) {
  asks.push_back(ask);
  if (asks.size() > values.size()) return false;
  value = values[asks.size() - 1];
  return true;
}
