#include <windows.h>

#include "storage/CodePages.h"

namespace ocilite {

namespace {

std::wstring Wide(unsigned codePage, std::string_view bytes) {
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], static_cast<int>(wide.size()));
  return wide;
}

std::string Narrow(unsigned codePage, const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  // UTF-8 takes no default character; every other code page puts '?' for what it lacks,
  // never a look-alike letter.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  std::string bytes(WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, fallback, nullptr), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, &bytes[0], static_cast<int>(bytes.size()), fallback, nullptr);
  return bytes;
}

}  // namespace

std::string CodePageToUtf8(unsigned codePage, std::string_view bytes) { return Narrow(CP_UTF8, Wide(codePage, bytes)); }

std::string Utf8ToCodePage(unsigned codePage, std::string_view utf8) { return Narrow(codePage, Wide(CP_UTF8, utf8)); }

}  // namespace ocilite
