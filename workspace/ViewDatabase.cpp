// The workspace's database commands: Connect and Disconnect, Execute, and the schema browser.
#include <new>

#include "CatalogueQueries.h"
#include "ConnectDialog.h"
#include "ContextMenu.h"
#include "Execution.h"
#include "ListViewTable.h"
#include "ObjectNodes.h"
#include "Resources.h"
#include "SchemaTree.h"
#include "TreeDispatch.h"
#include "ViewResultList.h"
#include "WaitCursor.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"
#include "resource.h"

// Connect (F7) and Disconnect (F8). The connected flag they set is the only connection
// state the commands' enabling looks at.
void CZenquillView::OnConnect() {
  ReadControls();
  ResultListWindow emptied(resultList, Hwnd());
  emptied.Clear();
  emptied.SetRedraw(true);
  ConnectDialog dialog;
  // Until the user connects or cancels, the dialog comes back after every failure.
  while (dialog.DoModal() == IDOK) {
    fw::WaitCursor wait;
    const DbResult result = GetDocument()->Connect(dialog.database, dialog.user, dialog.password, dialog.loginType);
    // A session begun with a warning (a password about to expire) is a session.
    if (result == DB_OK || result == DB_SUCCESS_WITH_INFO) {
      connected = 1;
      Report(result == DB_OK ? "Connect succeeded!" : "Connect succeeded! " + GetDocument()->GetErrorText());
      return;
    }
    const std::string error = GetDocument()->GetErrorText();
    messageText = error;
    fw::AppMessageBox(Hwnd(), error, MB_OK);
    WriteControls();
    MessageBeep(kSimpleBeep);
  }
  Report("Connect to database!");
}

void CZenquillView::OnDisconnect() {
  if (SettlePendingChanges()) EndSession();
}

// A missing session (never opened, or no client library) counts as disconnected.
void CZenquillView::EndSession() {
  fw::WaitCursor wait;
  ReadControls();
  const DbResult result = GetDocument()->Disconnect();
  if (result != DB_OK && result != DB_NOT_CONNECTED) {
    Report(GetDocument()->GetErrorText());
    return;
  }
  connected = 0;
  Report("Disconnect succeded!");
}

// The Execute (F5) and Execute Statement (Ctrl+Enter) commands and RunQueryIntoList: the
// execution logic run on the session's worker against the document and the result list,
// its outcome shown in the message line and the editor. The editor's text is kept in the
// recovery copy before any statement runs, since a statement can run for minutes.
void CZenquillView::OnExecute() { RunEditorText(ExecuteText); }

void CZenquillView::OnExecuteStatement() { RunEditorText(ExecuteStatementAtCaret); }

void CZenquillView::RunEditorText(ExecutionOutcome (*run)(const EditorRequest&, StatementSource&, ResultList&)) {
  ReadControls();
  recovery.Keep(sqlText);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(sqlEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const EditorRequest request = {sqlText, start, end, sqlSeparator, plsqlSeparator, &substitution};
  StartRun([request, run](StatementSource& source, ResultList& list) { return run(request, source, list); },
           [this, textRun = sqlText](const ExecutionOutcome& outcome) { ShowEditorOutcome(outcome, textRun); });
}

// The editor stayed editable: its mark goes where the run says only when its text is still
// the text that ran; otherwise the message alone tells what failed.
void CZenquillView::ShowEditorOutcome(const ExecutionOutcome& outcome, const std::string& textRun) {
  ReadControls();
  if (outcome.recorded) history.AddToHistory(outcome.historyText);
  messageText = outcome.message;
  WriteControls();
  if (outcome.mark.placed && sqlText == textRun) {
    const EditorMark& mark = outcome.mark;
    SendMessageA(sqlEditor, EM_SETSEL, mark.start, mark.start + mark.length);
    SendMessageA(sqlEditor, EM_SCROLLCARET, 0, 0);
  }
  MessageBeep(kSimpleBeep);
}

void CZenquillView::RunQueryIntoList(const std::string& statement, std::function<void()> then) {
  ReadControls();
  recovery.Keep(sqlText);
  StartRun([statement](StatementSource& source, ResultList& list) { return QueryIntoList(statement, source, list); },
           [this, then](const ExecutionOutcome& outcome) {
             ReadControls();
             Report(outcome.message);
             if (then) then();
           });
}

void CZenquillView::Report(const std::string& message) {
  messageText = message;
  WriteControls();
  MessageBeep(kSimpleBeep);
}

// The schema browser's part of the workspace view: the tree's skeleton, loading a scope node
// through the result list, a table's columns, the context menu, View Data and Refresh. The
// tree never reads the database itself: every statement runs into the result list, and the
// names are read back from its cells.
void CZenquillView::BuildSchemaTree() {
  treeImages = schematree::CreateImageList(fw::ResourceInstance(), treeBitmap);
  TreeView_SetImageList(schemaTree, treeImages, TVSIL_NORMAL);
  schematree::BuildSkeleton(schemaTree, fixedTreeNodes);
}

void CZenquillView::DispatchTreeSelection() {
  const SelectedNode node = schematree::ReadSelection(schemaTree);
  const TreeAction action = ::DispatchTreeSelection(node.text, node.parent, node.grandparent);
  switch (action.kind) {
    case TreeAction::kLoadScope: {
      const CatalogueQuery& row = CatalogueQueryTable[action.loader];
      LoadScopeNode(row.query, fixedTreeNodes[row.scopeNode], row.objectImage, row.ownerColumn);
      return;
    }
    case TreeAction::kShowColumns: ShowTableColumns(node.text); return;
    case TreeAction::kNothing: return;
  }
}

// A failed query leaves the result list empty, so the scope node ends up without children;
// one that ran out of memory leaves the rows read so far. Names the tree has no memory for
// are left out, and the message line says so.
void CZenquillView::LoadScopeNode(const std::string& query, HTREEITEM scopeNode, int objectImage, bool ownerColumn) {
  RunQueryIntoList(query,
                   [this, scopeNode, objectImage, ownerColumn] { FillScopeNode(scopeNode, objectImage, ownerColumn); });
}

void CZenquillView::FillScopeNode(HTREEITEM scopeNode, int objectImage, bool ownerColumn) {
  const xml::ListViewTable rows(resultList.Handle(), &resultList.Rows());
  std::vector<std::string> texts;
  bool complete = true;
  try {
    texts = ObjectNodeTexts(rows, ownerColumn);
  } catch (const std::bad_alloc&) {
    complete = false;
  }
  const int shown = schematree::ReplaceChildren(schemaTree, scopeNode, texts, objectImage);
  if (!complete || shown < static_cast<int>(texts.size())) Report(TreeOutOfMemoryText(shown));
}

void CZenquillView::ShowTableColumns(const std::string& nodeText) { RunQueryIntoList(ColumnsQuery(nodeText)); }

bool CZenquillView::OnSchemaNotify(const NMHDR& notify) {
  const bool fromTree = notify.idFrom == IDC_SCHEMA_TREE;
  const bool fromList = notify.idFrom == IDC_RESULT_LIST;
  if (fromTree && (notify.code == TVN_SELCHANGINGA || notify.code == TVN_SELCHANGINGW)) {
    // A node that loads waits for the run to end; the selection stays where it is.
    const HTREEITEM next = reinterpret_cast<const NMTREEVIEWA&>(notify).itemNew.hItem;
    SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, RunGoesOn() && SelectionWouldLoad(next));
    return true;
  }
  if (fromTree && (notify.code == TVN_SELCHANGEDA || notify.code == TVN_SELCHANGEDW)) {
    OnTreeSelChanged();
  } else if ((fromTree || fromList) && notify.code == NM_RCLICK) {
    OnTreeListRightClick();
  } else {
    return false;
  }
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, 0);
  return true;
}

void CZenquillView::OnTreeSelChanged() { DispatchTreeSelection(); }

bool CZenquillView::SelectionWouldLoad(HTREEITEM item) const {
  const SelectedNode node = schematree::ReadNode(schemaTree, item);
  return ::DispatchTreeSelection(node.text, node.parent, node.grandparent).kind != TreeAction::kNothing;
}

// The commands act on the tree's selected node, which a right click does not change.
void CZenquillView::OnTreeListRightClick() {
  schemamenu::Show(fw::ResourceInstance(), Hwnd(), connected != 0, resultList.Rows().RowCount() > 0, RunGoesOn());
}

void CZenquillView::OnViewData() {
  const std::string statement = ViewDataStatement(schematree::ReadSelection(schemaTree));
  if (!statement.empty()) RunQueryIntoList(statement);
}

void CZenquillView::OnRefresh() { DispatchTreeSelection(); }
