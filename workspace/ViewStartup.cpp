// The workspace's start-up and configuration: the start-up sequence, the recovery copy of the
// editor's text, the Configuration dialog and Help Topics.
#include <cstdlib>

#include "Addresses.h"
#include "Configuration.h"
#include "FrameWnd.h"
#include "Resources.h"
#include "Settings.h"
#include "Shell.h"
#include "ShellLinks.h"
#include "StartDialog.h"
#include "StartupRules.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"
#include "resource.h"

// The start-up sequence, run once on the first tick of the view's start-up timer, when
// the main window is already on the screen: the start dialog, the start counter (the
// maker's home page on every fifth start), the text a killed program left, then the
// Connect command.
void CZenquillView::OnTimer(UINT_PTR id) {
  if (id == kRecoveryTimer) KeepEditorText();
  if (id == kProgressTimer) ShowRunProgress();
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

// The recovery copy of the editor's text: offered back once the start dialog has closed,
// kept while the program runs (before every statement run, ViewDatabase.cpp, and on an idle
// timer here), deleted when the window closes normally.
namespace {

const char kRestoreQuestion[] = "Zenquill did not close normally last time. Restore the unsaved SQL text?";

}  // namespace

std::string CZenquillView::StartupFolderFile(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetFullPathNameA(name, MAX_PATH, path, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string(name);
}

void CZenquillView::OfferRecoveredText() {
  std::string text;
  if (recovery.Take(text) && fw::AppMessageBox(Hwnd(), kRestoreQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    sqlText = text;
    recovery.Adopt(text);
    WriteControls();
  } else {
    recovery.Discard();
  }
  // A timer message waits for an idle queue: a running statement is never interrupted.
  SetTimer(Hwnd(), kRecoveryTimer, RecoveryIntervalMs(std::getenv(kRecoveryOverrideVariable)), nullptr);
}

// Read straight from the editor: sqlText stays what the last command read, which File New
// records.
void CZenquillView::KeepEditorText() { recovery.Keep(fw::WindowText(sqlEditor)); }

// Setup > Configuration and Help Topics (F1).
void CZenquillView::OnConfiguration() {
  if (Configuration().DoModal() == IDOK) LoadExecutionSettings();
}

void CZenquillView::OnHelp() { OpenHelpPage(); }

// Read from the file, not from the dialog: after a write that failed, what is used stays
// what the file holds.
void CZenquillView::LoadExecutionSettings() {
  sqlSeparator = settings::SqlSeparator();
  plsqlSeparator = settings::PlsqlSeparator();
  GetDocument()->SetManualCommit(!settings::AutoCommit());
}
