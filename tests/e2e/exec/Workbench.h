// The real program under test: started in a work folder of its own with ocilite as its
// client library and a demo database of the test's own, driven from this process.
#ifndef ZENQUILL_TESTS_E2E_EXEC_WORKBENCH_H
#define ZENQUILL_TESTS_E2E_EXEC_WORKBENCH_H

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Harness.h"

namespace exece2e {

constexpr unsigned kPatienceMs = 20000;

// A query that keeps SQLite busy for as long as the cancel lets it: only the break ends it
// in time.
constexpr char kEndlessQuery[] =
    "SELECT COUNT(*) FROM ALL_TAB_COLUMNS A, ALL_TAB_COLUMNS B, ALL_TAB_COLUMNS C, ALL_TAB_COLUMNS D, "
    "ALL_TAB_COLUMNS E, ALL_TAB_COLUMNS F";

// Whether the message line holds a report: not empty, not the mark the harness put there
// before a command, not a run's progress.
bool Finished(const std::string& message);

class Workbench {
 public:
  // Starts the program with `settings` (lines of section Zenquill) in its settings file and
  // waits for its Connect dialog. `name` names the test's scratch folder, whose demo
  // database is made anew unless `keepData` asks for the one a run before left there.
  ::testing::AssertionResult Start(const std::string& name, const std::string& settings = "", bool keepData = false);
  // Starts the program as Start does and returns once its main window is there: a recovery
  // copy that a run before left stays for it to offer.
  ::testing::AssertionResult Launch(const std::string& name, const std::string& settings, bool keepData);
  // The same, then connected as SCOTT.
  ::testing::AssertionResult StartConnected(const std::string& name, const std::string& settings = "",
                                            bool keepData = false);
  // More variables for the program's environment, set before Start or Launch.
  std::vector<std::string> environment;
  // Closes the main window as the user does; true when the program then ended cleanly
  // within `timeoutMs`.
  bool Close(unsigned timeoutMs = kPatienceMs);
  void Kill() { app_.Kill(); }

  // Fills the open Connect dialog and presses OK: the message line's new text, or "" when
  // a message box came instead (left open for the test).
  std::string AnswerConnect(const std::string& user, const std::string& password, int loginButton,
                            const std::string& database = "DEMO");
  // Puts `sql` in the editor and presses F5, or presses F5 on the editor as it is, or posts
  // a command: the message line once the program has reported.
  std::string Execute(const std::string& sql);
  std::string PressF5();
  // Presses F5 and returns at once, for a run that asks questions; WaitForReport then
  // returns the message line once the program has reported.
  void PostF5();
  std::string WaitForReport() const;
  // Types Ctrl and `key` on the keyboard, so that the accelerator table routes them; Press
  // returns the message line once the program has reported.
  void TypeWithControl(WORD key) const;
  std::string PressWithControl(WORD key);
  std::string RunCommand(int commandId);
  // Runs a command that opens no dialog; returns once the program has handled it.
  void RunQuietCommand(int commandId);
  bool MenuEnabled(UINT commandId);
  // Answers the open or save dialog titled `caption` with a full path, or cancels it ("").
  bool AnswerFileDialog(const char* caption, const std::string& path);
  // The dialog titled `caption` (the program's message boxes: "Zenquill") once it is open.
  HWND WaitForDialog(const char* caption = "Zenquill") const;
  static std::string MessageBoxText(HWND box) { return e2e::GetText(GetDlgItem(box, 0xFFFF)); }
  static void Answer(HWND dialog, int button);

  std::string Message() const { return e2e::GetText(message_); }
  std::string EditorText() const { return e2e::GetText(editor_); }
  void SetEditorText(const std::string& text) const { e2e::SetText(editor_, text); }
  std::pair<int, int> EditorSelection() const;
  void SelectInEditor(int start, int end) const { SendMessageA(editor_, EM_SETSEL, start, end); }
  e2e::ListViewReader List() const { return e2e::ListViewReader(list_); }
  std::string Caption() const { return e2e::GetText(main_); }
  HWND Main() const { return main_; }
  // Windows paths of the program's working folder and of this test's scratch folder.
  const std::string& WorkFolder() const { return work_; }
  std::string Scratch() const { return work_ + "\\" + name_; }
  std::string SettingsFile() const;
  std::string RecoveryFile() const { return work_ + "\\Zenquill.recover.sql"; }

 private:
  e2e::AppProcess app_;
  std::string work_ = e2e::WindowsPath(ZQ_EXEC_E2E_WORK);
  std::string name_;
  HWND main_ = nullptr;
  HWND editor_ = nullptr;
  HWND list_ = nullptr;
  HWND message_ = nullptr;
};

// True when HKLM\SOFTWARE\ORACLE exists: an Oracle client is registered in this prefix, and
// tests that write there or need its settings absent leave it alone.
bool OracleClientRegistered();

// A whole file as bytes, "<missing>" when it cannot be opened; and writing one.
std::string FileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace exece2e

#endif
