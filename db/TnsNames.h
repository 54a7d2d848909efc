// The alias names of a tnsnames.ora file's entries, read as Oracle's client reads them.
#ifndef ZENQUILL_DB_TNSNAMES_H
#define ZENQUILL_DB_TNSNAMES_H

#include <string>
#include <vector>

class ClientMachine;

// An entry ends on the line where its parentheses balance; its names are the text before
// the entry's first "=", split at commas, white space around each removed. Blank lines and
// lines starting with "#" are skipped; an entry left unbalanced at the end is dropped. A
// line "NAME = value" without parentheses outside an entry is a parameter, no alias; an
// "IFILE = path" parameter reads that file's aliases at that point: relative to the folder
// of the file that names it, three includes deep at most, a file already being read or
// missing skipped.
std::vector<std::string> ReadTnsNamesFile(const std::string& path, const ClientMachine& files);

// The same rules over a text whose includes find no file.
std::vector<std::string> ReadTnsAliases(const std::string& fileText);

#endif
