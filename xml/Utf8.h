// ANSI text (the program's code page) as UTF-8, for the files other programs read.
#ifndef ZENQUILL_XML_UTF8_H
#define ZENQUILL_XML_UTF8_H

#include <string>
#include <string_view>

namespace xml {

// Appends the text converted from the ANSI code page to UTF-8. A character for which `keep`
// says false is written as U+FFFD instead; without `keep` every character stays.
void AppendAnsiAsUtf8(std::string_view ansi, std::string& out, bool (*keep)(char32_t) = nullptr);

}  // namespace xml

#endif
