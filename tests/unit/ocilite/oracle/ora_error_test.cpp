// Oracle texts, and SQLite failures turned into them.
#include <gtest/gtest.h>

#include "oracle/NumberText.h"
#include "oracle/OraError.h"

namespace ocilite {

namespace {

TEST(OraErrorTest, FormatsNumberAndDetail) {
  EXPECT_EQ("ORA-00942: table or view does not exist", MakeOraError(942).text);
  EXPECT_EQ("ORA-00904: \"X\": invalid identifier", MakeOraError(904, "\"X\"").text);
  EXPECT_EQ("ORA-12154: TNS:could not resolve the connect identifier specified", MakeOraError(12154).text);
  EXPECT_EQ(17u, MakeOraError(942, "", 17).offset);
}

struct SqliteCase {
  int sqliteCode;
  const char* message;
  const char* oracle;
};

const SqliteCase kSqliteCases[] = {
    {1, "no such table: NOSUCH", "ORA-00942: table or view does not exist"},
    {1, "no such column: E.BOGUS", "ORA-00904: \"E\".\"BOGUS\": invalid identifier"},
    {1, "no such function: FOO", "ORA-00904: \"FOO\": invalid identifier"},
    {1, "table \"EMP\" already exists", "ORA-00955: name is already used by an existing object"},
    {19 | (8 << 8), "UNIQUE constraint failed: DEPT.DEPTNO", "ORA-00001: unique constraint (DEPT.DEPTNO) violated"},
    {19 | (5 << 8), "NOT NULL constraint failed: T.A", "ORA-01400: cannot insert NULL into (\"T\".\"A\")"},
    {19, "CHECK constraint failed: A > 0", "ORA-02290: check constraint (A > 0) violated"},
    {5, "database is locked", "ORA-00054: resource busy and acquire with NOWAIT specified or timeout expired"},
    {1, "near \"FROM\": syntax error", "ORA-00933: SQL command not properly ended"},
    {1, "ORA-02289: sequence does not exist", "ORA-02289: sequence does not exist"},
    {1, "something new", "ORA-00600: internal error code, arguments: [ocilite], [something new]"},
};

class SqliteErrorTest : public ::testing::TestWithParam<SqliteCase> {};

TEST_P(SqliteErrorTest, BecomesTheOracleText) {
  OraError error = OraErrorFromSqlite(GetParam().sqliteCode, GetParam().message, 3);
  EXPECT_EQ(GetParam().oracle, error.text);
  EXPECT_EQ(3u, error.offset);
}

INSTANTIATE_TEST_SUITE_P(Sqlite, SqliteErrorTest, ::testing::ValuesIn(kSqliteCases));

struct NumberCase {
  double value;
  const char* text;
};

const NumberCase kNumberCases[] = {
    {1250.5, "1250.5"}, {0.5, ".5"}, {-0.25, "-.25"}, {3.0, "3"}, {0.1 + 0.2, ".3"}, {-12.75, "-12.75"},
};

class NumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextTest, WritesAsOracle) { EXPECT_EQ(GetParam().text, OracleNumberText(GetParam().value)); }

INSTANTIATE_TEST_SUITE_P(Numbers, NumberTextTest, ::testing::ValuesIn(kNumberCases));

}  // namespace

}  // namespace ocilite
