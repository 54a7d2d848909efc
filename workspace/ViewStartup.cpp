// The start-up sequence, run once on the first tick of the view's start-up timer, when
// the main window is already on the screen: the start dialog, the start counter (the
// maker's home page on every fifth start), the text a killed program left, then the
// Connect command.
#include "Addresses.h"
#include "FrameWnd.h"
#include "Settings.h"
#include "Shell.h"
#include "StartDialog.h"
#include "StartupRules.h"
#include "ZenquillView.h"
#include "resource.h"

void CZenquillView::OnTimer(UINT_PTR id) {
  if (id == kRecoveryTimer) KeepEditorText();
  if (id != kStartupTimer) return;
  // Stopped before anything else: the dialogs below keep messages flowing, and the
  // sequence must never run twice.
  KillTimer(Hwnd(), kStartupTimer);
  RunStartupSequence();
}

void CZenquillView::RunStartupSequence() {
  CStartDialog().DoModal();
  if (OpensHomePage(settings::CountStart())) fw::OpenWithShellOrBeep(ZQ_HOME_PAGE);
  OfferRecoveredText();
  GetParentFrame()->ExecuteCommand(ID_DATABASE_CONNECT);
}
