#include "sql/DdlHead.h"

namespace ocilite {

bool IsSqlObjectWord(const Token& object) {
  return object.IsWord("TABLE") || object.IsWord("VIEW") || object.IsWord("INDEX");
}

DdlHead ReadDdlHead(const std::vector<Token>& t) {
  // OR or REPLACE alone are passed over as well, and left for the later stages to refuse.
  static const char* const kOtherModifiers[] = {"BITMAP", "FORCE",     "NOFORCE", "EDITIONABLE", "NONEDITIONABLE",
                                                "GLOBAL", "TEMPORARY", "TEMP",    "OR",          "REPLACE"};
  DdlHead head;
  size_t i = 1;
  for (bool read = true; read && i < t.size();) {
    read = true;
    if (t[i].IsWord("OR") && i + 1 < t.size() && t[i + 1].IsWord("REPLACE")) {
      head.orReplace = true;
      i += 2;
    } else if (t[i].IsWord("GLOBAL") && i + 1 < t.size() && t[i + 1].IsWord("TEMPORARY")) {
      head.globalAt = i;
      i += 2;
    } else if (t[i].IsWord("PUBLIC") || t[i].IsWord("UNIQUE")) {
      (t[i].IsWord("PUBLIC") ? head.isPublic : head.unique) = true;
      ++i;
    } else {
      read = false;
      for (const char* modifier : kOtherModifiers) read = read || t[i].IsWord(modifier);
      head.otherModifiers = head.otherModifiers || read;
      if (read) ++i;
    }
  }
  head.objectAt = i;
  return head;
}

}  // namespace ocilite
