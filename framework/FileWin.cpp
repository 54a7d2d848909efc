// File on Windows: CreateFileA with shared read and write access.
#include <windows.h>

#include "File.h"

namespace fw {
namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

File::~File() { Close(); }

bool File::Open(const std::string& path, Mode mode) {
  Close();
  const bool reading = mode == Mode::Read;
  HANDLE h = CreateFileA(path.c_str(), reading ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, reading ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<std::intptr_t>(h);
  return true;
}

bool File::IsOpen() const { return handle_ != -1; }

std::int64_t File::Length() const {
  LARGE_INTEGER size;
  if (!IsOpen() || !GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

std::int64_t File::Read(void* buffer, std::size_t size) {
  DWORD read = 0;
  if (!IsOpen() || !ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(size), &read, nullptr)) return -1;
  return read;
}

bool File::Write(const void* data, std::size_t size) {
  DWORD written = 0;
  return IsOpen() && WriteFile(AsHandle(handle_), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

void File::Close() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
  handle_ = -1;
}

}  // namespace fw
