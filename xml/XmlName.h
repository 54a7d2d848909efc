// Element names made from column headings, shared by the data file and its stylesheet.
#ifndef ZENQUILL_XML_XMLNAME_H
#define ZENQUILL_XML_XMLNAME_H

#include <string>
#include <vector>

// The heading with every character that may not stand in an element name replaced by "_",
// and a "_" put in front when the name would start with a digit, "." or "-" or be empty.
// Works character by character in the ANSI code page (a double-byte character is kept or
// replaced whole).
std::string MakeElementName(const std::string& heading);

// One element name per heading, unique within a file: each heading made a name as above,
// and a name an earlier column already holds followed by "_2", "_3", ..., the first that no
// column's name holds (compared exactly). A heading whose name is unique keeps it.
std::vector<std::string> MakeUniqueElementNames(const std::vector<std::string>& headings);

namespace xml {

// The characters an element name keeps are those that both editions of XML 1.0 and the
// XPath parsers of today's XSLT processors accept, without ":" (a namespace prefix
// separator): ASCII letters, digits, "_", "-", ".", and the letters of the ANSI code pages.
bool IsNameStartChar(char32_t c);
bool IsNameChar(char32_t c);

}  // namespace xml

#endif
