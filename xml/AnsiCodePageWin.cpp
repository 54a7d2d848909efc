#include "AnsiCodePage.h"

#include <windows.h>

namespace xml {

std::u16string AnsiToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(&wide[0]), length);
  return wide;
}

std::size_t AnsiCharLength(std::string_view text) {
  return (text.size() >= 2 && IsDBCSLeadByte(static_cast<BYTE>(text[0]))) ? 2 : 1;
}

}  // namespace xml
