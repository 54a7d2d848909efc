#include "App.h"

#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "Resources.h"

namespace fw {
namespace {

App* current = nullptr;

const char kRecentFileSection[] = "Recent File List";

// Messages after which the frame's idle updates are due: not the ones that come by
// themselves all the time while nothing happens.
bool StartsIdleWork(const MSG& msg) { return msg.message != WM_PAINT && msg.message != 0x0118; }

std::string RecentEntryName(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

App::App() { current = this; }

App::~App() {
  if (current == this) current = nullptr;
}

App* App::Current() { return current; }

FrameWnd* App::MainFrame() const { return template_ ? template_->GetFrame() : nullptr; }

int App::Main(HINSTANCE instance, const std::string& commandLine) {
  instance_ = instance;
  commandLine_ = commandLine;
  name_ = AppName();
  const int exitCode = InitInstance() ? Run() : -1;
  SaveStdProfileSettings();
  template_.reset();
  return exitCode;
}

bool App::InitInstance() { return true; }

bool App::OnCommand(unsigned id) {
  if (id != ID_APP_EXIT) return false;
  if (MainFrame() && MainFrame()->Hwnd()) SendMessageA(MainFrame()->Hwnd(), WM_CLOSE, 0, 0);
  return true;
}

void App::SetRegistryKey(const std::string& keyWord) { registryKey_ = "Software\\" + keyWord + "\\" + name_; }

std::string App::RecentFileKey() const { return registryKey_ + "\\" + kRecentFileSection; }

void App::LoadStdProfileSettings(std::size_t recentFileCount) {
  recentFiles_ = RecentFileList(recentFileCount);
  HKEY key;
  if (registryKey_.empty() || RegOpenKeyExA(HKEY_CURRENT_USER, RecentFileKey().c_str(), 0, KEY_READ, &key)) return;
  std::vector<std::string> stored;
  for (std::size_t i = 0; i < recentFileCount; ++i) {
    char path[MAX_PATH + 1] = "";
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    if (!RegQueryValueExA(key, RecentEntryName(i).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(path), &size) &&
        type == REG_SZ)
      stored.push_back(path);
  }
  RegCloseKey(key);
  recentFiles_.Assign(stored);
}

void App::SaveStdProfileSettings() {
  HKEY key;
  if (registryKey_.empty() || recentFiles_.Capacity() == 0 ||
      RegCreateKeyExA(HKEY_CURRENT_USER, RecentFileKey().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr))
    return;
  const auto& entries = recentFiles_.Entries();
  for (std::size_t i = 0; i < recentFiles_.Capacity(); ++i) {
    const std::string name = RecentEntryName(i);
    if (i < entries.size()) {
      RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(entries[i].c_str()),
                     static_cast<DWORD>(entries[i].size() + 1));
    } else {
      RegDeleteValueA(key, name.c_str());
    }
  }
  RegCloseKey(key);
}

void App::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) { template_ = std::move(docTemplate); }

bool App::ProcessShellCommand(const ShellCommand& command) {
  if (!template_) return false;
  if (!command.openFile) return template_->OpenNewDocument();
  if (!template_->OpenDocumentFile(command.path)) return false;
  char fullPath[MAX_PATH];
  const DWORD length = GetFullPathNameA(command.path.c_str(), MAX_PATH, fullPath, nullptr);
  recentFiles_.Add(length > 0 && length < MAX_PATH ? std::string(fullPath, length) : command.path);
  return true;
}

int App::Run() {
  MSG msg = {};
  bool idleDue = true;
  for (;;) {
    if (idleDue && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (MainFrame()) MainFrame()->OnIdleUpdate();
      idleDue = false;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!MainFrame() || !MainFrame()->PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    idleDue = idleDue || StartsIdleWork(msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace fw
