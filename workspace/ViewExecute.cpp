// The Execute command (F5) and RunQueryIntoList: the execution logic run against the
// document and the result list, its outcome shown in the message line and the editor.
#include "Execution.h"
#include "ViewResultList.h"
#include "WaitCursor.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

void CZenquillView::OnExecute() {
  fw::WaitCursor wait;
  ReadControls();
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(sqlEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const ExecuteRequest request = {sqlText, start, end, sqlSeparator, plsqlSeparator};
  ResultListWindow list(resultList.Handle(), Hwnd());
  DocumentStatements<CZenquillDoc> source(*GetDocument());
  const ExecutionOutcome outcome = ExecuteText(request, source, list);
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
  ResultListWindow list(resultList.Handle(), Hwnd());
  DocumentStatements<CZenquillDoc> source(*GetDocument());
  Report(QueryIntoList(statement, source, list).message);
}

void CZenquillView::Report(const std::string& message) {
  messageText = message;
  WriteControls();
  MessageBeep(kSimpleBeep);
}
