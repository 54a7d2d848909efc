// Edit commands. The accelerators turn Ctrl+C and the like into commands before any
// control sees the keys, so these act on the SQL editor even while the result list
// or the schema tree has the focus.
#include "ZenquillView.h"

void CZenquillView::OnEditCopy() { SendMessageA(sqlEditor, WM_COPY, 0, 0); }

void CZenquillView::OnEditCut() { SendMessageA(sqlEditor, WM_CUT, 0, 0); }

void CZenquillView::OnEditPaste() { SendMessageA(sqlEditor, WM_PASTE, 0, 0); }

void CZenquillView::OnEditSelectAll() {
  SendMessageA(sqlEditor, EM_SETSEL, 0, -1);
  SendMessageA(sqlEditor, EM_SCROLLCARET, 0, 0);
}

void CZenquillView::OnEditUndo() { SendMessageA(sqlEditor, EM_UNDO, 0, 0); }
