// The real program under test: started in a work folder of its own with ocilite as its
// client library and a fresh demo database, driven from this process through its windows.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Harness.h"

namespace exece2e {

constexpr unsigned kPatienceMs = 20000;
// A message box of the program: its caption is the program's name.
constexpr char kMessageBoxCaption[] = "Zenquill";

class Workbench {
 public:
  // Starts the program with a settings file holding `settings` (lines of section Zenquill)
  // and waits until its Connect dialog is open. `name` gives the test its own scratch folder
  // with a fresh demo database, unless `keepData` asks for the one a run before left there.
  ::testing::AssertionResult Start(const std::string& name, const std::string& settings = "",
                                   bool keepData = false);
  // Ends the program as the user does, closing its main window; false when it did not end.
  bool Close();

  // Answers the open Connect dialog and waits for the outcome: the message line's text,
  // or "" when a message box came instead (it is left open: see MessageBox()).
  std::string AnswerConnect(const std::string& user, const std::string& password, int loginButton,
                            const std::string& database = "DEMO");
  // Start-up straight into a connected session as SCOTT.
  ::testing::AssertionResult StartConnected(const std::string& name, const std::string& settings = "",
                                            bool keepData = false);

  // Puts `sql` in the editor and presses F5; the message line once the run has ended.
  std::string Execute(const std::string& sql);
  // Presses F5 on the editor as it is (text and selection).
  std::string PressF5();
  // Posts a command and waits until the message line changes; its new text.
  std::string RunCommand(int commandId);
  // Posts a command that reports nothing and waits until the program has handled it.
  void RunQuietCommand(int commandId);
  // Whether the command's menu item is enabled, as the program's update handlers say.
  bool MenuEnabled(UINT commandId);

  // Answers the open or save file dialog that `caption` names with a full path.
  bool ChooseFile(const char* caption, const std::string& path);
  // Cancels it.
  bool CancelFileDialog(const char* caption);

  // The program's message box once it is open, and its text; ClickMessageBox answers it.
  HWND WaitForMessageBox();
  static std::string MessageBoxText(HWND box);
  static void ClickMessageBox(HWND box, int button);

  std::string Message() const { return e2e::GetText(message_); }
  std::string EditorText() const { return e2e::GetText(editor_); }
  void SetEditorText(const std::string& text) const { e2e::SetText(editor_, text); }
  // The editor's selection (start, end).
  std::pair<int, int> EditorSelection() const;
  void SelectInEditor(int start, int end) const;
  e2e::ListViewReader List() const { return e2e::ListViewReader(list_); }
  std::string Caption() const { return e2e::GetText(main_); }

  HWND Main() const { return main_; }
  DWORD ProcessId() const { return app_.Id(); }
  // Windows paths of the program's working folder and of this test's own scratch folder.
  const std::string& WorkFolder() const { return work_; }
  std::string Scratch() const;

 private:
  bool StartProgram(const std::string& settings, std::string& error);
  // Marks the message line, so that a command's report is seen even when it repeats.
  void MarkMessageLine() const;
  std::string WaitForReport() const;

  e2e::AppProcess app_;
  std::string work_;
  std::string name_;
  HWND main_ = nullptr;
  HWND editor_ = nullptr;
  HWND list_ = nullptr;
  HWND message_ = nullptr;
};

// Reads a whole file as bytes; "<missing>" when it cannot be opened.
std::string FileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace exece2e
