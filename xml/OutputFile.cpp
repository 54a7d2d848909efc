#include "OutputFile.h"

namespace xml {

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Create(const std::string& path) {
  if (IsOpen()) return false;
  handle_ = RawCreate(path);
  failed_ = false;
  buffer_.clear();
  buffer_.reserve(kBufferSize);
  return IsOpen();
}

void OutputFile::Write(std::string_view bytes) {
  if (!IsOpen() || failed_) return;
  if (buffer_.size() + bytes.size() > kBufferSize) Flush();
  if (bytes.size() >= kBufferSize) {
    failed_ = failed_ || !RawWrite(handle_, bytes.data(), bytes.size());
  } else {
    buffer_.append(bytes);
  }
}

bool OutputFile::Close() {
  if (!IsOpen()) return false;
  Flush();
  const bool closed = RawClose(handle_);
  handle_ = kNoHandle;
  return closed && !failed_;
}

void OutputFile::Flush() {
  if (!failed_ && !buffer_.empty()) failed_ = !RawWrite(handle_, buffer_.data(), buffer_.size());
  buffer_.clear();
}

}  // namespace xml
