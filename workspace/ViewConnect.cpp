// Connect (F7) and Disconnect (F8). The connected flag they set is the only connection
// state the commands' enabling looks at.
#include "ConnectDialog.h"
#include "Resources.h"
#include "ViewResultList.h"
#include "WaitCursor.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

void CZenquillView::OnConnect() {
  ReadControls();
  ResultListWindow(resultList.Handle(), Hwnd()).Clear();
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

// A missing session (never opened, or no client library) counts as disconnected.
void CZenquillView::OnDisconnect() {
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
