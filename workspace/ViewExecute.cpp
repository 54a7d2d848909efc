// The Execute (F5) and Execute Statement (Ctrl+Enter) commands and RunQueryIntoList: the
// execution logic run against the document and the result list, its outcome shown in the
// message line and the editor. The editor's text is kept in the recovery copy before any
// statement runs, since a statement can block the window for minutes.
#include "Execution.h"
#include "ViewResultList.h"
#include "WaitCursor.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

void CZenquillView::OnExecute() { RunEditorText(ExecuteText); }

void CZenquillView::OnExecuteStatement() { RunEditorText(ExecuteStatementAtCaret); }

void CZenquillView::RunEditorText(ExecutionOutcome (*run)(const ExecuteRequest&, StatementSource&, ResultList&)) {
  fw::WaitCursor wait;
  ReadControls();
  recovery.Keep(sqlText);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(sqlEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const ExecuteRequest request = {sqlText, start, end, sqlSeparator, plsqlSeparator};
  ResultListWindow list(resultList.Handle(), Hwnd());
  DocumentStatements<CZenquillDoc> source(*GetDocument());
  const ExecutionOutcome outcome = run(request, source, list);
  if (outcome.recorded) history.AddToHistory(outcome.historyText);
  messageText = outcome.message;
  WriteControls();
  if (outcome.mark.placed) {
    const EditorMark& mark = outcome.mark;
    SendMessageA(sqlEditor, EM_SETSEL, mark.start, mark.start + mark.length);
    SendMessageA(sqlEditor, EM_SCROLLCARET, 0, 0);
  }
  MessageBeep(kSimpleBeep);
}

void CZenquillView::RunQueryIntoList(const std::string& statement) {
  fw::WaitCursor wait;
  ReadControls();
  recovery.Keep(sqlText);
  ResultListWindow list(resultList.Handle(), Hwnd());
  DocumentStatements<CZenquillDoc> source(*GetDocument());
  Report(QueryIntoList(statement, source, list).message);
}

void CZenquillView::Report(const std::string& message) {
  messageText = message;
  WriteControls();
  MessageBeep(kSimpleBeep);
}
