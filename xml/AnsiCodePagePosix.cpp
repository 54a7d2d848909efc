#include "AnsiCodePage.h"

#include <algorithm>
#include <iterator>

namespace xml {
namespace {

// Windows-1252 bytes 0x80-0x9F; the five it leaves undefined map to the C1 control of the
// same value, as the Windows conversion does. Every other byte is its own code point.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string wide(text.size(), u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    wide[i] = (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t(byte);
  }
  return wide;
}

std::string Utf16ToAnsi(std::u16string_view text, std::size_t& unmappable) {
  unmappable = 0;
  std::string ansi;
  for (const char16_t unit : text) {
    const char16_t* high = std::find(std::begin(kHighControls), std::end(kHighControls), unit);
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      ansi += static_cast<char>(unit);
    } else if (high != std::end(kHighControls)) {
      ansi += static_cast<char>(0x80 + (high - kHighControls));
    } else {
      ansi += '?';
      ++unmappable;
    }
  }
  return ansi;
}

std::size_t AnsiCharLength(std::string_view) { return 1; }

}  // namespace xml
