#include <windows.h>
#include <shellapi.h>

#include "FileDialog.h"
#include "SaveXmlCommand.h"

namespace {

class SystemSaveXmlDesktop : public SaveXmlDesktop {
 public:
  bool ChooseFile(HWND owner, ChosenXmlFile& file) override { return ShowSaveXmlDialog(owner, file); }

  bool OpenWithShell(const std::string& path) override {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
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
  const fw::FileDialogOptions options = {"XML Files (*.xml)\0*.xml\0All Files (*.*)\0*.*\0", "*.xml", "xml", true,
                                         false};
  return fw::ChooseFile(owner, options, file);
}
