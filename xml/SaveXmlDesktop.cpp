#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include "SaveXmlCommand.h"

namespace {

class SystemSaveXmlDesktop : public SaveXmlDesktop {
 public:
  bool ChooseFile(HWND owner, ChosenXmlFile& file) override { return ShowSaveXmlDialog(owner, file); }

  bool OpenWithShell(const std::string& path) override {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
  }

  void Beep() override { MessageBeep(0); }
};

}  // namespace

SaveXmlDesktop& SystemDesktop() {
  static SystemSaveXmlDesktop desktop;
  return desktop;
}

bool ShowSaveXmlDialog(HWND owner, ChosenXmlFile& file) {
  char path[MAX_PATH] = "*.xml";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = "XML Files (*.xml)\0*.xml\0All Files (*.*)\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrDefExt = "xml";
  dialog.Flags = OFN_HIDEREADONLY;
  if (!GetSaveFileNameA(&dialog)) return false;
  file.path = path;
  file.nameOffset = dialog.nFileOffset;
  return true;
}
