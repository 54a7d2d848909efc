// The workspace's commands and editing: the routing table, the Edit menu on the SQL editor,
// Back and Forward through the history, the Sql menu's templates and the Links menu.
#include "Shell.h"
#include "ShellLinks.h"
#include "SqlTemplates.h"
#include "ZenquillView.h"
#include "resource.h"

// The workspace's routing table: one line per command the view handles, and the
// enabling rules of the commands that have one. Every other command is enabled.
bool CZenquillView::OnCommand(unsigned id) {
  switch (id) {
    case ID_EDIT_COPY: OnEditCopy(); return true;
    case ID_EDIT_CUT: OnEditCut(); return true;
    case ID_EDIT_PASTE: OnEditPaste(); return true;
    case ID_EDIT_SELECT_ALL: OnEditSelectAll(); return true;
    case ID_EDIT_UNDO: OnEditUndo(); return true;
    case ID_LINKS_HALVERN:
    case ID_LINKS_HALVERN_DOWNLOAD:
    case ID_LINKS_ORACLE:
    case ID_LINKS_ORACLE_TECHNET:
    case ID_LINKS_ORACLE_METALINK:
    case ID_LINKS_GOOGLE: OnLink(id); return true;
    case ID_DATABASE_CONNECT: OnConnect(); return true;
    case ID_DATABASE_DISCONNECT: OnDisconnect(); return true;
    case ID_DATABASE_EXECUTE: OnExecute(); return true;
    case ID_DATABASE_EXECUTE_STATEMENT: OnExecuteStatement(); return true;
    case ID_DATABASE_CANCEL: OnCancel(); return true;
    case ID_SQL_BACK: OnSqlBack(); return true;
    case ID_SQL_FORWARD: OnSqlForward(); return true;
    case ID_SQL_SELECT:
    case ID_SQL_SELECT_COUNT:
    case ID_SQL_SELECT_VERSION:
    case ID_SQL_SELECT_TABLES:
    case ID_SQL_SELECT_COLUMNS:
    case ID_SQL_INSERT:
    case ID_SQL_UPDATE:
    case ID_SQL_DELETE:
    case ID_SQL_CREATE_TABLE:
    case ID_SQL_DROP_TABLE:
    case ID_SQL_COMMIT:
    case ID_SQL_ROLLBACK: OnSqlTemplate(id); return true;
    case ID_FILE_NEW: OnFileNew(); return true;
    case ID_FILE_OPEN: OnFileOpen(); return true;
    case ID_FILE_SAVE: OnFileSave(); return true;
    case ID_FILE_SAVE_AS: OnFileSaveAs(); return true;
    case ID_SETUP_CONFIGURATION: OnConfiguration(); return true;
    case ID_VIEW_DATA: OnViewData(); return true;
    case ID_REFRESH: OnRefresh(); return true;
    case ID_HELP: OnHelp(); return true;
    case ID_FILE_SAVE_XML: OnSaveXmlData(); return true;
    case ID_FILE_SAVE_CSV: OnSaveCsvData(); return true;
    case ID_COPY_ROWS:
    case ID_COPY_ROWS_HEADINGS: OnCopyRows(id == ID_COPY_ROWS_HEADINGS); return true;
  }
  return false;
}

// While a run goes on, the commands that need the session wait for it to end.
bool CZenquillView::OnUpdateCommand(fw::CmdUI& ui) {
  switch (ui.id) {
    case ID_DATABASE_CONNECT: ui.enabled = !connected && !RunGoesOn(); return true;
    case ID_DATABASE_DISCONNECT:
    case ID_DATABASE_EXECUTE:
    case ID_DATABASE_EXECUTE_STATEMENT:
    case ID_REFRESH:
    case ID_VIEW_DATA: ui.enabled = connected != 0 && !RunGoesOn(); return true;
    case ID_FILE_SAVE_AS: ui.enabled = connected != 0; return true;
    case ID_FILE_SAVE_XML:
    case ID_FILE_SAVE_CSV:
    case ID_SETUP_CONFIGURATION: ui.enabled = !RunGoesOn(); return true;
    case ID_DATABASE_CANCEL: ui.enabled = worker && worker->CanCancel(); return true;
    case ID_SQL_BACK: ui.enabled = history.CanGoBack(); return true;
    case ID_SQL_FORWARD: ui.enabled = history.CanGoForward(); return true;
  }
  return false;
}

// Edit commands. The accelerators turn Ctrl+C and the like into commands before any
// control sees the keys, so these act on the SQL editor even while the result list
// or the schema tree has the focus.
void CZenquillView::OnEditCopy() { SendMessageA(sqlEditor, WM_COPY, 0, 0); }

void CZenquillView::OnEditCut() { SendMessageA(sqlEditor, WM_CUT, 0, 0); }

void CZenquillView::OnEditPaste() { SendMessageA(sqlEditor, WM_PASTE, 0, 0); }

void CZenquillView::OnEditSelectAll() {
  SendMessageA(sqlEditor, EM_SETSEL, 0, -1);
  SendMessageA(sqlEditor, EM_SCROLLCARET, 0, 0);
}

void CZenquillView::OnEditUndo() { SendMessageA(sqlEditor, EM_UNDO, 0, 0); }

// Back and Forward through the executed texts. The editor is not read first: what the
// user typed since is replaced, as the history shows its entry.
void CZenquillView::OnSqlBack() {
  if (history.Back(sqlText)) WriteControls();
}

void CZenquillView::OnSqlForward() {
  if (history.Forward(sqlText)) WriteControls();
}

// The Sql menu's templates: each appends its comment line and statement to the editor.
void CZenquillView::OnSqlTemplate(unsigned id) {
  const SqlTemplate* sqlTemplate = FindSqlTemplate(static_cast<int>(id));
  if (!sqlTemplate) return;
  ReadControls();
  sqlText = AppendTemplate(sqlText, *sqlTemplate, sqlSeparator);
  Report(kTemplateReadyMessage);
}

// The Links menu: each command hands one web address to the shell.
void CZenquillView::OnLink(unsigned id) { fw::OpenWithShellOrBeep(LinkAddress(id)); }
