// Pending changes before the session ends: with Autocommit off, Disconnect and closing the
// window ask whether to commit them, so that ending the session never decides for the user.
#include "PendingChanges.h"
#include "Resources.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

bool CZenquillView::SettlePendingChanges() {
  if (!connected) return true;
  std::string error;
  const bool settled = ::SettlePendingChanges(
      *GetDocument(),
      [this] {
        switch (fw::AppMessageBox(Hwnd(), kPendingChangesQuestion, MB_YESNOCANCEL | MB_ICONQUESTION)) {
          case IDYES: return PendingChoice::kCommit;
          case IDNO: return PendingChoice::kRollback;
          default: return PendingChoice::kKeepSession;
        }
      },
      error);
  if (!error.empty()) Report(error);
  return settled;
}

// A run still going on is cancelled first: the question needs the session.
bool CZenquillView::CanCloseFrame() {
  EndRunForClosing();
  return SettlePendingChanges();
}
