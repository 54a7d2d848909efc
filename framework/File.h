// A file opened for reading or for writing, closed by its destructor. Others may read
// and write the same file while it is open. Failures come back as false, never thrown.
#ifndef ZENQUILL_FRAMEWORK_FILE_H
#define ZENQUILL_FRAMEWORK_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace fw {

class File {
 public:
  enum class Mode {
    Read,    // an existing file, from its start
    Create,  // created, or emptied when it exists, for writing
  };

  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool Open(const std::string& path, Mode mode);
  bool IsOpen() const;
  // Size in bytes, or -1 when not open or not known.
  std::int64_t Length() const;
  // Reads up to size bytes; the count read (0 at the end), or -1 on failure.
  std::int64_t Read(void* buffer, std::size_t size);
  // Writes all size bytes or fails.
  bool Write(const void* data, std::size_t size);
  void Close();

 private:
  std::intptr_t handle_ = -1;  // the platform's file handle or descriptor; -1 when closed
};

}  // namespace fw

#endif
