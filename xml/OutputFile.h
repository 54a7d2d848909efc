// A write-only file with a buffer of its own, so that writing many short lines costs one
// system call per buffer, not one per line.
#ifndef ZENQUILL_XML_OUTPUTFILE_H
#define ZENQUILL_XML_OUTPUTFILE_H

#include <cstdint>
#include <string>
#include <string_view>

namespace xml {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();  // closes an open file; its result is lost

  // Creates the file or truncates it; other programs may read and write it meanwhile.
  // False when it cannot be created.
  bool Create(const std::string& path);
  bool IsOpen() const { return handle_ != kNoHandle; }

  // A failed write is remembered: the bytes after it are dropped and Close reports it.
  void Write(std::string_view bytes);
  bool Failed() const { return failed_; }

  // Writes what is buffered and closes; true when every byte reached the system.
  bool Close();

  static constexpr std::size_t kBufferSize = 64 * 1024;

 private:
  static constexpr std::intptr_t kNoHandle = -1;

  void Flush();

  // The platform's part.
  static std::intptr_t RawCreate(const std::string& path);
  static bool RawWrite(std::intptr_t handle, const char* bytes, std::size_t count);
  static bool RawClose(std::intptr_t handle);

  std::intptr_t handle_ = kNoHandle;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace xml

#endif
