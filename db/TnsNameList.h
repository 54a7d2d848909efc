// The database aliases the Oracle client knows: found through the registry's Oracle home,
// read from its tnsnames.ora. Built when the connect dialog opens.
#ifndef ZENQUILL_DB_TNSNAMELIST_H
#define ZENQUILL_DB_TNSNAMELIST_H

#include <string>
#include <vector>

// When set and not empty, this environment variable is the Oracle home and the registry is
// not read: the Windows download's demo starts the program so.
constexpr char kDemoOracleHomeVariable[] = "ZENQUILL_ORACLE_HOME";

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
