#include "ShellSession.h"

#include <fstream>
#include <iterator>

namespace shelle2e {
namespace {

const unsigned kPatienceMs = e2e::kDefaultTimeoutMs;

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
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

bool WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  return static_cast<bool>(file << text);
}

}  // namespace

const char kQuietStart[] = "[Zenquill]\r\nSTARTCOUNT=1\r\n";

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "";
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
  const DWORD packed = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
  return {LOWORD(packed), HIWORD(packed)};
}

::testing::AssertionResult ShellSession::Launch(const std::string& name, const char* ini, unsigned splashMs,
                                                const std::string& arguments) {
  folder_ = e2e::WindowsPath(ZQ_SHELL_E2E_WORK) + "\\" + name;
  RemoveTree(folder_);
  CreateDirectoryA(e2e::WindowsPath(ZQ_SHELL_E2E_WORK).c_str(), nullptr);
  if (!CreateDirectoryA(folder_.c_str(), nullptr)) return ::testing::AssertionFailure() << "cannot create " << folder_;
  if (!CopyFileA(e2e::WindowsPath(ZQ_OCI_DLL).c_str(), (folder_ + "\\oci.dll").c_str(), FALSE))
    return ::testing::AssertionFailure() << "cannot copy oci.dll";
  if (ini && !WriteFileText(folder_ + "\\Zenquill.ini", ini))
    return ::testing::AssertionFailure() << "cannot write the settings";

  e2e::LaunchOptions options;
  options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
  options.arguments = arguments;
  options.workingFolder = folder_;
  options.environment = {"OCILITE_DATA=" + folder_, "ZQ_URL_LOG=" + folder_ + "\\urls.txt"};
  if (splashMs) options.environment.push_back("ZENQUILL_TEST_SPLASH_MS=" + std::to_string(splashMs));
  if (!app_.Start(options)) return ::testing::AssertionFailure() << app_.Error();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShellSession::Start(const std::string& name, const char* ini, unsigned splashMs,
                                               const std::string& arguments) {
  ::testing::AssertionResult launched = Launch(name, ini, splashMs, arguments);
  if (!launched) return launched;
  e2e::WindowQuery query;
  query.caption = caption.c_str();
  query.processId = app_.Id();
  main_ = e2e::WaitForTopWindow(query, kPatienceMs);
  if (!main_) return ::testing::AssertionFailure() << "no main window \"" << caption << "\"";
  editor_ = e2e::WaitForControl(main_, 1000, kPatienceMs);
  list_ = e2e::WaitForControl(main_, 1001, kPatienceMs);
  message_ = e2e::WaitForControl(main_, 1003, kPatienceMs);
  tree_ = e2e::WaitForControl(main_, 1019, kPatienceMs);
  if (!editor_ || !list_ || !message_ || !tree_)
    return ::testing::AssertionFailure() << "the form's controls are missing";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShellSession::StartPastConnect(const std::string& name, const char* ini,
                                                          const std::string& arguments) {
  ::testing::AssertionResult started = Start(name, ini, 1, arguments);
  if (!started) return started;
  HWND connect = e2e::WaitForDialog("Connect", app_.Id(), kPatienceMs);
  if (!connect) return ::testing::AssertionFailure() << "no Connect dialog after start-up";
  e2e::PostClick(GetDlgItem(connect, IDCANCEL));
  if (!e2e::WaitForGone(connect, kPatienceMs)) return ::testing::AssertionFailure() << "Connect dialog stays";
  return ::testing::AssertionSuccess();
}

bool ShellSession::Close() { return app_.Close(kPatienceMs) && app_.ExitCode() == 0; }

std::string ShellSession::Settings() const { return FileText(folder_ + "\\Zenquill.ini"); }

std::string ShellSession::OpenedAddresses() const { return FileText(folder_ + "\\urls.txt"); }

RecordingBrowser::RecordingBrowser() {
  const std::string command = "\"" + e2e::WindowsPath(ZQ_URL_RECORDER) + "\" \"%1\"";
  for (const char* protocol : {"http", "https"}) {
    Saved saved;
    saved.key = std::string(protocol) + "\\shell\\open\\command";
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, saved.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
      continue;
    char value[1024];
    DWORD size = sizeof value;
    saved.existed = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == 0;
    if (saved.existed) saved.command.assign(value, size ? size - 1 : 0);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);
    saved_.push_back(saved);
  }
}

RecordingBrowser::~RecordingBrowser() {
  for (const Saved& saved : saved_) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, saved.key.c_str(), 0, KEY_ALL_ACCESS, &key)) continue;
    if (saved.existed) {
      RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(saved.command.c_str()),
                     static_cast<DWORD>(saved.command.size() + 1));
    } else {
      RegDeleteValueA(key, nullptr);
    }
    RegCloseKey(key);
  }
}

}  // namespace shelle2e
