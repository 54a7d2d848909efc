// Oracle's character sets as a client meets them: name, id, bytes per character and the
// Windows code page that holds the same characters.
#ifndef ZENQUILL_DB_ORACLECHARSETS_H
#define ZENQUILL_DB_ORACLECHARSETS_H

#include <cstdint>
#include <string>

enum class CharsetKind { Ascii, CodePage, Utf8 };

struct OracleCharset {
  const char* name;
  uint16_t id;
  int maxBytes;
  CharsetKind kind;
  unsigned codePage;     // for kind CodePage
  bool ansiCodePageSet;  // the set Oracle names for a Windows ANSI code page of this number
};

// Null for a name or id Oracle's list has that this table does not. Names in any case.
const OracleCharset* FindCharsetByName(const std::string& name);
const OracleCharset* FindCharsetById(uint16_t id);

// The set that corresponds to a Windows ANSI code page, as GetACP() gives it; null for others.
const OracleCharset* CharsetForAnsiCodePage(unsigned codePage);

// What a client uses when NLS_LANG names no character set.
const OracleCharset& DefaultClientCharset();

#endif
