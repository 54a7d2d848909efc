#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "OutputFile.h"

namespace xml {

std::intptr_t OutputFile::RawCreate(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? kNoHandle : fd;
}

bool OutputFile::RawWrite(std::intptr_t handle, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(static_cast<int>(handle), bytes, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

bool OutputFile::RawClose(std::intptr_t handle) { return close(static_cast<int>(handle)) == 0; }

}  // namespace xml
