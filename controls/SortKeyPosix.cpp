#include "SortKey.h"

namespace results {

// Enough for the native tests of the order logic: ASCII letters compare without case.
void MakeSortKey(const char* text, std::string& key) {
  key.clear();
  for (const char* c = text; *c; ++c) key.push_back(*c >= 'a' && *c <= 'z' ? static_cast<char>(*c - 'a' + 'A') : *c);
}

}  // namespace results
