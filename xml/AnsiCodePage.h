// Seam over the system's ANSI code page, the one encoding all of the program's text is in.
// Windows asks the system; elsewhere the code page is taken to be Windows-1252.
#ifndef ZENQUILL_XML_ANSICODEPAGE_H
#define ZENQUILL_XML_ANSICODEPAGE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace xml {

// The text as UTF-16 code units; bytes the code page leaves undefined map as the system maps them.
std::u16string AnsiToUtf16(std::string_view text);

// The text in the code page; characters it cannot hold become "?", and `unmappable` counts them.
std::string Utf16ToAnsi(std::u16string_view text, std::size_t& unmappable);

// Number of bytes (1 or 2) of the character that starts the non-empty text: 2 only for the
// lead byte of a double-byte code page, and never more than the text holds.
std::size_t AnsiCharLength(std::string_view text);

}  // namespace xml

#endif
