#include "Workbench.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "resource.h"

namespace exece2e {
namespace {

// Put in the message line before a command, so that even a repeated report is seen.
const char kMark[] = "<waiting for the program>";

}  // namespace

bool Finished(const std::string& message) {
  return !message.empty() && message != kMark && !e2e::IsRunProgress(message);
}

bool OracleClientRegistered() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ORACLE", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return file ? std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()) : "<missing>";
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Workbench::SettingsFile() const { return FileBytes(work_ + "\\Zenquill.ini"); }

::testing::AssertionResult Workbench::Start(const std::string& name, const std::string& settings, bool keepData) {
  std::error_code ignored;
  std::filesystem::remove(RecoveryFile(), ignored);
  ::testing::AssertionResult launched = Launch(name, settings, keepData);
  if (!launched) return launched;
  if (!WaitForDialog("Connect")) return ::testing::AssertionFailure() << "no Connect dialog after start-up";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Workbench::Launch(const std::string& name, const std::string& settings, bool keepData) {
  name_ = name;
  if (!keepData) {
    std::error_code ignored;
    std::filesystem::remove_all(Scratch(), ignored);
    std::filesystem::create_directories(Scratch() + "\\data");
  }
  // Never the fifth start, which opens the maker's home page.
  WriteFileBytes(work_ + "\\Zenquill.ini", "[Zenquill]\r\nSTARTCOUNT=1\r\n" + settings);
  e2e::LaunchOptions options;
  options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
  options.workingFolder = work_;
  options.environment = {"OCILITE_DATA=" + Scratch() + "\\data", "ZENQUILL_TEST_SPLASH_MS=1"};
  options.environment.insert(options.environment.end(), environment.begin(), environment.end());
  if (!app_.Start(options)) return ::testing::AssertionFailure() << app_.Error();
  main_ = e2e::WaitForTopWindow({nullptr, "Untitled - Zenquill Professional", app_.Id()}, kPatienceMs);
  editor_ = e2e::WaitForControl(main_, IDC_SQL_EDIT, kPatienceMs);
  list_ = e2e::WaitForControl(main_, IDC_RESULT_LIST, kPatienceMs);
  message_ = e2e::WaitForControl(main_, IDC_MESSAGE_LINE, kPatienceMs);
  if (!main_ || !editor_ || !list_ || !message_) return ::testing::AssertionFailure() << "no main window";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Workbench::StartConnected(const std::string& name, const std::string& settings,
                                                     bool keepData) {
  ::testing::AssertionResult started = Start(name, settings, keepData);
  if (!started) return started;
  const std::string message = AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL);
  if (message != "Connect succeeded!") return ::testing::AssertionFailure() << "connect: " << message;
  return ::testing::AssertionSuccess();
}

bool Workbench::Close(unsigned timeoutMs) { return app_.Close(timeoutMs) && app_.ExitCode() == 0; }

std::string Workbench::AnswerConnect(const std::string& user, const std::string& password, int loginButton,
                                     const std::string& database) {
  HWND dialog = WaitForDialog("Connect");
  if (!dialog) return "<no Connect dialog>";
  e2e::SetText(message_, kMark);
  e2e::SetText(GetDlgItem(dialog, IDC_CONNECT_DATABASE), database);
  e2e::SetText(GetDlgItem(dialog, IDC_CONNECT_USER), user);
  e2e::SetText(GetDlgItem(dialog, IDC_CONNECT_PASSWORD), password);
  e2e::Click(GetDlgItem(dialog, loginButton));
  e2e::PostClick(GetDlgItem(dialog, IDOK));
  e2e::WaitUntil(
      [&] {
        return Finished(Message()) || e2e::FindTopWindow({"#32770", "Zenquill", app_.Id()});
      },
      kPatienceMs);
  const std::string outcome = Message();
  return outcome == kMark ? "" : outcome;
}

// Read again once changed: a text replaced between the harness's two messages (length,
// then text) comes back cut to the old length.
std::string Workbench::WaitForReport() const {
  e2e::WaitUntil([&] { return Finished(Message()); }, kPatienceMs);
  return Message();
}

std::string Workbench::Execute(const std::string& sql) {
  SetEditorText(sql);
  return PressF5();
}

std::string Workbench::PressF5() {
  PostF5();
  return WaitForReport();
}

void Workbench::PostF5() {
  e2e::SetText(message_, kMark);
  e2e::PostKey(main_, VK_F5);
}

std::string Workbench::PressWithControl(WORD key) {
  e2e::SetText(message_, kMark);
  TypeWithControl(key);
  return WaitForReport();
}

void Workbench::TypeWithControl(WORD key) const {
  SetForegroundWindow(main_);
  e2e::WaitUntil([&] { return GetForegroundWindow() == main_; });
  INPUT keys[4] = {};
  const WORD sequence[4][2] = {{VK_CONTROL, 0}, {key, 0}, {key, KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
  for (int k = 0; k < 4; ++k) {
    keys[k].type = INPUT_KEYBOARD;
    keys[k].ki.wVk = sequence[k][0];
    keys[k].ki.dwFlags = sequence[k][1];
  }
  SendInput(4, keys, sizeof(INPUT));
}

std::string Workbench::RunCommand(int commandId) {
  e2e::SetText(message_, kMark);
  e2e::PostCommand(main_, commandId);
  return WaitForReport();
}

// Sent, not posted: the call returns once the program has run the command.
void Workbench::RunQuietCommand(int commandId) { SendMessageA(main_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0); }

bool Workbench::MenuEnabled(UINT commandId) {
  std::vector<e2e::MenuItem> menu;
  std::string error;
  const e2e::MenuItem* item =
      e2e::ReadMenuBar(main_, true, menu, error) ? e2e::FindMenuCommand(menu, commandId) : nullptr;
  if (!item) ADD_FAILURE() << "no menu item " << commandId << " " << error;
  return item && item->enabled;
}

// The file name box of the common dialogs: a combo box (cmb13) in the newer look, an edit
// (edt1) in the older.
bool Workbench::AnswerFileDialog(const char* caption, const std::string& path) {
  HWND dialog = WaitForDialog(caption);
  if (!dialog) return false;
  HWND name = e2e::FindControl(dialog, 0x47c) ? e2e::FindControl(dialog, 0x47c) : e2e::FindControl(dialog, 0x480);
  if (!path.empty() && !e2e::SetText(name, path)) return false;
  Answer(dialog, path.empty() ? IDCANCEL : IDOK);
  return !IsWindow(dialog);
}

HWND Workbench::WaitForDialog(const char* caption) const {
  HWND dialog = e2e::WaitForDialog(caption, app_.Id(), kPatienceMs);
  if (dialog && std::string(caption) == "Zenquill") e2e::WaitForControl(dialog, 0xFFFF, kPatienceMs);
  return dialog;
}

void Workbench::Answer(HWND dialog, int button) {
  e2e::PostClick(GetDlgItem(dialog, button));
  e2e::WaitForGone(dialog, kPatienceMs);
}

std::pair<int, int> Workbench::EditorSelection() const {
  const LRESULT range = SendMessageA(editor_, EM_GETSEL, 0, 0);
  return {LOWORD(range), HIWORD(range)};
}

}  // namespace exece2e
