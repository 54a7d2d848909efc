#include "ScriptEncoding.h"

#include "AnsiCodePage.h"
#include "Utf8.h"

namespace {

const char kBom[] = "\xEF\xBB\xBF";
constexpr std::size_t kBomLength = 3;
constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The code point of the sequence at `at` and its length; length 0 when it is no valid UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8Sequence(const std::string& bytes, std::size_t at, char32_t& point) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || at + length > bytes.size() || lead > 0xF4) return 0;
  point = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[at + k]);
    if (!IsContinuation(b)) return 0;
    point = (point << 6) | (b & 0x3F);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) return 0;
  return length;
}

// False at the first byte that is no part of valid UTF-8, unless `lenient`: then that byte
// becomes U+FFFD and the rest is read on.
bool Utf8ToUtf16(const std::string& bytes, std::size_t from, bool lenient, std::u16string& wide) {
  for (std::size_t at = from; at < bytes.size();) {
    char32_t point = 0;
    const std::size_t length = Utf8Sequence(bytes, at, point);
    if (length == 0 && !lenient) return false;
    // No ANSI code page holds a character beyond the first plane: it is one "?" to come.
    wide += length == 0 || point > 0xFFFF ? kReplacement : static_cast<char16_t>(point);
    at += length == 0 ? 1 : length;
  }
  return true;
}

bool HasHighBytes(const std::string& bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

}  // namespace

DecodedScript DecodeScript(const std::string& bytes) {
  DecodedScript script;
  // A file that says it is UTF-8 is read as such, a byte that breaks it counted as a
  // character the code page lacks; without the mark only valid UTF-8 is taken for it.
  const bool bom = bytes.compare(0, kBomLength, kBom) == 0;
  std::u16string wide;
  if (!bom && (!HasHighBytes(bytes) || !Utf8ToUtf16(bytes, 0, false, wide))) {
    script.text = bytes;
    return script;
  }
  if (bom) Utf8ToUtf16(bytes, kBomLength, true, wide);
  script.encoding = bom ? ScriptEncoding::Utf8WithBom : ScriptEncoding::Utf8;
  script.text = xml::Utf16ToAnsi(wide, script.unmappable);
  return script;
}

std::string EncodeScript(const std::string& text, ScriptEncoding encoding) {
  if (encoding == ScriptEncoding::Ansi) return text;
  std::string bytes = encoding == ScriptEncoding::Utf8WithBom ? kBom : "";
  xml::AppendAnsiAsUtf8(text, bytes);
  return bytes;
}

std::string UnmappableText(std::size_t unmappable) {
  return "UTF-8 file: " + std::to_string(unmappable) + " characters the code page cannot hold became ?";
}
