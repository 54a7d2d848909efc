#include "XmlEncoder.h"

#include "AnsiCodePage.h"

namespace {

const char* ReferenceFor(char c) {
  switch (c) {
    case '<':
      return "&#60;";
    case '&':
      return "&#38;";
    case '>':
      return "&#62;";
    case '\'':
      return "&#39;";
    case '"':
      return "&#34;";
    case '#':
      return "&#35;";
    default:
      return nullptr;
  }
}

bool IsXmlChar(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // a lone surrogate half
  return c != 0xFFFE && c != 0xFFFF;
}

void AppendUtf8(char32_t c, std::string& out) {
  if (!IsXmlChar(c)) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

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
  const std::string ansi(text.c_str());  // the conversion ends at the first zero byte
  const std::u16string wide = xml::AnsiToUtf16(ansi);
  std::string out;
  out.reserve(wide.size() * 3);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = wide[i];
    if (IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
    }
    AppendUtf8(c, out);
  }
  return out;
}
