#include "oci/ClientCharset.h"

#include <algorithm>

#include "ClientMachine.h"
#include "NlsLang.h"
#include "storage/CodePages.h"

namespace ocilite {

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the UTF-8 character at `at`, 0 when the bytes there are none.
size_t Utf8Length(std::string_view text, size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  const size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k)
    if (!IsContinuation(text[at + k])) return 0;
  return length;
}

// One '?' for every character that is not ASCII, and for every byte that is no UTF-8.
std::string AsciiFromUtf8(std::string_view text) {
  std::string out;
  for (size_t at = 0; at < text.size();) {
    const size_t length = std::max<size_t>(Utf8Length(text, at), 1);
    out += length == 1 && static_cast<unsigned char>(text[at]) < 0x80 ? text[at] : '?';
    at += length;
  }
  return out;
}

// Runs of UTF-8 through the code page; stray bytes stay as they are.
std::string CodePageFromUtf8(unsigned codePage, std::string_view text) {
  std::string out;
  size_t run = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t length = Utf8Length(text, at);
    if (length > 0) {
      at += length;
      continue;
    }
    out += Utf8ToCodePage(codePage, text.substr(run, at - run)) + text[at];
    run = ++at;
  }
  return out + Utf8ToCodePage(codePage, text.substr(run));
}

}  // namespace

ClientCharset ClientCharset::FromNlsLang() {
  const OracleCharset* set = FindCharsetByName(ClientCharsetName(LocalClientMachine()));
  return set ? ClientCharset(*set) : ClientCharset();
}

bool ClientCharset::ToDatabase(std::string_view text, std::string& converted) const {
  if (set_->kind == CharsetKind::Utf8 || IsAscii(text)) return false;
  if (set_->kind == CharsetKind::CodePage) {
    converted = CodePageToUtf8(set_->codePage, text);
  } else {
    converted.assign(text.begin(), text.end());
    std::replace_if(
        converted.begin(), converted.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }, '?');
  }
  return true;
}

bool ClientCharset::ToClient(std::string_view text, std::string& converted) const {
  if (set_->kind == CharsetKind::Utf8 || IsAscii(text)) return false;
  converted = set_->kind == CharsetKind::CodePage ? CodePageFromUtf8(set_->codePage, text) : AsciiFromUtf8(text);
  return true;
}

std::string ClientCharset::DatabaseText(std::string_view text) const {
  std::string converted;
  return ToDatabase(text, converted) ? converted : std::string(text);
}

std::string ClientCharset::ClientText(std::string_view text) const {
  std::string converted;
  return ToClient(text, converted) ? converted : std::string(text);
}

}  // namespace ocilite
