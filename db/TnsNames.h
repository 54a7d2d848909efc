// The alias names of a tnsnames.ora file's entries, read from the file's text.
#ifndef ZENQUILL_DB_TNSNAMES_H
#define ZENQUILL_DB_TNSNAMES_H

#include <string>
#include <vector>

// An entry ends on the line where its parentheses balance; its name is the text before the
// entry's first "=", trailing white space removed. Blank lines and lines starting with "#"
// are skipped; an entry left unbalanced at the end is dropped.
std::vector<std::string> ReadTnsAliases(const std::string& fileText);

#endif
