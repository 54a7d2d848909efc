#include "RemoteLibrary.h"

#include "RemoteBuffer.h"

namespace e2e {
namespace {

// System libraries sit at the same address in every process, so an entry point of kernel32
// found here is the same entry point in the program.
LPTHREAD_START_ROUTINE Kernel32Routine(const char* name) {
  return reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

}  // namespace

RemoteLibrary::RemoteLibrary(HWND window, const std::string& path) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  process_ = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
  local_ = LoadLibraryA(path.c_str());
  if (!process_ || !local_) {
    error_ = "cannot open the program or load " + path;
    return;
  }
  RemoteBuffer name(window, path.size() + 1);
  DWORD base = 0;
  if (!name.Write(0, path.c_str(), path.size() + 1) ||
      !RunThread(Kernel32Routine("LoadLibraryA"), name.At(0), 10000, base) || !base) {
    error_ = "cannot load " + path + " into the program";
    return;
  }
  remote_ = base;
}

RemoteLibrary::~RemoteLibrary() {
  DWORD ignored = 0;
  if (remote_)
    RunThread(Kernel32Routine("FreeLibrary"), reinterpret_cast<void*>(static_cast<UINT_PTR>(remote_)), 10000, ignored);
  if (local_) FreeLibrary(local_);
  if (process_) CloseHandle(process_);
}

bool RemoteLibrary::Call(const char* name, void* argument, unsigned timeoutMs, DWORD& result) {
  FARPROC local = remote_ ? GetProcAddress(local_, name) : nullptr;
  if (!local) {
    error_ = std::string("no export ") + name;
    return false;
  }
  const UINT_PTR offset = reinterpret_cast<UINT_PTR>(local) - reinterpret_cast<UINT_PTR>(local_);
  auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(remote_ + offset);
  if (RunThread(start, argument, timeoutMs, result)) return true;
  error_ = std::string("running ") + name + " in the program failed or timed out";
  return false;
}

bool RemoteLibrary::RunThread(LPTHREAD_START_ROUTINE start, void* argument, unsigned timeoutMs, DWORD& result) {
  HANDLE thread = CreateRemoteThread(process_, nullptr, 0, start, argument, 0, nullptr);
  if (!thread) return false;
  const bool finished = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
  const bool gotResult = finished && GetExitCodeThread(thread, &result);
  CloseHandle(thread);
  return gotResult;
}

}  // namespace e2e
