// SQLite text made from Oracle text, with anchors back into the original, so that SQLite's
// error positions point into what the user wrote.
#ifndef ZENQUILL_OCILITE_TRANSLATION_H
#define ZENQUILL_OCILITE_TRANSLATION_H

#include <cstddef>
#include <string>
#include <vector>

namespace ocilite {

struct Translation {
  struct Anchor {
    size_t output;
    size_t source;
    size_t sourceLength;
  };
  std::string sql;
  std::vector<Anchor> anchors;
  // For text of several statements: whether each one's changed rows count towards the
  // statement's row count. Empty: only the last one's do.
  std::vector<bool> counted;

  // The byte of the original text that `outputOffset` of the rewritten text came from.
  size_t SourceOffset(size_t outputOffset) const;
};

// Whether a name is kept from users: our bookkeeping tables, and DBA_ views for all but a DBA.
bool IsHiddenName(const std::string& upperName, bool isDba);

}  // namespace ocilite

#endif
