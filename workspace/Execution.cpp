#include "Execution.h"

#include <utility>
#include <vector>

#include "ResultFiller.h"
#include "ScriptSplitter.h"
#include "ScriptSteps.h"
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

ExecutionOutcome Stopped(const ScriptSteps& steps) {
  ExecutionOutcome outcome;
  outcome.message = NoValueText(steps.MissingName());
  return outcome;
}

ExecutionOutcome RunOneStatement(const std::string& textRun, const SplitStatement& statement, std::size_t caretBase,
                                 StatementSource& source, ResultList& list, ScriptSteps& steps) {
  ExecutionOutcome outcome;
  std::string sent;
  if (!steps.Prepare(0, statement, sent)) return Stopped(steps);
  const ExecutedStatement run = Run(source, sent);
  if (run.result != DB_OK) {
    outcome.message = source.GetErrorText() + Numbered(", approx. offset ", run.errorOffset);
    // The statement may have been trimmed: its own place in the text counts too. An EXECUTE
    // command's offset counts from the "BEGIN " put before its text; one inside a
    // substituted value, from the statement's start.
    const std::size_t typed = steps.TypedOffset(run.errorOffset > 0 ? static_cast<std::size_t>(run.errorOffset) : 0);
    const int offset = typed == std::string::npos ? 0 : static_cast<int>(typed) - static_cast<int>(statement.lead);
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

// The failures of a script that goes on past them (WHENEVER SQLERROR CONTINUE): the first
// one is shown at the end.
struct ScriptFailures {
  int count = 0;
  ExecutionOutcome first;

  void Add(ExecutionOutcome failure) {
    if (count++ == 0) first = std::move(failure);
  }
  ExecutionOutcome Shown(std::size_t statements) const {
    ExecutionOutcome shown = first;
    shown.message += " (" + std::to_string(count) + " of " + std::to_string(statements) + " statements failed)";
    return shown;
  }
};

// Runs one statement of a script; a failure comes back as the outcome that shows it.
bool RunScriptStatement(const std::string& sent, const std::string& typed, const std::string& sqlText,
                        StatementSource& source, ResultList& list, ReadAllQuestion& question, int& headings,
                        int& valuesCut, ExecutionOutcome& failure) {
  const ExecutedStatement run = Run(source, sent);
  if (run.result != DB_OK) {
    failure =
        StopAt(typed, source.GetErrorText() + Numbered(", approx. offset in selected area ", run.errorOffset), sqlText);
    return false;
  }
  if (!run.isQuery) return true;
  WidenTo(run.columnCount, headings, list);
  std::vector<std::string> unusedNames;
  if (source.DescribeColumns(run.columnCount, unusedNames) != DB_OK) {
    failure = StopAt(typed, source.GetErrorText(), sqlText);
    return false;
  }
  const FillEnd end = FillRows(source, run.columnCount, list, question);
  if (StopsScript(end)) {
    failure = StopAt(typed, FetchMessage(end, source, list), sqlText);
    return false;
  }
  valuesCut += source.ValuesCut();
  return true;
}

ExecutionOutcome RunScript(const std::vector<SplitStatement>& statements, const std::string& textRun,
                           const std::string& sqlText, StatementSource& source, ResultList& list, ScriptSteps& steps) {
  int headings = 0;
  int valuesCut = 0;
  WidenTo(1, headings, list);
  ReadAllQuestion question(kExecuteRowLimit);
  ScriptFailures failures;
  for (std::size_t k = 0; k < statements.size(); ++k) {
    std::string sent;
    if (!steps.Prepare(k, statements[k], sent)) return Stopped(steps);
    ExecutionOutcome failure;
    if (RunScriptStatement(sent, ScriptBytes(textRun, statements[k]), sqlText, source, list, question, headings,
                           valuesCut, failure)) {
      continue;
    }
    if (!steps.ContinuesOnError()) return failure;
    failures.Add(std::move(failure));
  }
  if (!steps.Finish()) return Stopped(steps);
  if (failures.count > 0) return failures.Shown(statements.size());
  ExecutionOutcome outcome;
  outcome.message = RowsShown(list, valuesCut);
  outcome.recorded = true;
  outcome.historyText = sqlText;
  return outcome;
}

SubstitutionAsker AskerOf(ResultList& list) {
  return [&list](const SubstitutionAsk& ask, std::string& value) { return list.AskSubstitution(ask, value); };
}

}  // namespace

ExecutionOutcome ExecuteText(const EditorRequest& request, StatementSource& source, ResultList& list) {
  const std::size_t end = request.selectionEnd < request.sqlText.size() ? request.selectionEnd : request.sqlText.size();
  const bool selected = request.selectionStart < end;
  const std::string textRun =
      selected ? request.sqlText.substr(request.selectionStart, end - request.selectionStart) : request.sqlText;
  list.Clear();
  std::vector<SplitStatement> statements;
  std::vector<SplitCommand> commands;
  SubstitutionSession runOnly;
  ScriptSteps steps(textRun, commands, request.session ? *request.session : runOnly, AskerOf(list));
  ExecutionOutcome outcome;
  if (SplitStatements(textRun, request.sqlSeparator, request.plsqlSeparator, statements, commands) != 1) {
    outcome = RunScript(statements, textRun, request.sqlText, source, list, steps);
  } else {
    outcome = RunOneStatement(textRun, statements[0], selected ? request.selectionStart : 0, source, list, steps);
    if (!steps.Finish()) outcome = Stopped(steps);
  }
  const bool stopped = !steps.MissingName().empty();
  if (!commands.empty() && !stopped)
    outcome.message += " (" + std::to_string(commands.size()) + " SQL*Plus commands skipped)";
  return outcome;
}

ExecutionOutcome ExecuteStatementAtCaret(const EditorRequest& request, StatementSource& source, ResultList& list) {
  if (request.selectionStart < request.selectionEnd) return ExecuteText(request, source, list);
  list.Clear();
  std::vector<SplitStatement> statements;
  SplitStatements(request.sqlText, request.sqlSeparator, request.plsqlSeparator, statements);
  const std::vector<SplitCommand> noCommands;
  SubstitutionSession runOnly;
  ScriptSteps steps(request.sqlText, noCommands, request.session ? *request.session : runOnly, AskerOf(list));
  if (statements.empty()) return RunScript(statements, request.sqlText, request.sqlText, source, list, steps);
  const SplitStatement& statement = statements[StatementAtCaret(request.sqlText, statements, request.selectionStart,
                                                                request.sqlSeparator, request.plsqlSeparator)];
  return RunOneStatement(ScriptBytes(request.sqlText, statement), statement, 0, source, list, steps);
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
