#include "FakeStatements.h"

ScriptedStatement NumberedQuery(int count, int width) {
  ScriptedStatement query;
  for (int c = 0; c < width; ++c) query.columns.push_back("C" + std::to_string(c + 1));
  for (int r = 0; r < count; ++r) {
    Row row;
    for (int c = 0; c < width; ++c) row.push_back("r" + std::to_string(r) + "c" + std::to_string(c));
    query.rows.push_back(row);
  }
  return query;
}

ScriptedStatement Change(int rows) {
  ScriptedStatement change;
  change.rowCount = rows;
  return change;
}

ScriptedStatement Failure(const std::string& error, int offset) {
  ScriptedStatement failure;
  failure.execute = DB_ERROR;
  failure.error = error;
  failure.errorOffset = offset;
  return failure;
}

DbResult FakeStatements::Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                                 int& errorOffset) {
  executed.push_back(statement);
  calls.push_back("execute");
  const auto found = script.find(statement);
  if (found == script.end()) {
    lastError_ = "ORA-00942: table or view does not exist";
    return DB_ERROR;
  }
  const ScriptedStatement& s = found->second;
  errorOffset = s.errorOffset;
  const bool failsNow = s.failsFromRun > 0 && ++runs_[statement] >= s.failsFromRun;
  if (s.execute != DB_OK || failsNow) {
    lastError_ = s.error;
    return failsNow ? DB_ERROR : s.execute;
  }
  isQuery = s.columns.empty() ? 0 : 1;
  columnCount = static_cast<int>(s.columns.size());
  rowCount = s.rowCount;
  current_ = isQuery ? &s : nullptr;
  nextRow_ = 0;
  return DB_OK;
}

DbResult FakeStatements::DescribeColumns(int columnCount, std::vector<std::string>& names) {
  calls.push_back("describe");
  if (!current_ || columnCount != static_cast<int>(current_->columns.size())) return DB_ERROR;
  if (current_->describe != DB_OK) {
    lastError_ = current_->error;
    return current_->describe;
  }
  names = current_->columns;
  return DB_OK;
}

DbResult FakeStatements::FetchRow(int columnCount, std::vector<std::string>& values) {
  calls.push_back("fetch");
  if (!current_ || columnCount != static_cast<int>(current_->columns.size())) return DB_ERROR;
  if (static_cast<int>(nextRow_) == current_->fetchFailsAfter) {
    lastError_ = current_->error;
    return DB_ERROR;
  }
  if (nextRow_ == current_->rows.size()) return DB_NO_DATA;
  values = current_->rows[nextRow_++];
  return DB_OK;
}

void FakeResultList::Clear() {
  ++clears;
  rows.clear();
  columns.clear();
}

void FakeResultList::AppendRow(const std::vector<std::string>& values) {
  rows.push_back(values);
  if (redraw) ++rowsAddedWhileDrawing;
}

bool FakeResultList::AskToReadAll(const std::string& question) {
  questions.push_back(question);
  rowsAtQuestion.push_back(RowCount());
  redrawAtQuestion.push_back(redraw);
  const std::size_t asked = questions.size();
  return asked <= answers.size() && answers[asked - 1];
}

std::vector<std::string> FakeResultList::Headings() const {
  std::vector<std::string> headings;
  for (const Column& column : columns) headings.push_back(column.heading);
  return headings;
}
