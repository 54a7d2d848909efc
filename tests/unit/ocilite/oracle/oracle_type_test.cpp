// Declared column types read for the dictionary and for describing query columns.
#include <gtest/gtest.h>

#include "OciApi.h"
#include "oracle/OracleType.h"

namespace ocilite {

namespace {

struct TypeCase {
  const char* declared;
  const char* name;
  int length;
  int precision;
  int scale;
  int dataType;
  int displaySize;
};

const TypeCase kTypeCases[] = {
    {"VARCHAR2(10)", "VARCHAR2", 10, -1, -1, SQLT_CHR, 10},
    {"varchar2(14)", "VARCHAR2", 14, -1, -1, SQLT_CHR, 14},
    {"CHAR", "CHAR", 1, -1, -1, SQLT_AFC, 1},
    {"NUMBER(7,2)", "NUMBER", 22, 7, 2, SQLT_NUM, 9},
    {"NUMBER(4)", "NUMBER", 22, 4, 0, SQLT_NUM, 6},
    {"NUMBER", "NUMBER", 22, -1, -1, SQLT_NUM, 22},
    {"INTEGER", "INTEGER", 22, -1, -1, SQLT_NUM, 22},
    {"DATE", "DATE", 7, -1, -1, SQLT_DAT, 9},
    {"", "VARCHAR2", 4000, -1, -1, SQLT_CHR, 4000},
    {"CLOB", "CLOB", 4000, -1, -1, SQLT_CLOB, 4000},
    {"RAW(16)", "RAW", 16, -1, -1, SQLT_BIN, 32},
    {"TIMESTAMP(6)", "TIMESTAMP", 4000, -1, -1, SQLT_TIMESTAMP, 18},
    {"NUMBER (5, 1)", "NUMBER", 22, 5, 1, SQLT_NUM, 7},
};

class OracleTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(OracleTypeTest, Reads) {
  const TypeCase& c = GetParam();
  DeclaredType type = ParseDeclaredType(c.declared);
  EXPECT_EQ(c.name, type.name);
  EXPECT_EQ(c.length, type.length);
  EXPECT_EQ(c.precision, type.precision);
  EXPECT_EQ(c.scale, type.scale);
  const OciColumnType described = DescribeForOci(c.declared);
  EXPECT_EQ(c.dataType, described.dataType);
  EXPECT_EQ(c.displaySize, described.displaySize);
}

INSTANTIATE_TEST_SUITE_P(Types, OracleTypeTest, ::testing::ValuesIn(kTypeCases));

}  // namespace

}  // namespace ocilite
