#include "Execution.h"

#include <vector>

#include "ResultFiller.h"
#include "ScriptSplitter.h"
#include "StatementAtCaret.h"

namespace {

std::string Numbered(const char* prefix, long long number) { return prefix + std::to_string(number); }

std::string RowsChanged(int rowCount) { return Numbered("Execute succeeded! Rows changed ", rowCount); }
// ", N values cut" only when some value did not fit its buffer.
std::string RowsShown(const ResultList& list, int valuesCut) {
  return Numbered("Rows ", list.RowCount()) + (valuesCut > 0 ? Numbered(", ", valuesCut) + " values cut" : "");
}

struct ExecutedStatement {
  DbResult result = DB_OK;
  int isQuery = 0;
  int columnCount = 0;
  int rowCount = 0;
  int errorOffset = 0;
};

ExecutedStatement Run(StatementSource& source, const std::string& statement) {
  ExecutedStatement run;
  run.result = source.Execute(statement, run.isQuery, run.columnCount, run.rowCount, run.errorOffset);
  return run;
}

// Columns headed by the query's own names; false when they cannot be described.
bool AddNamedColumns(StatementSource& source, int columnCount, int width, ResultList& list) {
  std::vector<std::string> names;
  if (source.DescribeColumns(columnCount, names) != DB_OK) return false;
  for (const std::string& name : names) list.AddColumn(name, width);
  return true;
}

// Message once a query's rows were fetched (to the end, declined, or up to a failure).
std::string FetchMessage(FillEnd end, StatementSource& source, const ResultList& list) {
  if (end == FillEnd::Failed) return source.GetErrorText();
  if (end == FillEnd::OutOfMemory) return OutOfMemoryText(list.RowCount());
  if (end == FillEnd::Cancelled) return CancelledText(list.RowCount());
  return RowsShown(list, source.ValuesCut());
}

bool StopsScript(FillEnd end) {
  return end == FillEnd::Failed || end == FillEnd::Cancelled || end == FillEnd::OutOfMemory;
}

ExecutionOutcome RunOneStatement(const std::string& textRun, const SplitStatement& statement, std::size_t caretBase,
                                 StatementSource& source, ResultList& list) {
  ExecutionOutcome outcome;
  const ExecutedStatement run = Run(source, statement.text);
  if (run.result != DB_OK) {
    outcome.message = source.GetErrorText() + Numbered(", approx. offset ", run.errorOffset);
    // The statement may have been trimmed: its own place in the text counts too. An EXECUTE
    // command's offset counts from the "BEGIN " put before its text.
    const int offset = run.errorOffset - static_cast<int>(statement.lead);
    outcome.mark = {true, caretBase + statement.offset + (offset > 0 ? static_cast<std::size_t>(offset) : 0), 0};
    return outcome;
  }
  if (!run.isQuery) {
    outcome.message = RowsChanged(run.rowCount);
  } else if (!AddNamedColumns(source, run.columnCount, kExecuteColumnWidth, list)) {
    outcome.message = source.GetErrorText();
    return outcome;
  } else {
    ReadAllQuestion question(kExecuteRowLimit);
    outcome.message = FetchMessage(FillRows(source, run.columnCount, list, question), source, list);
  }
  outcome.recorded = true;
  outcome.historyText = textRun;
  return outcome;
}

// The script path's headings only grow, to the widest query of the script.
void WidenTo(int columnCount, int& headings, ResultList& list) {
  for (; headings < columnCount; ++headings) list.AddColumn(Numbered("Column ", headings + 1), kExecuteColumnWidth);
}

// Stops the script at `statement`: the message, and the statement selected where its text
// first occurs in the editor.
ExecutionOutcome StopAt(const std::string& statement, const std::string& message, const std::string& sqlText) {
  ExecutionOutcome outcome;
  outcome.message = message;
  const std::size_t at = sqlText.find(statement);
  if (at != std::string::npos) outcome.mark = {true, at, statement.size()};
  return outcome;
}

ExecutionOutcome RunScript(const std::vector<SplitStatement>& statements, const std::string& textRun,
                           const std::string& sqlText, StatementSource& source, ResultList& list) {
  int headings = 0;
  int valuesCut = 0;
  WidenTo(1, headings, list);
  ReadAllQuestion question(kExecuteRowLimit);
  for (const SplitStatement& statement : statements) {
    const ExecutedStatement run = Run(source, statement.text);
    if (run.result != DB_OK) {
      return StopAt(ScriptBytes(textRun, statement),
                    source.GetErrorText() + Numbered(", approx. offset in selected area ", run.errorOffset), sqlText);
    }
    if (!run.isQuery) continue;
    WidenTo(run.columnCount, headings, list);
    std::vector<std::string> unusedNames;
    if (source.DescribeColumns(run.columnCount, unusedNames) != DB_OK) {
      return StopAt(ScriptBytes(textRun, statement), source.GetErrorText(), sqlText);
    }
    const FillEnd end = FillRows(source, run.columnCount, list, question);
    if (StopsScript(end)) {
      return StopAt(ScriptBytes(textRun, statement), FetchMessage(end, source, list), sqlText);
    }
    valuesCut += source.ValuesCut();
  }
  ExecutionOutcome outcome;
  outcome.message = RowsShown(list, valuesCut);
  outcome.recorded = true;
  outcome.historyText = sqlText;
  return outcome;
}

}  // namespace

ExecutionOutcome ExecuteText(const EditorRequest& request, StatementSource& source, ResultList& list) {
  const std::size_t end = request.selectionEnd < request.sqlText.size() ? request.selectionEnd : request.sqlText.size();
  const bool selected = request.selectionStart < end;
  const std::string textRun =
      selected ? request.sqlText.substr(request.selectionStart, end - request.selectionStart) : request.sqlText;
  list.Clear();
  std::vector<SplitStatement> statements;
  int skipped = 0;
  ExecutionOutcome outcome =
      SplitStatements(textRun, request.sqlSeparator, request.plsqlSeparator, statements, skipped) == 1
          ? RunOneStatement(textRun, statements[0], selected ? request.selectionStart : 0, source, list)
          : RunScript(statements, textRun, request.sqlText, source, list);
  if (skipped > 0) outcome.message += " (" + std::to_string(skipped) + " SQL*Plus commands skipped)";
  return outcome;
}

ExecutionOutcome ExecuteStatementAtCaret(const EditorRequest& request, StatementSource& source, ResultList& list) {
  if (request.selectionStart < request.selectionEnd) return ExecuteText(request, source, list);
  list.Clear();
  std::vector<SplitStatement> statements;
  SplitStatements(request.sqlText, request.sqlSeparator, request.plsqlSeparator, statements);
  if (statements.empty()) return RunScript(statements, request.sqlText, request.sqlText, source, list);
  const SplitStatement& statement = statements[StatementAtCaret(request.sqlText, statements, request.selectionStart,
                                                                request.sqlSeparator, request.plsqlSeparator)];
  return RunOneStatement(ScriptBytes(request.sqlText, statement), statement, 0, source, list);
}

ExecutionOutcome QueryIntoList(const std::string& statement, StatementSource& source, ResultList& list) {
  ExecutionOutcome outcome;
  list.Clear();
  const ExecutedStatement run = Run(source, statement);
  if (run.result != DB_OK) {
    outcome.message = source.GetErrorText();
  } else if (!run.isQuery) {
    outcome.message = RowsChanged(run.rowCount);
  } else if (!AddNamedColumns(source, run.columnCount, kQueryIntoListColumnWidth, list)) {
    outcome.message = source.GetErrorText();
  } else {
    ReadAllQuestion question(kQueryIntoListRowLimit);
    outcome.message = FetchMessage(FillRows(source, run.columnCount, list, question), source, list);
  }
  return outcome;
}
