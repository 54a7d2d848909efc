#pragma once
// The C library's own Windows-1252 table (iconv), an oracle independent of ours.
// The five bytes that Windows-1252 leaves undefined come back empty.
#include <iconv.h>

#include <string>

namespace xmltest {

inline std::string Cp1252ToUtf8(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1252");
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* inPtr = in;
  char* outPtr = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok ? std::string(out, outPtr) : std::string();
}

// What an exported cell holding the byte reads as: undefined bytes are the C1 control of
// the same value, as the Windows conversion maps them.
inline std::string ExpectedUtf8Of(unsigned char byte) {
  const std::string converted = Cp1252ToUtf8(byte);
  if (!converted.empty()) return converted;
  return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

}  // namespace xmltest
