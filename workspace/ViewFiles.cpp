// The workspace's files: SQL scripts and the result list saved as XML.
#include <windows.h>

#include "CurrentDirectoryKeeper.h"
#include "Document.h"
#include "FileDialog.h"
#include "ListViewTable.h"
#include "SaveXmlCommand.h"
#include "ScriptEncoding.h"
#include "ScriptFile.h"
#include "WaitCursor.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

// File New, Open, Save and Save as. A script file is the editor's text, byte for byte; the
// document's title is the only record of which file the editor belongs to.
namespace {

const char kFilter[] = "SQL Files (*.sql)\0*.sql\0All Files (*.*)\0*.*\0";
const char kOpenFailed[] = "Failed to open SQL file!";
const char kSaveFailed[] = "Failed to save SQL file!";

// The full path the user chose; false when the dialog was cancelled.
bool ChooseScriptFile(HWND owner, bool saving, std::string& path) {
  fw::CurrentDirectoryKeeper keeper;
  // Saving has no overwrite prompt: an existing file is replaced.
  const fw::FileDialogOptions options = {kFilter, "*.sql", "sql", saving, !saving};
  fw::ChosenFile file;
  if (!fw::ChooseFile(owner, options, file)) return false;
  path = file.path;
  return true;
}

}  // namespace

void CZenquillView::OnFileNew() {
  history.AddToHistory(sqlText);
  sqlText.clear();
  scriptEncoding = ScriptEncoding::Ansi;
  GetDocument()->SetTitle(fw::kUntitled);
  WriteControls();
}

void CZenquillView::OnFileOpen() {
  std::string path;
  if (!ChooseScriptFile(Hwnd(), false, path)) return;
  fw::WaitCursor wait;
  std::string text;
  if (!ReadScriptFile(path, text)) {
    ReportFileOutcome(kOpenFailed);
    return;
  }
  const DecodedScript script = DecodeScript(text);
  sqlText = script.text;
  scriptEncoding = script.encoding;
  GetDocument()->SetTitle(path);
  if (script.unmappable > 0) messageText = UnmappableText(script.unmappable);
  WriteControls();
}

// Works while Save as is disabled too: an untitled script always asks for a name.
void CZenquillView::OnFileSave() {
  ReadControls();
  const std::string path = GetDocument()->GetTitle();
  if (path == fw::kUntitled) {
    OnFileSaveAs();
    return;
  }
  SaveScript(path);
}

void CZenquillView::OnFileSaveAs() {
  std::string path;
  if (!ChooseScriptFile(Hwnd(), true, path)) return;
  ReadControls();
  SaveScript(path);
}

void CZenquillView::SaveScript(const std::string& path) {
  fw::WaitCursor wait;
  if (!WriteScriptFile(path, EncodeScript(sqlText, scriptEncoding))) {
    ReportFileOutcome(kSaveFailed);
    return;
  }
  GetDocument()->SetTitle(path);
}

// The editor is read first, so that reporting keeps what the user typed.
void CZenquillView::ReportFileOutcome(const std::string& message) {
  ReadControls();
  messageText = message;
  WriteControls();
  MessageBeep(0);
}

// Save XML data: the export itself lives in xml/; the view shows what it came to.
void CZenquillView::OnSaveXmlData() {
  SaveXmlDesktop& desktop = SystemDesktop();
  const SaveXmlOutcome outcome =
      SaveXmlData(Hwnd(), xml::ListViewTable(resultList.Handle(), &resultList.Rows()), desktop);
  if (!outcome.chosen) return;
  ReadControls();
  messageText = outcome.message;
  WriteControls();
  FinishSaveXmlData(outcome, desktop);
}
