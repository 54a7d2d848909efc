// One run of the real zenquill.exe for the shell's end-to-end tests: a fresh working
// folder with the stand-in client library and a settings file of the test's choosing,
// a short start dialog unless the test wants the real one, and the main window's parts.
#ifndef ZENQUILL_TESTS_E2E_SHELL_SHELLSESSION_H
#define ZENQUILL_TESTS_E2E_SHELL_SHELLSESSION_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Harness.h"

namespace shelle2e {

// Settings of a start that is neither the first nor a fifth one.
extern const char kQuietStart[];

class ShellSession {
 public:
  // Starts the program in <work>\<name> holding oci.dll and a Zenquill.ini with ini (none
  // when ini is null), with arguments on its command line. splashMs replaces the start
  // dialog's four seconds; 0 keeps them.
  ::testing::AssertionResult Launch(const std::string& name, const char* ini, unsigned splashMs = 1,
                                    const std::string& arguments = "");
  // Launch, then wait for the main window and its controls.
  ::testing::AssertionResult Start(const std::string& name, const char* ini, unsigned splashMs = 1,
                                   const std::string& arguments = "");
  // Start, then cancel the Connect dialog that the start-up sequence opens.
  ::testing::AssertionResult StartPastConnect(const std::string& name, const char* ini = kQuietStart,
                                              const std::string& arguments = "");
  // WM_CLOSE to the program's windows; true when it ended by itself with exit code 0.
  bool Close();

  e2e::AppProcess& Process() { return app_; }
  DWORD Id() const { return app_.Id(); }
  HWND Main() const { return main_; }
  HWND View() const { return GetParent(editor_); }
  HWND Editor() const { return editor_; }
  HWND List() const { return list_; }
  HWND Tree() const { return tree_; }
  HWND MessageLine() const { return message_; }
  HWND ToolBar() const { return GetDlgItem(main_, 59392); }

  const std::string& Folder() const { return folder_; }
  // The caption of a fresh program's main window.
  std::string caption = "Untitled - Zenquill Professional";
  // The settings file as the program left it.
  std::string Settings() const;
  // Addresses the program handed to the shell, one per line.
  std::string OpenedAddresses() const;

 private:
  e2e::AppProcess app_;
  std::string folder_;
  HWND main_ = nullptr;
  HWND editor_ = nullptr;
  HWND list_ = nullptr;
  HWND tree_ = nullptr;
  HWND message_ = nullptr;
};

// While it lives, web addresses that the shell opens go to url_recorder.exe, which
// appends them to the file named by the program's ZQ_URL_LOG variable: a stand-in
// browser that accepts every address.
class RecordingBrowser {
 public:
  RecordingBrowser();
  ~RecordingBrowser();
  RecordingBrowser(const RecordingBrowser&) = delete;
  RecordingBrowser& operator=(const RecordingBrowser&) = delete;

 private:
  // The open command each protocol had before, to be put back.
  struct Saved {
    std::string key;
    std::string command;
    bool existed = false;
  };
  std::vector<Saved> saved_;
};

std::string FileText(const std::string& path);
// The text a control of the program shows.
inline std::string Text(HWND window) { return e2e::GetText(window); }
// Selection of an edit control as start and end.
std::pair<DWORD, DWORD> Selection(HWND edit);

}  // namespace shelle2e

#endif
