// Declared column types read for the dictionary and for display sizes.
#include <gtest/gtest.h>

#include "OracleType.h"

namespace {

struct TypeCase {
  const char* declared;
  const char* name;
  int length;
  int precision;
  int scale;
  int displaySize;
};

const TypeCase kTypeCases[] = {
    {"VARCHAR2(10)", "VARCHAR2", 10, -1, -1, 10},
    {"varchar2(14)", "VARCHAR2", 14, -1, -1, 14},
    {"CHAR", "CHAR", 1, -1, -1, 1},
    {"NUMBER(7,2)", "NUMBER", 22, 7, 2, 40},
    {"NUMBER(4)", "NUMBER", 22, 4, 0, 40},
    {"NUMBER", "NUMBER", 22, -1, -1, 40},
    {"INTEGER", "INTEGER", 22, -1, -1, 40},
    {"DATE", "DATE", 7, -1, -1, 19},
    {"", "VARCHAR2", 4000, -1, -1, 4000},
    {"CLOB", "CLOB", 4000, -1, -1, 4000},
    {"NUMBER (5, 1)", "NUMBER", 22, 5, 1, 40},
};

class OracleTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(OracleTypeTest, Reads) {
  const TypeCase& c = GetParam();
  DeclaredType type = ParseDeclaredType(c.declared);
  EXPECT_EQ(c.name, type.name);
  EXPECT_EQ(c.length, type.length);
  EXPECT_EQ(c.precision, type.precision);
  EXPECT_EQ(c.scale, type.scale);
  EXPECT_EQ(c.displaySize, DisplaySize(c.declared));
}

INSTANTIATE_TEST_SUITE_P(Types, OracleTypeTest, ::testing::ValuesIn(kTypeCases));

}  // namespace
