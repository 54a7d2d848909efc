// Starting and stopping the program under test as a process of its own.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_APPPROCESS_H
#define ZENQUILL_TESTS_E2E_HARNESS_APPPROCESS_H

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct LaunchOptions {
  std::string program;                   // path of the executable
  std::string arguments;                 // appended after the quoted program path
  std::string workingFolder;             // empty: the harness's own current folder
  std::vector<std::string> environment;  // "NAME=value": added to, or replacing, the harness's
};

class AppProcess {
 public:
  AppProcess() = default;
  ~AppProcess();  // kills a program still running, so a failed test leaves nothing behind
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  // Starts the program and waits until it is idle for input. False with Error() set.
  bool Start(const LaunchOptions& options);
  // Asks every visible top-level window of the program to close (WM_CLOSE) and waits for the
  // process to end. True when it ended by itself; otherwise it is killed and false returned.
  bool Close(unsigned timeoutMs = 5000);
  void Kill();

  bool Running() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  // The exit code once the process has ended.
  DWORD ExitCode() const;
  const std::string& Error() const { return error_; }

 private:
  void Release();

  PROCESS_INFORMATION info_ = {};
  std::string error_;
};

// Every top-level window of process `processId` (visible or not), in z-order.
std::vector<HWND> TopWindowsOf(DWORD processId);

}  // namespace e2e

#endif
