#include "ZenquillView.h"

#include "FrameWnd.h"
#include "ViewLayout.h"
#include "ZenquillDoc.h"
#include "resource.h"

CZenquillView::CZenquillView() : fw::FormView(IDD_ZENQUILL_FORM), recovery(StartupFolderFile(kRecoveryFile)) {}

CZenquillView::~CZenquillView() {
  if (treeImages) ImageList_Destroy(treeImages);
  if (treeBitmap) DeleteObject(treeBitmap);
}

CZenquillDoc* CZenquillView::GetDocument() const { return static_cast<CZenquillDoc*>(fw::FormView::GetDocument()); }

void CZenquillView::ReadControls() { UpdateData(true); }

void CZenquillView::WriteControls() { UpdateData(false); }

void CZenquillView::DoDataExchange(fw::DataExchange& dx) {
  BindControls();
  dx.Text(IDC_MESSAGE_LINE, messageText);
  dx.Text(IDC_SQL_EDIT, sqlText);
}

// The controls are looked up once, at the first exchange; until then a resize has
// nothing to move.
void CZenquillView::BindControls() {
  if (sqlEditor) return;
  resultList.Attach(Item(IDC_RESULT_LIST));
  resultList.OnSortOutOfMemory([this] {
    ReadControls();
    Report("Not enough memory to sort");
  });
  schemaTree = Item(IDC_SCHEMA_TREE);
  messageLine = Item(IDC_MESSAGE_LINE);
  sqlEditor = Item(IDC_SQL_EDIT);
}

void CZenquillView::OnInitialUpdate() {
  fw::FormView::OnInitialUpdate();
  GetParentFrame()->RecalcLayout();
  ResizeParentToFit();
  LayoutControls();
  SetTimer(Hwnd(), kStartupTimer, kStartupDelayMs, nullptr);
  SendMessageA(sqlEditor, EM_LIMITTEXT, kEditorLimit, 0);
  LoadExecutionSettings();
  ListView_SetExtendedListViewStyle(resultList.Handle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  BuildSchemaTree();
  CreateSessionWorker();
}

void CZenquillView::LayoutControls() {
  RECT client;
  GetClientRect(Hwnd(), &client);
  OnSize(client.right, client.bottom);
}

void CZenquillView::OnSize(int cx, int cy) {
  if (!Hwnd()) return;
  const WorkspaceLayout layout = LayoutWorkspace(cx, cy);
  const struct {
    HWND control;
    ControlPlace place;
  } moves[] = {{schemaTree, layout.schemaTree},
               {sqlEditor, layout.sqlEditor},
               {resultList.Handle(), layout.resultList},
               {messageLine, layout.messageLine}};
  for (const auto& move : moves) {
    if (move.control) MoveWindow(move.control, move.place.x, move.place.y, move.place.width, move.place.height, TRUE);
  }
}

// Closing the window always ends the session, without the question: CanCloseFrame asked it
// before the window was let go, once a run still going on was cancelled. Ending normally,
// the program leaves no recovery copy behind.
void CZenquillView::OnDestroy() {
  EndRunForClosing();
  worker.reset();
  EndSession();
  recovery.Discard();
}

// The result list asks its parent, the form, for the texts it shows.
bool CZenquillView::OnNotify(NMHDR& notify) {
  LRESULT result = 0;
  if (!resultList.OnParentNotify(notify, result)) return OnSchemaNotify(notify);
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, result);
  return true;
}

INT_PTR CZenquillView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_TIMER: OnTimer(wParam); return FALSE;
    case WM_DESTROY: OnDestroy(); return FALSE;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_SETCURSOR: return OnSetCursor(lParam);
    case kRunNewsMessage: OnRunNews(); return TRUE;
  }
  return fw::FormView::OnMessage(msg, wParam, lParam);
}
