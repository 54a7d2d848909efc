// Back and Forward through the executed texts. The editor is not read first: what the
// user typed since is replaced, as the history shows its entry.
#include "ZenquillView.h"

void CZenquillView::OnSqlBack() {
  if (history.Back(sqlText)) WriteControls();
}

void CZenquillView::OnSqlForward() {
  if (history.Forward(sqlText)) WriteControls();
}
