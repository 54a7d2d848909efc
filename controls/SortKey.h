// The sort key of a cell text: byte strings whose order (strcmp) is the order of the texts
// compared case-insensitively in the user's code page. On Windows the system's own
// (LCMapStringA with LCMAP_SORTKEY | NORM_IGNORECASE | SORT_STRINGSORT), elsewhere, for the
// native tests, the bytes with ASCII letters upper-cased.
#ifndef ZENQUILL_CONTROLS_SORTKEY_H
#define ZENQUILL_CONTROLS_SORTKEY_H

#include <string>

namespace results {

// Replaces `key` with the key of the NUL-terminated `text`; the key holds no NUL. Throws
// std::bad_alloc when memory runs out.
void MakeSortKey(const char* text, std::string& key);

}  // namespace results

#endif
