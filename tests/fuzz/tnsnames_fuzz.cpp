// Fuzz target for the tnsnames.ora alias reader. Besides not crashing, the names must not
// depend on how lines end or on lines the rules skip: CR LF for LF, blank lines and comment
// lines between lines give the same names; and no name holds a line feed or an "=", or
// ends in white space.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TnsNames.h"

namespace {

using Names = std::vector<std::string>;

void Fail(const char* what) {
  std::fprintf(stderr, "tnsnames property broken: %s\n", what);
  std::abort();
}

// Every line break replaced by `between` wrapped in line breaks of `lineEnd`.
std::string Rejoined(const std::string& text, const std::string& lineEnd, const std::string& between) {
  std::string out;
  for (char c : text) out += c == '\n' ? lineEnd + between : std::string(1, c);
  return out;
}

bool EndsInWhiteSpace(const std::string& name) {
  return !name.empty() && std::string(" \t\r\n\v\f").find(name.back()) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Names names = ReadTnsAliases(text);
  for (const std::string& name : names) {
    if (name.find('\n') != std::string::npos) Fail("a name holds a line feed");
    if (name.find('=') != std::string::npos) Fail("a name holds an equals sign");
    if (EndsInWhiteSpace(name)) Fail("a name ends in white space");
  }
  if (ReadTnsAliases(Rejoined(text, "\r\n", "")) != names) Fail("CR LF line ends changed the names");
  if (ReadTnsAliases(Rejoined(text, "\n", " \t\n")) != names) Fail("blank lines changed the names");
  if (ReadTnsAliases(Rejoined(text, "\n", "  # (=)\n")) != names) Fail("comment lines changed the names");
  return 0;
}
