// A library of the harness loaded into the program's process, whose exports the harness can
// run there. Some state (menus) can only be read from inside the process that owns it.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_REMOTELIBRARY_H
#define ZENQUILL_TESTS_E2E_HARNESS_REMOTELIBRARY_H

#include <windows.h>

#include <string>

namespace e2e {

class RemoteLibrary {
 public:
  // Loads `path` (a Windows path) into the process that owns `window`.
  RemoteLibrary(HWND window, const std::string& path);
  ~RemoteLibrary();  // unloads it again
  RemoteLibrary(const RemoteLibrary&) = delete;
  RemoteLibrary& operator=(const RemoteLibrary&) = delete;

  bool Loaded() const { return remote_ != 0; }
  const std::string& Error() const { return error_; }

  // Runs the export `name`, a thread procedure, on a new thread of the program with
  // `argument` (an address in the program) and waits for it. False on failure or timeout.
  bool Call(const char* name, void* argument, unsigned timeoutMs, DWORD& result);

 private:
  bool RunThread(LPTHREAD_START_ROUTINE start, void* argument, unsigned timeoutMs, DWORD& result);

  HANDLE process_ = nullptr;
  HMODULE local_ = nullptr;  // the same library here, to find an export's offset
  DWORD remote_ = 0;         // its base address in the program (32-bit processes)
  std::string error_;
};

}  // namespace e2e

#endif
