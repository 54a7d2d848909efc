// Seam over the platform's code page converters: between a Windows code page and UTF-8.
#ifndef ZENQUILL_OCILITE_CODEPAGES_H
#define ZENQUILL_OCILITE_CODEPAGES_H

#include <string>
#include <string_view>

namespace ocilite {

// Bytes that the code page has no character for become '?' either way. `utf8` is valid UTF-8.
std::string CodePageToUtf8(unsigned codePage, std::string_view bytes);
std::string Utf8ToCodePage(unsigned codePage, std::string_view utf8);

}  // namespace ocilite

#endif
