// Running the editor's text (the Execute command) and running one catalogue statement into
// the result list: what is executed, what the list shows, what the message line says, what
// goes into the history and where the editor's caret or selection goes.
#ifndef ZENQUILL_WORKSPACE_EXECUTION_H
#define ZENQUILL_WORKSPACE_EXECUTION_H

#include <cstddef>
#include <string>

#include "ExecutionPorts.h"
#include "Substitution.h"

// Heading width of the Execute command's columns and of QueryIntoList's, in pixels.
constexpr int kExecuteColumnWidth = 70;
constexpr int kQueryIntoListColumnWidth = 100;

// What Execute and Execute Statement run: the editor as it stands and the separators.
struct EditorRequest {
  std::string sqlText;  // the editor's whole text
  // The editor's selection; an empty one runs the whole text.
  std::size_t selectionStart = 0;
  std::size_t selectionEnd = 0;
  std::string sqlSeparator;
  std::string plsqlSeparator;
  // Substitution variables and rules that outlast the run; none: a run of its own.
  SubstitutionSession* session = nullptr;
};

// Where the editor's caret goes after an execution: nowhere, a caret (length 0) at an
// error, or a selection over the failing statement of a script.
struct EditorMark {
  bool placed = false;
  std::size_t start = 0;
  std::size_t length = 0;
};

struct ExecutionOutcome {
  std::string message;
  bool recorded = false;  // whether historyText goes into the history
  std::string historyText;
  EditorMark mark;
};

// Empties the list, splits the text to run and runs one statement with its real column
// names, or any other number of statements as a script under "Column n" headings.
ExecutionOutcome ExecuteText(const EditorRequest& request, StatementSource& source, ResultList& list);

// Execute Statement: with a selection exactly ExecuteText. Without one, the whole text is
// split once and the statement that holds the caret (selectionStart) runs on the
// single-statement path: the statement is what is recorded, and an error's caret counts
// from the statement's place in the text. A text without statements runs as ExecuteText
// runs it.
ExecutionOutcome ExecuteStatementAtCaret(const EditorRequest& request, StatementSource& source, ResultList& list);

// Empties the list and runs one statement into it with the real column names; errors are
// reported without offset and nothing is ever recorded.
ExecutionOutcome QueryIntoList(const std::string& statement, StatementSource& source, ResultList& list);

#endif
