// Reads an Oracle column type as it was declared ("VARCHAR2(10)", "NUMBER(7,2)", "DATE")
// for the dictionary's DATA_TYPE, DATA_LENGTH, ... and for the display sizes of query columns.
#ifndef ZENQUILL_OCILITE_ORACLETYPE_H
#define ZENQUILL_OCILITE_ORACLETYPE_H

#include <string>
#include <string_view>

struct DeclaredType {
  std::string name;     // upper case; VARCHAR2 for an expression without a type
  int length = 0;       // bytes Oracle keeps for it
  int precision = -1;   // -1: none
  int scale = -1;
};

DeclaredType ParseDeclaredType(std::string_view declared);

// Bytes that the value of a column of this type takes as text, at most.
int DisplaySize(std::string_view declared);

#endif
