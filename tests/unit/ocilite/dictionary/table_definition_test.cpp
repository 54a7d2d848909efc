// Constraints read back from the CREATE TABLE text SQLite keeps: their names, types, columns
// and the index SQLite made for each key.
#include <gtest/gtest.h>

#include "dictionary/TableDefinition.h"

namespace ocilite {

namespace {

struct ConstraintCase {
  const char* name;
  const char* createSql;
  const char* json;  // ConstraintsJson's answer
};

class ConstraintsTest : public ::testing::TestWithParam<ConstraintCase> {};

TEST_P(ConstraintsTest, ReadsEveryNamedConstraint) {
  EXPECT_EQ(GetParam().json, ConstraintsJson(GetParam().createSql));
}

const ConstraintCase kConstraints[] = {
    {"column_keys",
     "CREATE TABLE T (A NUMBER CONSTRAINT T_PK PRIMARY KEY NOT NULL, B VARCHAR2(5) CHECK (length(\"B\") <= 5) "
     "CONSTRAINT T_B_UK UNIQUE)",
     "[{\"n\":\"T_PK\",\"t\":\"P\",\"c\":[\"A\"],\"r\":\"\",\"d\":\"\",\"s\":\"\",\"i\":1},"
     "{\"n\":\"T_B_UK\",\"t\":\"U\",\"c\":[\"B\"],\"r\":\"\",\"d\":\"\",\"s\":\"\",\"i\":2}]"},
    {"table_constraints",
     "CREATE TABLE T (A NUMBER, B NUMBER, CONSTRAINT T_FK FOREIGN KEY (A, B) REFERENCES P (X, Y) ON DELETE "
     "SET NULL, CONSTRAINT T_CK CHECK (A > B))",
     "[{\"n\":\"T_FK\",\"t\":\"R\",\"c\":[\"A\",\"B\"],\"r\":\"P\",\"d\":\"SET NULL\",\"s\":\"\",\"i\":0},"
     "{\"n\":\"T_CK\",\"t\":\"C\",\"c\":[],\"r\":\"\",\"d\":\"\",\"s\":\"A > B\",\"i\":0}]"},
    {"rowid_key_has_no_index",
     "CREATE TABLE T (A INTEGER CONSTRAINT T_PK PRIMARY KEY, B NUMBER CONSTRAINT T_NN NOT NULL "
     "CONSTRAINT T_UK UNIQUE)",
     "[{\"n\":\"T_PK\",\"t\":\"P\",\"c\":[\"A\"],\"r\":\"\",\"d\":\"\",\"s\":\"\",\"i\":0},"
     "{\"n\":\"T_NN\",\"t\":\"C\",\"c\":[\"B\"],\"r\":\"\",\"d\":\"\",\"s\":\"\\\"B\\\" IS NOT NULL\",\"i\":0},"
     "{\"n\":\"T_UK\",\"t\":\"U\",\"c\":[\"B\"],\"r\":\"\",\"d\":\"\",\"s\":\"\",\"i\":1}]"},
    {"not_a_table", "CREATE VIEW V AS SELECT 1 FROM DUAL", "[]"},
};

INSTANTIATE_TEST_SUITE_P(Tables, ConstraintsTest, ::testing::ValuesIn(kConstraints),
                         [](const ::testing::TestParamInfo<ConstraintCase>& info) { return info.param.name; });

TEST(TableDefinitionTest, NamesAutomaticIndexesByTheirConstraints) {
  const char* sql = "CREATE TABLE T (A NUMBER CONSTRAINT T_PK PRIMARY KEY, B NUMBER CONSTRAINT T_UK UNIQUE)";
  EXPECT_EQ("T_UK", IndexName(sql, "T", "sqlite_autoindex_T_2"));
  EXPECT_EQ("T_IX", IndexName(sql, "T", "T_IX"));
}

TEST(TableDefinitionTest, SplitsAColumnWithoutItsLimitChecks) {
  ColumnParts parts = SplitColumn({"ENAME VARCHAR2(10) CHECK (length(\"ENAME\") <= 10) DEFAULT 'X' NOT NULL", "ENAME"});
  EXPECT_EQ("VARCHAR2(10)", parts.type);
  EXPECT_EQ((std::vector<std::string>{"DEFAULT 'X'", "NOT NULL"}), parts.clauses);
}

}  // namespace

}  // namespace ocilite
