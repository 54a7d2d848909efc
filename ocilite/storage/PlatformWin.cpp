#include <windows.h>

#include <cstdlib>

#include "storage/Platform.h"

namespace ocilite {

std::string LibraryFolder() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&LibraryFolder), &module);
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  std::string file(path, length);
  size_t slash = file.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

std::string OperatingSystemUser() {
  char name[256] = {};
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

// A manual-reset event: the wait is the system's own, as long as a Sleep.
struct Alarm::State {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

Alarm::Alarm() : state_(std::make_unique<State>()) {}

Alarm::~Alarm() { CloseHandle(state_->event); }

void Alarm::Wait(unsigned milliseconds) { WaitForSingleObject(state_->event, milliseconds); }

void Alarm::Raise() { SetEvent(state_->event); }

void Alarm::Lower() { ResetEvent(state_->event); }

bool Alarm::Raised() { return WaitForSingleObject(state_->event, 0) == WAIT_OBJECT_0; }

}  // namespace ocilite
