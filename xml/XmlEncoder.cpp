#include "XmlEncoder.h"

#include "Utf8.h"

namespace {

const char* ReferenceFor(char c) {
  switch (c) {
    case '<': return "&#60;";
    case '&': return "&#38;";
    case '>': return "&#62;";
    case '\'': return "&#39;";
    case '"': return "&#34;";
    case '#': return "&#35;";
    default: return nullptr;
  }
}

bool IsXmlChar(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // a lone surrogate half
  return c != 0xFFFE && c != 0xFFFF;
}

}  // namespace

// Byte by byte: the six characters are all below 0x40, and no double-byte code page uses
// such a byte as the second byte of a character.
std::string CXmlEncoder::Escape(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 10 + 7);
  for (const char c : text) {
    const char* reference = ReferenceFor(c);
    if (reference) {
      out += reference;
    } else {
      out += c;
    }
  }
  return out;
}

bool CXmlEncoder::IsUtf8Already(const std::string& text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || !IsXmlChar(byte)) return false;  // a zero byte ends the text: not as it is
  }
  return true;
}

std::string CXmlEncoder::ToUtf8(const std::string& text) {
  if (IsUtf8Already(text)) return text;
  std::string out;
  out.reserve(text.size() * 3);
  xml::AppendAnsiAsUtf8(text.c_str(), out, IsXmlChar);  // the conversion ends at the first zero byte
  return out;
}
