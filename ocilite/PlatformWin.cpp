#include <windows.h>

#include <cstdlib>

#include "Platform.h"

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

}  // namespace ocilite
