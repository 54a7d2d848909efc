#include "sql/Translation.h"

namespace ocilite {

bool IsHiddenName(const std::string& upper, bool isDba) {
  return upper.compare(0, 3, "ZQ$") == 0 || (!isDba && upper.compare(0, 4, "DBA_") == 0);
}

size_t Translation::SourceOffset(size_t outputOffset) const {
  const Anchor* best = nullptr;
  for (const Anchor& anchor : anchors) {
    if (anchor.output > outputOffset) break;
    best = &anchor;
  }
  if (!best) return 0;
  size_t delta = outputOffset - best->output;
  // Inside a rewritten name or call the position is the original token's start.
  return best->source + (delta < best->sourceLength ? delta : 0);
}

}  // namespace ocilite
