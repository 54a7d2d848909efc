#include "SqlQuoting.h"

namespace {

// Byte-wise is safe in every double-byte code page: no trail byte is a quote character.
std::string DoubleEvery(const std::string& text, char quote) {
  std::string doubled;
  doubled.reserve(text.size());
  for (char c : text) {
    doubled += c;
    if (c == quote) doubled += c;
  }
  return doubled;
}

}  // namespace

std::string LiteralContent(const std::string& text) { return DoubleEvery(text, '\''); }

std::string QuotedIdentifier(const std::string& name) { return '"' + DoubleEvery(name, '"') + '"'; }
