// Reading a zero-terminated text out of a fixed buffer that a library has filled.
#ifndef ZENQUILL_DB_TEXTBUFFER_H
#define ZENQUILL_DB_TEXTBUFFER_H

#include <cstddef>
#include <cstring>
#include <string>

// Stops at the first zero byte, or at the buffer's end when the library left none.
inline std::string TextUpToZero(const char* buffer, size_t size) {
  const void* zero = std::memchr(buffer, 0, size);
  return std::string(buffer, zero ? static_cast<const char*>(zero) - buffer : size);
}

#endif
