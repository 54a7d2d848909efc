// Where an alias's database lives: the main file "<ALIAS>.db" (users and the dictionary)
// and one schema file "<ALIAS>.<USER>.dbs" per user, all in the data folder.
#ifndef ZENQUILL_OCILITE_DATAFILES_H
#define ZENQUILL_OCILITE_DATAFILES_H

#include <string>
#include <string_view>

#include "oracle/OraError.h"

namespace ocilite {

struct DatabaseLocation {
  std::string folder;
  std::string alias;  // upper case

  std::string MainFile() const { return folder + "/" + alias + ".db"; }
  std::string SchemaFile(const std::string& user) const { return folder + "/" + alias + "." + user + ".dbs"; }
};

// OCILITE_DATA when set, else the folder that holds this library.
std::string DataFolder();

// Names usable as file and schema names: letters, digits, _ $ # (and . - in aliases).
bool IsPlainName(std::string_view name, bool isAlias);

// Finds the alias's database, creating the demo database on its first use.
bool ResolveAlias(std::string_view alias, DatabaseLocation& location, OraError& error);

}  // namespace ocilite

#endif
