#include "SortKey.h"

#include <windows.h>

namespace results {

// String sort keeps hyphens and apostrophes significant: a text comparison, not a word one.
constexpr DWORD kSortFlags = LCMAP_SORTKEY | NORM_IGNORECASE | SORT_STRINGSORT;

void MakeSortKey(const char* text, std::string& key) {
  // The key's size is asked for only when a guess of four bytes per character is short.
  key.resize(4 * std::char_traits<char>::length(text) + 16);
  int size = LCMapStringA(LOCALE_USER_DEFAULT, kSortFlags, text, -1, &key[0], static_cast<int>(key.size()));
  if (size == 0) {
    key.resize(LCMapStringA(LOCALE_USER_DEFAULT, kSortFlags, text, -1, nullptr, 0));
    size = LCMapStringA(LOCALE_USER_DEFAULT, kSortFlags, text, -1, &key[0], static_cast<int>(key.size()));
  }
  key.resize(size > 0 ? size - 1 : 0);  // the key ends in a 0 byte of its own
}

}  // namespace results
