// Fuzz target for the script splitter: the first two bytes give the lengths (0 to 10) of the
// SQL and PL/SQL separators, whose bytes follow; the rest is the text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SplitterProperties.h"

namespace {

std::string Take(const uint8_t*& data, size_t& size, size_t wanted) {
  const size_t n = wanted < size ? wanted : size;
  std::string taken(reinterpret_cast<const char*>(data), n);
  data += n;
  size -= n;
  return taken;
}

size_t SeparatorLength(const uint8_t*& data, size_t& size) {
  if (size == 0) return 0;
  const size_t length = data[0] % 11;
  ++data;
  --size;
  return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t sqlLength = SeparatorLength(data, size);
  const size_t plsqlLength = SeparatorLength(data, size);
  const std::string sqlSeparator = Take(data, size, sqlLength);
  const std::string plsqlSeparator = Take(data, size, plsqlLength);
  const std::string text = Take(data, size, size);
  const std::string problem = CheckSplit(text, sqlSeparator, plsqlSeparator);
  if (!problem.empty()) {
    std::fprintf(stderr, "splitter property broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
