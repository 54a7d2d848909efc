// What running statements needs from the outside: the document's statement operations and
// the result list. The view hands in the real ones; tests hand in tables of their own.
#ifndef ZENQUILL_WORKSPACE_EXECUTIONPORTS_H
#define ZENQUILL_WORKSPACE_EXECUTIONPORTS_H

#include <cstddef>
#include <string>
#include <vector>

#include "DbResult.h"
#include "RowBatch.h"
#include "Substitution.h"

class StatementSource {
 public:
  virtual DbResult Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                           int& errorOffset) = 0;
  virtual DbResult DescribeColumns(int columnCount, std::vector<std::string>& names) = 0;
  virtual DbResult FetchRow(int columnCount, std::vector<std::string>& values) = 0;
  // Values of the last query that were shown cut short.
  virtual int ValuesCut() = 0;
  virtual std::string GetErrorText() = 0;
  // Ends the current query, freeing what the client library holds for it.
  virtual void CloseQuery() = 0;
  // Whether the user cancelled the run: the call that failed was stopped, not refused.
  virtual bool Cancelled() = 0;

 protected:
  ~StatementSource() = default;
};

// Any document with these operations (DatabaseDocument) as a StatementSource.
template <class Document>
class DocumentStatements : public StatementSource {
 public:
  explicit DocumentStatements(Document& document) : document_(document) {}
  DbResult Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                   int& errorOffset) override {
    return document_.Execute(statement, isQuery, columnCount, rowCount, errorOffset);
  }
  DbResult DescribeColumns(int columnCount, std::vector<std::string>& names) override {
    return document_.DescribeColumns(columnCount, names);
  }
  DbResult FetchRow(int columnCount, std::vector<std::string>& values) override {
    return document_.FetchRow(columnCount, values);
  }
  int ValuesCut() override { return document_.ValuesCut(); }
  std::string GetErrorText() override { return document_.GetErrorText(); }
  void CloseQuery() override { document_.CloseQuery(); }
  // Cancelling is the worker's business (SessionWorker), not the document's.
  bool Cancelled() override { return false; }

 private:
  Document& document_;
};

class ResultList {
 public:
  // Every row, then every column.
  virtual void Clear() = 0;
  // A left-aligned column after the last one.
  virtual void AddColumn(const std::string& heading, int width) = 0;
  // A row after the last one: values[0] in column 0, the others in the columns after it.
  // False when the list has no memory left for it: then the row is not there at all.
  virtual bool AppendRow(const std::vector<std::string>& values) = 0;
  // Rows fetched on another thread, in order, up to the first that finds no room; returns
  // how many went in. A list that can take a row in one piece overrides it.
  virtual std::size_t AppendRows(const RowBatch& rows) {
    std::vector<std::string> values;
    std::size_t appended = 0;
    for (; appended < rows.Count(); ++appended) {
      rows.Read(appended, values);
      if (!AppendRow(values)) break;
    }
    return appended;
  }
  virtual int RowCount() const = 0;
  // Off while rows pour in; turning it on again shows the rows read so far.
  virtual void SetRedraw(bool on) = 0;
  // The read-all question; true when the user answers Yes.
  virtual bool AskToReadAll(const std::string& question) = 0;
  // A substitution variable's value; false when the user cancels.
  virtual bool AskSubstitution(const SubstitutionAsk& ask, std::string& value) = 0;

 protected:
  ~ResultList() = default;
};

#endif
