// Reads an Oracle column type as it was declared ("VARCHAR2(10)", "NUMBER(7,2)", "DATE")
// for the dictionary's DATA_TYPE, DATA_LENGTH, ... and for the display sizes of query columns.
#ifndef ZENQUILL_OCILITE_ORACLETYPE_H
#define ZENQUILL_OCILITE_ORACLETYPE_H

#include <string>
#include <string_view>

namespace ocilite {

struct DeclaredType {
  std::string name;    // upper case; VARCHAR2 for an expression without a type
  int length = 0;      // bytes Oracle keeps for it
  int precision = -1;  // -1: none
  int scale = -1;
};

DeclaredType ParseDeclaredType(std::string_view declared);

// A column of this type as OCI describes it to a client, with the server's sizes. Display
// sizes follow Oracle's character rules for non-character types too, so they are small: a
// client that sizes its buffers by them would cut numbers and dates here as on a server.
struct OciColumnType {
  int dataType = 0;  // SQLT_ code
  int dataSize = 0;  // bytes on the server
  int charSize = 0;  // characters, for character types
  int precision = 0;
  int scale = 0;
  int displaySize = 0;
};

OciColumnType DescribeForOci(std::string_view declared);

}  // namespace ocilite

#endif
