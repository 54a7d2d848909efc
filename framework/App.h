// The application object: one per process. It runs the instance initialisation of the
// derived application, then the message loop (accelerators before any control sees a
// key, idle updates when the queue runs empty), and keeps the per-user profile with
// its recent-file list in the registry.
#ifndef ZENQUILL_FRAMEWORK_APP_H
#define ZENQUILL_FRAMEWORK_APP_H

#include <windows.h>

#include <memory>
#include <string>

#include "CmdTarget.h"
#include "CommandLine.h"
#include "DocTemplate.h"
#include "RecentFileList.h"

namespace fw {

class FrameWnd;

class App : public CmdTarget {
 public:
  App();
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  static App* Current();

  // The body of WinMain: initialisation, message loop, clean-up; the exit code.
  int Main(HINSTANCE instance, const std::string& commandLine);

  HINSTANCE Instance() const { return instance_; }
  // The application's name, string IDS_APP_TITLE.
  const std::string& Name() const { return name_; }
  FrameWnd* MainFrame() const;
  DocTemplate* Template() const { return template_.get(); }
  const RecentFileList& RecentFiles() const { return recentFiles_; }

  bool OnCommand(unsigned id) override;

 protected:
  virtual bool InitInstance();

  // The profile lives under HKEY_CURRENT_USER\Software\<keyWord>\<application name>.
  void SetRegistryKey(const std::string& keyWord);
  // Reads the recent-file list, keeping at most count entries.
  void LoadStdProfileSettings(std::size_t recentFileCount);
  void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
  // Opens the file the command names, or a new document; false when that failed.
  bool ProcessShellCommand(const ShellCommand& command);
  const std::string& CommandLineText() const { return commandLine_; }

 private:
  int Run();
  void SaveStdProfileSettings();
  std::string RecentFileKey() const;

  HINSTANCE instance_ = nullptr;
  std::string name_;
  std::string commandLine_;
  std::string registryKey_;
  RecentFileList recentFiles_{0};
  std::unique_ptr<DocTemplate> template_;
};

}  // namespace fw

#endif
