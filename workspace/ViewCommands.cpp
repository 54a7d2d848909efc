// The workspace's routing table: one line per command the view handles, and the
// enabling rules of the commands that have one. Every other command is enabled.
#include "ZenquillView.h"
#include "resource.h"

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
  }
  return false;
}

bool CZenquillView::OnUpdateCommand(fw::CmdUI& ui) {
  switch (ui.id) {
    case ID_DATABASE_CONNECT: ui.enabled = !connected; return true;
    case ID_DATABASE_DISCONNECT:
    case ID_DATABASE_EXECUTE:
    case ID_DATABASE_EXECUTE_STATEMENT:
    case ID_REFRESH:
    case ID_VIEW_DATA:
    case ID_FILE_SAVE_AS: ui.enabled = connected != 0; return true;
    case ID_SQL_BACK: ui.enabled = history.CanGoBack(); return true;
    case ID_SQL_FORWARD: ui.enabled = history.CanGoForward(); return true;
  }
  return false;
}
