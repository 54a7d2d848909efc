#include "ZenquillSession.h"

#include "resource.h"

namespace schemae2e {
namespace {

std::string WorkFolder() { return e2e::WindowsPath(ZQ_SCHEMA_E2E_WORK); }
std::string DataFolder() { return WorkFolder() + "\\data"; }

void DeleteMatching(const std::string& folder, const std::string& pattern) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileA((folder + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

void ZenquillSession::ResetDatabase() {
  CreateDirectoryA(DataFolder().c_str(), nullptr);
  DeleteMatching(DataFolder(), "DEMO*");
}

bool ZenquillSession::Start(std::string& error) {
  // No settings: every start is the first, so the home page is never opened. No recovery
  // copy that a killed run left: its question would come before the Connect dialog.
  DeleteFileA((WorkFolder() + "\\Zenquill.ini").c_str());
  DeleteFileA((WorkFolder() + "\\Zenquill.recover.sql").c_str());
  e2e::LaunchOptions options;
  options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
  options.workingFolder = WorkFolder();
  options.environment = {"ZENQUILL_TEST_SPLASH_MS=1", "OCILITE_DATA=" + DataFolder()};
  if (!app_.Start(options)) {
    error = app_.Error();
    return false;
  }
  connectDialog_ = e2e::WaitForDialog("Connect", app_.Id(), e2e::kDefaultTimeoutMs);
  if (!connectDialog_) {
    error = "no Connect dialog";
    return false;
  }
  return FindControls(error);
}

bool ZenquillSession::FindControls(std::string& error) {
  e2e::WindowQuery query;
  query.caption = "Untitled - Zenquill Professional";
  query.processId = app_.Id();
  main_ = e2e::WaitForTopWindow(query, e2e::kDefaultTimeoutMs);
  tree_ = main_ ? e2e::WaitForControl(main_, IDC_SCHEMA_TREE, e2e::kDefaultTimeoutMs) : nullptr;
  list_ = main_ ? e2e::FindControl(main_, IDC_RESULT_LIST) : nullptr;
  message_ = main_ ? e2e::FindControl(main_, IDC_MESSAGE_LINE) : nullptr;
  if (tree_ && list_ && message_) return true;
  error = "the main window or its controls are missing";
  return false;
}

bool ZenquillSession::Connect(const std::string& user, const std::string& password, std::string& error) {
  e2e::SetText(GetDlgItem(connectDialog_, IDC_CONNECT_DATABASE), "DEMO");
  e2e::SetText(GetDlgItem(connectDialog_, IDC_CONNECT_USER), user);
  e2e::SetText(GetDlgItem(connectDialog_, IDC_CONNECT_PASSWORD), password);
  e2e::PostClick(GetDlgItem(connectDialog_, IDOK));
  // The first connect creates the demo database, which takes a while.
  const bool done = e2e::WaitUntil([&] { return Message() != "Connect to database!"; }, 60000);
  if (done && Message() == "Connect succeeded!") return true;
  error = "connect failed: " + Message();
  return false;
}

bool ZenquillSession::CancelConnect(std::string& error) {
  e2e::PostClick(GetDlgItem(connectDialog_, IDCANCEL));
  if (e2e::WaitForGone(connectDialog_, e2e::kDefaultTimeoutMs)) return true;
  error = "the Connect dialog stayed open";
  return false;
}

std::string ZenquillSession::WaitForMessageOtherThan(const std::string& previous) const {
  e2e::WaitUntil([&] { return Message() != previous && !e2e::IsRunProgress(Message()); });
  return Message();
}

}  // namespace schemae2e
