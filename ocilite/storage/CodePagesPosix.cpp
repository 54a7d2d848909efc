#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <string>

#include "storage/CodePages.h"

namespace ocilite {

namespace {

// iconv's names for the code pages that are no "CP" number to it.
std::string IconvName(unsigned codePage) {
  switch (codePage) {
    case 28591: return "ISO-8859-1";
    case 28605: return "ISO-8859-15";
    case 20932: return "EUC-JP";
    case 54936: return "GB18030";
    default: return "CP" + std::to_string(codePage);
  }
}

// A byte run the converter rejects puts one '?' and goes on after `skip` bytes.
std::string Convert(const std::string& from, const std::string& to, std::string_view text, size_t (*skip)(char)) {
  iconv_t converter = iconv_open(to.c_str(), from.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(text.size(), '?');
  std::string out;
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[256];
  while (inLeft > 0) {
    char* next = buffer;
    size_t room = sizeof buffer;
    const bool rejected = iconv(converter, &in, &inLeft, &next, &room) == static_cast<size_t>(-1) && errno != E2BIG;
    out.append(buffer, next);
    if (rejected && inLeft > 0) {
      const size_t skipped = std::min(skip(*in), inLeft);
      out += '?';
      in += skipped;
      inLeft -= skipped;
    }
  }
  iconv_close(converter);
  return out;
}

size_t OneByte(char) { return 1; }

size_t Utf8SequenceLength(char lead) {
  const unsigned char byte = static_cast<unsigned char>(lead);
  return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}

}  // namespace

std::string CodePageToUtf8(unsigned codePage, std::string_view bytes) {
  return Convert(IconvName(codePage), "UTF-8", bytes, OneByte);
}

std::string Utf8ToCodePage(unsigned codePage, std::string_view utf8) {
  return Convert("UTF-8", IconvName(codePage), utf8, Utf8SequenceLength);
}

}  // namespace ocilite
