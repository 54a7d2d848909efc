#include "SaveXmlCommand.h"

#include <windows.h>

#include "ListViewTable.h"
#include "settings/Settings.h"
#include "XmlExport.h"

namespace {

// The file dialog moves the current directory; the settings file is found through it.
class CurrentDirectoryKeeper {
 public:
  CurrentDirectoryKeeper() {
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, saved_);
    remembered_ = length > 0 && length < MAX_PATH;
  }
  ~CurrentDirectoryKeeper() {
    if (remembered_) SetCurrentDirectoryA(saved_);
  }
  CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
  CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

 private:
  char saved_[MAX_PATH] = {};
  bool remembered_ = false;
};

class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

void RunSaveXmlData(HWND owner, HWND resultList, SaveXmlHost& host) {
  RunSaveXmlData(owner, resultList, host, SystemDesktop());
}

void RunSaveXmlData(HWND owner, HWND resultList, SaveXmlHost& host, SaveXmlDesktop& desktop) {
  const bool withStylesheet = settings::ReadFlag(settings::kXsl);
  const bool viewAfterSaving = settings::ReadFlag(settings::kViewXml);
  const CurrentDirectoryKeeper directory;
  ChosenXmlFile file;
  if (!desktop.ChooseFile(owner, file)) return;
  host.ReadControls();
  const WaitCursor wait;
  const bool saved = xml::ExportTable(file.path, file.nameOffset, withStylesheet, xml::ListViewTable(resultList));
  host.SetMessageText(saved ? "Saved XML file!" : "Failed to save XML file!");
  host.WriteControls();
  desktop.Beep();
  if (viewAfterSaving && !desktop.OpenWithShell(file.path)) desktop.Beep();
}
