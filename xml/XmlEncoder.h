// Text helpers shared by the XML data file and the stylesheet writers.
#ifndef ZENQUILL_XML_XMLENCODER_H
#define ZENQUILL_XML_XMLENCODER_H

#include <string>

class CXmlEncoder {
 public:
  // Replaces < & > ' " # by their numeric character references (&#60; ...); copies the rest.
  static std::string Escape(const std::string& text);

  // Converts ANSI text, up to its first zero byte, to UTF-8. Characters XML 1.0 cannot
  // carry (control characters other than tab, line feed and carriage return) become U+FFFD
  // so that the file stays well-formed.
  static std::string ToUtf8(const std::string& text);

  // True when ToUtf8 would return the text as it is (plain ASCII, nothing to replace).
  static bool IsUtf8Already(const std::string& text);
};

#endif
