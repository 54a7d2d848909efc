#include "Workbench.h"

#include <fstream>
#include <iterator>

namespace exece2e {
namespace {

const char kMark[] = "<waiting for the program>";
const int kEditor = 1000;
const int kResultList = 1001;
const int kMessageLine = 1003;
const int kConnectUser = 1005;
const int kConnectPassword = 1006;
const int kConnectDatabase = 1020;

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Workbench::Scratch() const { return work_ + "\\" + name_; }

bool Workbench::StartProgram(const std::string& settings, std::string& error) {
  // Never the fifth start, which opens the maker's home page.
  WriteFileBytes(work_ + "\\Zenquill.ini", "[Zenquill]\r\nSTARTCOUNT=1\r\n" + settings);
  e2e::LaunchOptions options;
  options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
  options.workingFolder = work_;
  options.environment = {"OCILITE_DATA=" + Scratch() + "\\data", "ZENQUILL_TEST_SPLASH_MS=1"};
  if (!app_.Start(options)) {
    error = app_.Error();
    return false;
  }
  e2e::WindowQuery query;
  query.caption = "Untitled - Zenquill Professional";
  query.processId = app_.Id();
  main_ = e2e::WaitForTopWindow(query, kPatienceMs);
  editor_ = e2e::WaitForControl(main_, kEditor, kPatienceMs);
  list_ = e2e::WaitForControl(main_, kResultList, kPatienceMs);
  message_ = e2e::WaitForControl(main_, kMessageLine, kPatienceMs);
  if (!main_ || !editor_ || !list_ || !message_) {
    error = "the main window or its controls did not appear";
    return false;
  }
  return true;
}

::testing::AssertionResult Workbench::Start(const std::string& name, const std::string& settings, bool keepData) {
  work_ = e2e::WindowsPath(ZQ_EXEC_E2E_WORK);
  name_ = name;
  if (!keepData) {
    RemoveTree(Scratch());
    CreateDirectoryA(Scratch().c_str(), nullptr);
    CreateDirectoryA((Scratch() + "\\data").c_str(), nullptr);
  }
  std::string error;
  if (!StartProgram(settings, error)) return ::testing::AssertionFailure() << error;
  if (!e2e::WaitForDialog("Connect", app_.Id(), kPatienceMs))
    return ::testing::AssertionFailure() << "no Connect dialog after start-up";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Workbench::StartConnected(const std::string& name, const std::string& settings,
                                                     bool keepData) {
  ::testing::AssertionResult started = Start(name, settings, keepData);
  if (!started) return started;
  const std::string message = AnswerConnect("SCOTT", "tiger", 1007);
  if (message != "Connect succeeded!") return ::testing::AssertionFailure() << "connect: " << message;
  return ::testing::AssertionSuccess();
}

bool Workbench::Close() {
  const bool ended = app_.Close(kPatienceMs);
  return ended && app_.ExitCode() == 0;
}

std::string Workbench::AnswerConnect(const std::string& user, const std::string& password, int loginButton,
                                     const std::string& database) {
  HWND dialog = e2e::WaitForDialog("Connect", app_.Id(), kPatienceMs);
  if (!dialog) return "<no Connect dialog>";
  MarkMessageLine();
  e2e::SetText(GetDlgItem(dialog, kConnectDatabase), database);
  e2e::SetText(GetDlgItem(dialog, kConnectUser), user);
  e2e::SetText(GetDlgItem(dialog, kConnectPassword), password);
  e2e::Click(GetDlgItem(dialog, loginButton));
  e2e::PostClick(GetDlgItem(dialog, IDOK));
  e2e::WaitUntil(
      [&] { return Message() != kMark || e2e::FindTopWindow({"#32770", kMessageBoxCaption, app_.Id()}); },
      kPatienceMs);
  const std::string outcome = Message();
  return outcome == kMark ? "" : outcome;
}

void Workbench::MarkMessageLine() const { e2e::SetText(message_, kMark); }

// Read again once changed: a text replaced between the harness's two messages (length,
// then text) comes back cut to the old length.
std::string Workbench::WaitForReport() const {
  e2e::WaitUntil([&] { return Message() != kMark; }, kPatienceMs);
  return Message();
}

std::string Workbench::Execute(const std::string& sql) {
  SetEditorText(sql);
  return PressF5();
}

std::string Workbench::PressF5() {
  MarkMessageLine();
  e2e::PostKey(main_, VK_F5);
  return WaitForReport();
}

std::string Workbench::RunCommand(int commandId) {
  MarkMessageLine();
  e2e::PostCommand(main_, commandId);
  return WaitForReport();
}

// A message sent after the posted command is handled only once the command has run.
void Workbench::RunQuietCommand(int commandId) {
  e2e::PostCommand(main_, commandId);
  SendMessageA(main_, WM_NULL, 0, 0);
}

bool Workbench::MenuEnabled(UINT commandId) {
  std::vector<e2e::MenuItem> menu;
  std::string error;
  if (!e2e::ReadMenuBar(main_, true, menu, error)) {
    ADD_FAILURE() << error;
    return false;
  }
  const e2e::MenuItem* item = e2e::FindMenuCommand(menu, commandId);
  if (!item) ADD_FAILURE() << "no menu item " << commandId;
  return item && item->enabled;
}

// The file name box of the common dialogs: a combo box (cmb13) in the newer look, an edit
// (edt1) in the older.
bool Workbench::ChooseFile(const char* caption, const std::string& path) {
  HWND dialog = e2e::WaitForDialog(caption, app_.Id(), kPatienceMs);
  if (!dialog) return false;
  HWND name = e2e::FindControl(dialog, 0x47c);
  if (!name) name = e2e::FindControl(dialog, 0x480);
  if (!name || !e2e::SetText(name, path)) return false;
  e2e::PostClick(GetDlgItem(dialog, IDOK));
  return e2e::WaitForGone(dialog, kPatienceMs);
}

bool Workbench::CancelFileDialog(const char* caption) {
  HWND dialog = e2e::WaitForDialog(caption, app_.Id(), kPatienceMs);
  if (!dialog) return false;
  e2e::PostClick(GetDlgItem(dialog, IDCANCEL));
  return e2e::WaitForGone(dialog, kPatienceMs);
}

HWND Workbench::WaitForMessageBox() {
  e2e::WindowQuery query;
  query.className = "#32770";
  query.caption = kMessageBoxCaption;
  query.processId = app_.Id();
  HWND box = e2e::WaitForTopWindow(query, kPatienceMs);
  if (box) e2e::WaitForControl(box, 0xFFFF, kPatienceMs);
  return box;
}

std::string Workbench::MessageBoxText(HWND box) { return e2e::GetText(GetDlgItem(box, 0xFFFF)); }

void Workbench::ClickMessageBox(HWND box, int button) {
  e2e::PostClick(GetDlgItem(box, button));
  e2e::WaitForGone(box, kPatienceMs);
}

std::pair<int, int> Workbench::EditorSelection() const {
  const LRESULT range = SendMessageA(editor_, EM_GETSEL, 0, 0);
  return {LOWORD(range), HIWORD(range)};
}

void Workbench::SelectInEditor(int start, int end) const { SendMessageA(editor_, EM_SETSEL, start, end); }

}  // namespace exece2e
