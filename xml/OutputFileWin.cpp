#include <windows.h>

#include "OutputFile.h"

namespace xml {

// Windows itself refuses to replace a read-only file; Wine run as root does not, so the
// attribute is asked first.
std::intptr_t OutputFile::RawCreate(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return kNoHandle;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? kNoHandle : reinterpret_cast<std::intptr_t>(file);
}

bool OutputFile::RawWrite(std::intptr_t handle, const char* bytes, std::size_t count) {
  while (count > 0) {
    const DWORD chunk = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(handle), bytes, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes += written;
    count -= written;
  }
  return true;
}

bool OutputFile::RawClose(std::intptr_t handle) { return ::CloseHandle(reinterpret_cast<HANDLE>(handle)) != FALSE; }

}  // namespace xml
