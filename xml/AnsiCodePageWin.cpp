#include "AnsiCodePage.h"

#include <windows.h>

#include <algorithm>

namespace xml {

std::u16string AnsiToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(&wide[0]), length);
  return wide;
}

std::string Utf16ToAnsi(std::u16string_view text, std::size_t& unmappable) {
  unmappable = 0;
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  // A UTF-8 system code page takes neither the flag nor the default character.
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  const char* mark = "?";
  int length = WideCharToMultiByte(CP_ACP, flags, wide, size, nullptr, 0, mark, nullptr);
  if (length == 0)
    flags = 0, mark = nullptr, length = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide, size, &ansi[0], length, mark, nullptr);
  // Every "?" that was no "?" before stands for a character the code page lacks.
  const auto marks = [](auto begin, auto end, auto mark) {
    return static_cast<std::size_t>(std::count(begin, end, mark));
  };
  const std::size_t before = marks(text.begin(), text.end(), u'?');
  const std::size_t after = marks(ansi.begin(), ansi.end(), '?');
  unmappable = after > before ? after - before : 0;
  return ansi;
}

std::size_t AnsiCharLength(std::string_view text) {
  return (text.size() >= 2 && IsDBCSLeadByte(static_cast<BYTE>(text[0]))) ? 2 : 1;
}

}  // namespace xml
