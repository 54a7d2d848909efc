// The recovery copy of the editor's text: offered back once the start dialog has closed,
// kept while the program runs (before every statement run, ViewExecute.cpp, and on an idle
// timer here), deleted when the window closes normally.
#include <cstdlib>

#include "Resources.h"
#include "StartupRules.h"
#include "ZenquillView.h"

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
  if (recovery.Take(text) &&
      fw::AppMessageBox(Hwnd(), kRestoreQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
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
