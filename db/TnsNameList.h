// The database aliases the Oracle client knows: read from the tnsnames.ora it would use.
// Built when the connect dialog opens.
#ifndef ZENQUILL_DB_TNSNAMELIST_H
#define ZENQUILL_DB_TNSNAMELIST_H

#include <string>
#include <vector>

#include "TnsNamesSearch.h"

class TnsNameList {
 public:
  // Does the whole discovery; never fails, at worst the list is empty.
  TnsNameList();
  // In the order their entries end in the file; duplicates kept.
  const std::vector<std::string>& Names() const { return names_; }

 private:
  std::vector<std::string> names_;
};

#endif
