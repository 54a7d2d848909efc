// File on POSIX systems: open(2); sharing is the default there.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "File.h"

namespace fw {

File::~File() { Close(); }

bool File::Open(const std::string& path, Mode mode) {
  Close();
  const int flags = mode == Mode::Read ? O_RDONLY : (O_WRONLY | O_CREAT | O_TRUNC);
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

bool File::IsOpen() const { return handle_ != -1; }

std::int64_t File::Length() const {
  struct stat info;
  if (!IsOpen() || ::fstat(static_cast<int>(handle_), &info) != 0) return -1;
  return info.st_size;
}

std::int64_t File::Read(void* buffer, std::size_t size) {
  if (!IsOpen()) return -1;
  return ::read(static_cast<int>(handle_), buffer, size);
}

bool File::Write(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (IsOpen() && size > 0) {
    const ssize_t written = ::write(static_cast<int>(handle_), bytes, size);
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return IsOpen();
}

void File::Close() {
  if (IsOpen()) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

}  // namespace fw
