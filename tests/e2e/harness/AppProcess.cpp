#include "AppProcess.h"

#include <cctype>

namespace e2e {
namespace {

std::string NameOf(const std::string& assignment) {
  std::string name = assignment.substr(0, assignment.find('='));
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

// The harness's environment with `extra` added or replacing same-named (case-insensitive)
// variables, as the double-NUL-terminated block CreateProcessA expects.
std::vector<char> EnvironmentBlock(const std::vector<std::string>& extra) {
  std::vector<std::string> variables;
  char* own = GetEnvironmentStringsA();
  for (const char* p = own; *p; p += std::char_traits<char>::length(p) + 1) variables.push_back(p);
  FreeEnvironmentStringsA(own);

  for (const std::string& assignment : extra) {
    bool replaced = false;
    for (std::string& variable : variables) {
      // Entries such as "=C:=C:\" have an empty name; they never match a real name.
      if (!replaced && NameOf(variable) == NameOf(assignment)) {
        variable = assignment;
        replaced = true;
      }
    }
    if (!replaced) variables.push_back(assignment);
  }

  std::vector<char> block;
  for (const std::string& variable : variables) block.insert(block.end(), variable.begin(), variable.end() + 1);
  block.push_back('\0');
  return block;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == found->first) found->second->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindowsOf(DWORD processId) {
  std::vector<HWND> windows;
  std::pair<DWORD, std::vector<HWND>*> found(processId, &windows);
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
  return windows;
}

AppProcess::~AppProcess() {
  Kill();
  Release();
}

bool AppProcess::Start(const LaunchOptions& options) {
  if (info_.hProcess) {
    error_ = "already started";
    return false;
  }
  std::string commandLine = "\"" + options.program + "\"";
  if (!options.arguments.empty()) commandLine += " " + options.arguments;
  std::vector<char> command(commandLine.begin(), commandLine.end() + 1);
  std::vector<char> environment = EnvironmentBlock(options.environment);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  const char* folder = options.workingFolder.empty() ? nullptr : options.workingFolder.c_str();
  if (!CreateProcessA(options.program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, environment.data(), folder,
                      &startup, &info_)) {
    error_ = "cannot start " + options.program + " (error " + std::to_string(GetLastError()) + ")";
    info_ = {};
    return false;
  }
  WaitForInputIdle(info_.hProcess, 10000);
  return true;
}

bool AppProcess::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD AppProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool AppProcess::Close(unsigned timeoutMs) {
  if (!Running()) return info_.hProcess != nullptr;
  // Visible windows only: hidden helper windows of the program are not the user's to close.
  for (HWND window : TopWindowsOf(info_.dwProcessId))
    if (IsWindowVisible(window)) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0) return true;
  Kill();
  return false;
}

void AppProcess::Kill() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 5000);
}

void AppProcess::Release() {
  if (info_.hThread) CloseHandle(info_.hThread);
  if (info_.hProcess) CloseHandle(info_.hProcess);
  info_ = {};
}

}  // namespace e2e
