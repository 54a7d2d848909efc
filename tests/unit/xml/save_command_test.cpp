#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <thread>
#include <vector>

#include "ListViewTable.h"
#include "ListViewWindow.h"
#include "SaveXmlCommand.h"
#include "TestSupport.h"

namespace {

using xmltest::ReadWholeFile;
using Events = std::vector<std::string>;

// Plays both the view and the desktop, and logs in order what the command asks of them.
// Choosing a file moves the current directory to its folder, as the save dialog does.
class ScriptedUser : public SaveXmlDesktop {
 public:
  void ReadControls() { events.push_back("ReadControls"); }
  void WriteControls() { events.push_back("WriteControls"); }
  void SetMessageText(const std::string& text) { events.push_back(text); }
  bool ChooseFile(HWND, ChosenXmlFile& file) override {
    if (chosenPath.empty()) return false;
    file = {chosenPath, chosenPath.find_last_of('\\') + 1};
    SetCurrentDirectoryA(chosenPath.substr(0, file.nameOffset).c_str());
    return true;
  }
  bool OpenWithShell(const std::string& path) override {
    events.push_back("open " + path);
    return shellSucceeds;
  }
  void Beep() override { events.push_back("beep"); }

  std::string chosenPath;
  bool shellSucceeds = true;
  Events events;
};

std::string CurrentDirectory() {
  char buffer[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, buffer);
  return buffer;
}

// Runs in the test's working directory, whose ".\Zenquill.ini" holds the settings.
class SaveXmlCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(".\\Zenquill.ini");
    window_.Fill({"ENAME", "COUNT(*)"}, {{"SMITH", "1"}, {"ALLEN", "2"}, {"WARD", "3"}});
    window_.SortDescendingBy(0);
  }
  void TearDown() override {
    DeleteFileA(".\\Zenquill.ini");
    EXPECT_EQ(startDirectory_, CurrentDirectory());
  }
  // The view's part of the command, as CZenquillView::OnSaveXmlData plays it.
  void Run() {
    const SaveXmlOutcome outcome = SaveXmlData(window_.Parent(), xml::ListViewTable(window_.List()), user_);
    if (!outcome.chosen) return;
    user_.ReadControls();
    user_.SetMessageText(outcome.message);
    user_.WriteControls();
    FinishSaveXmlData(outcome, user_);
  }

  const std::string startDirectory_ = CurrentDirectory();
  const std::string folder_ =
      startDirectory_ + "\\" + xmltest::ScratchFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
  xmltest::ListViewWindow window_;
  ScriptedUser user_;
};

TEST_F(SaveXmlCommandTest, SavesBothFilesInTheSortedOrderAndOpensTheDataFile) {
  user_.chosenPath = folder_ + "Report.XML";
  Run();
  EXPECT_EQ((Events{"ReadControls", "Saved XML file!", "WriteControls", "beep", "open " + user_.chosenPath}),
            user_.events);
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"Report.xsl\"?>\n"
      "<doc>\n  <row>\n    <ENAME>WARD</ENAME>\n    <COUNT___>3</COUNT___>\n  </row>\n"
      "  <row>\n    <ENAME>SMITH</ENAME>\n    <COUNT___>1</COUNT___>\n  </row>\n"
      "  <row>\n    <ENAME>ALLEN</ENAME>\n    <COUNT___>2</COUNT___>\n  </row>\n</doc>\n",
      ReadWholeFile(user_.chosenPath));
  EXPECT_NE(std::string::npos, ReadWholeFile(folder_ + "Report.xsl").find("<th>ENAME</th>\n       <th>COUNT___</th>"));
}

TEST_F(SaveXmlCommandTest, SettingsOffWriteNoStylesheetAndOpenNothing) {
  WritePrivateProfileStringA("Zenquill", "XSL", "0", ".\\Zenquill.ini");
  WritePrivateProfileStringA("Zenquill", "VIEWXML", "no", ".\\Zenquill.ini");
  user_.chosenPath = folder_ + "plain.xml";
  Run();
  EXPECT_EQ((Events{"ReadControls", "Saved XML file!", "WriteControls", "beep"}), user_.events);
  EXPECT_EQ(std::string::npos, ReadWholeFile(user_.chosenPath).find("xml-stylesheet"));
  EXPECT_FALSE(std::filesystem::exists(folder_ + "plain.xsl"));
}

TEST_F(SaveXmlCommandTest, CancelledDialogDoesNothing) {
  Run();
  EXPECT_EQ(Events{}, user_.events);
}

TEST_F(SaveXmlCommandTest, FileThatCannotBeCreatedIsReportedAndStillOpened) {
  user_.chosenPath = folder_ + "missing folder\\report.xml";
  user_.shellSucceeds = false;
  Run();
  EXPECT_EQ(
      (Events{"ReadControls", "Failed to save XML file!", "WriteControls", "beep", "open " + user_.chosenPath, "beep"}),
      user_.events);
}

TEST_F(SaveXmlCommandTest, WriteErrorIsNotReportedAsSaved) {
  WritePrivateProfileStringA("Zenquill", "VIEWXML", "0", ".\\Zenquill.ini");
  window_.Fill({}, xmltest::Rows(3000, {"A long enough name", "42"}));
  user_.chosenPath = xmltest::kFullDevice;
  Run();
  EXPECT_EQ((Events{"ReadControls", "Failed to save XML file!", "WriteControls", "beep"}), user_.events);
}

BOOL CALLBACK KeepIfDialog(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND DialogOfThread(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(thread, KeepIfDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// What the dialog offered when it came up.
struct DialogSeen {
  std::string fileName;
  std::string firstFilter;
  int filterCount = 0;
  bool readOnlyBoxShown = true;
};

std::string TextOf(HWND window) {
  char text[MAX_PATH] = {};
  GetWindowTextA(window, text, MAX_PATH);
  return text;
}

// Plays the user: waits for the dialog, notes what it shows, types a name, presses Save.
// Cancels a dialog that never shows its name box, so that the test fails instead of hanging.
void AnswerSaveDialog(DWORD dialogThread, const std::string& typedName, DialogSeen& seen) {
  HWND dialog = nullptr;
  for (int attempt = 0; attempt < 200; ++attempt) {
    Sleep(50);
    dialog = DialogOfThread(dialogThread);
    const HWND nameBox = dialog ? GetDlgItem(dialog, 0x47C) : nullptr;  // a ComboBoxEx with an edit
    const HWND nameEdit = nameBox ? reinterpret_cast<HWND>(SendMessageA(nameBox, CBEM_GETEDITCONTROL, 0, 0)) : nullptr;
    if (!nameEdit || !IsWindowVisible(dialog)) continue;
    const HWND filters = GetDlgItem(dialog, 0x470);
    seen.fileName = TextOf(nameEdit);
    seen.firstFilter = TextOf(filters);
    seen.filterCount = static_cast<int>(SendMessageA(filters, CB_GETCOUNT, 0, 0));
    seen.readOnlyBoxShown = IsWindowVisible(GetDlgItem(dialog, 0x410));
    SetWindowTextA(nameEdit, typedName.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return;
  }
  if (dialog) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST(SaveXmlDialog, OffersXmlFilesAndAppendsTheDefaultExtension) {
  const std::string folder = CurrentDirectory() + "\\" + xmltest::ScratchFolder("dialog");
  DialogSeen seen;
  std::thread user(AnswerSaveDialog, GetCurrentThreadId(), folder + "report", std::ref(seen));
  ChosenXmlFile file;
  const bool chosen = ShowSaveXmlDialog(nullptr, file);
  user.join();
  ASSERT_TRUE(chosen);
  EXPECT_EQ("*.xml", seen.fileName);
  EXPECT_EQ("XML Files (*.xml)", seen.firstFilter);
  EXPECT_EQ(2, seen.filterCount);
  EXPECT_FALSE(seen.readOnlyBoxShown);
  EXPECT_EQ(0, lstrcmpiA((folder + "report.xml").c_str(), file.path.c_str())) << file.path;
  EXPECT_EQ("report.xml", file.path.substr(file.nameOffset));
}

}  // namespace
