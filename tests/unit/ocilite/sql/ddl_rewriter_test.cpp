// Oracle SQL to SQLite SQL, and error positions mapped back into the original text.
#include <gtest/gtest.h>

#include "sql/DdlRewriter.h"

namespace ocilite {

namespace {

struct TranslateCase {
  const char* name;
  const char* oracle;
  const char* sqlite;
};

const TranslateCase kTranslateCases[] = {
    {"names_to_upper_case", "select ename from emp", "SELECT ENAME FROM EMP"},
    {"strings_and_quoted_names_kept", "SELECT 'abc', \"Pay\" FROM t", "SELECT 'abc', \"Pay\" FROM T"},
    {"sysdate", "SELECT SYSDATE FROM DUAL", "SELECT ZQ_SYSDATE() FROM DUAL"},
    {"sysdate_as_default", "CREATE TABLE T (D DATE DEFAULT SYSDATE)",
     "CREATE TABLE \"SCOTT\".T (D DATE DEFAULT (ZQ_SYSDATE()))"},
    {"user", "SELECT USER FROM DUAL", "SELECT ZQ_USER() FROM DUAL"},
    {"user_as_a_column_is_kept", "SELECT T.USER FROM T", "SELECT T.USER FROM T"},
    {"user_views_are_names", "SELECT * FROM USER_TABLES", "SELECT * FROM USER_TABLES"},
    {"date_literal", "SELECT * FROM EMP WHERE HIREDATE > DATE '1981-01-01'",
     "SELECT * FROM EMP WHERE HIREDATE >  '1981-01-01'"},
    {"nextval", "SELECT emp_seq.nextval FROM DUAL", "SELECT ZQ_NEXTVAL('', 'EMP_SEQ') FROM DUAL"},
    {"owner_currval", "SELECT SCOTT.S.CURRVAL FROM DUAL", "SELECT ZQ_CURRVAL('SCOTT', 'S') FROM DUAL"},
    {"create_table_goes_to_schema", "CREATE TABLE t (a NUMBER)", "CREATE TABLE \"SCOTT\".T (A NUMBER)"},
    {"character_lengths_are_checked", "CREATE TABLE t (a VARCHAR2(10), \"b\" CHAR(2 BYTE), c NUMBER(3))",
     "CREATE TABLE \"SCOTT\".T (A VARCHAR2(10) CHECK (length(\"A\") <= 10), \"b\" CHAR(2 ) CHECK (length(\"b\") <= 2), "
     "C NUMBER(3) CHECK (round(abs(\"C\"), 0) < 1e3))"},
    {"create_table_as_select_unchanged", "CREATE TABLE t AS SELECT CAST(a AS VARCHAR2(5)) b FROM u",
     "CREATE TABLE \"SCOTT\".T AS SELECT CAST(A AS VARCHAR2(5)) B FROM U"},
    {"create_table_with_owner_kept", "CREATE TABLE hr.t (a NUMBER)", "CREATE TABLE HR.T (A NUMBER)"},
    {"quoted_table_name", "CREATE TABLE \"t\" (a NUMBER)", "CREATE TABLE \"SCOTT\".\"t\" (A NUMBER)"},
    {"global_temporary_table_goes_to_schema", "CREATE GLOBAL TEMPORARY TABLE t (a NUMBER) ON COMMIT PRESERVE ROWS",
     "CREATE   TABLE \"SCOTT\".T (A NUMBER)    "},
    {"create_unique_index", "CREATE UNIQUE INDEX ix ON t (a)", "CREATE UNIQUE INDEX \"SCOTT\".IX ON T (A)"},
    {"drop_table_options", "DROP TABLE t CASCADE CONSTRAINTS PURGE", "DROP TABLE \"SCOTT\".T   "},
    {"drop_view_if_exists", "DROP VIEW IF EXISTS v", "DROP VIEW IF EXISTS \"SCOTT\".V"},
    {"alter_table", "ALTER TABLE t ADD b NUMBER", "ALTER TABLE \"SCOTT\".T ADD B NUMBER"},
    {"create_or_replace_view", "CREATE OR REPLACE VIEW v AS SELECT 1 FROM DUAL",
     "DROP VIEW IF EXISTS \"SCOTT\".\"V\";\nCREATE   VIEW \"SCOTT\".V AS SELECT 1 FROM DUAL"},
    {"sqlite_keyword_as_column", "CREATE TABLE t (a NUMBER, deferrable NUMBER)",
     "CREATE TABLE \"SCOTT\".T (A NUMBER, \"DEFERRABLE\" NUMBER)"},
    {"comments_kept", "SELECT 1 -- one\nFROM DUAL", "SELECT 1 -- one\nFROM DUAL"},
};

class DdlRewriterTest : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(DdlRewriterTest, RewritesForSqlite) {
  Translation translation;
  OraError error;
  ASSERT_TRUE(RewriteDdl(GetParam().oracle, {"SCOTT", false}, translation, error)) << error.text;
  EXPECT_EQ(GetParam().sqlite, translation.sql);
}

INSTANTIATE_TEST_SUITE_P(Sql, DdlRewriterTest, ::testing::ValuesIn(kTranslateCases),
                         [](const ::testing::TestParamInfo<TranslateCase>& info) { return info.param.name; });

struct RefusalCase {
  const char* name;
  const char* oracle;
  bool isDba;
  int code;
  size_t offset;
};

const RefusalCase kRefusalCases[] = {
    {"semicolon", "SELECT 1 FROM DUAL;", false, 911, 18},
    {"open_string", "SELECT 'x FROM DUAL", false, 1756, 7},
    {"stray_byte", "SELECT \x01 FROM DUAL", false, 911, 7},
    {"bookkeeping_table", "SELECT * FROM ZQ$USERS", true, 942, 14},
    {"dba_view_for_a_user", "SELECT * FROM dba_tables", false, 942, 14},
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, RefusesWithOffset) {
  Translation translation;
  OraError error;
  EXPECT_FALSE(RewriteDdl(GetParam().oracle, {"SCOTT", GetParam().isDba}, translation, error));
  EXPECT_EQ(GetParam().code, error.code);
  EXPECT_EQ(GetParam().offset, error.offset);
}

INSTANTIATE_TEST_SUITE_P(Sql, RefusalTest, ::testing::ValuesIn(kRefusalCases),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(DdlRewriterTest, DbaMayNameDbaViews) {
  Translation translation;
  OraError error;
  EXPECT_TRUE(RewriteDdl("SELECT * FROM DBA_TABLES", {"SYSTEM", true}, translation, error));
}

TEST(DdlRewriterTest, OffsetsMapBackThroughRewrites) {
  Translation translation;
  OraError error;
  const std::string oracle = "select sysdate, nosuch from emp";
  ASSERT_TRUE(RewriteDdl(oracle, {"SCOTT", false}, translation, error));
  size_t rewritten = translation.sql.find("NOSUCH");
  EXPECT_EQ(oracle.find("nosuch"), translation.SourceOffset(rewritten));
  EXPECT_EQ(oracle.find("nosuch") + 2, translation.SourceOffset(rewritten + 2));
  // Anywhere inside a rewritten token points at the token's start.
  EXPECT_EQ(oracle.find("sysdate"), translation.SourceOffset(translation.sql.find("ZQ_SYSDATE") + 9));
}

TEST(DdlRewriterTest, OffsetInsideAQualifiedNamePointsAtTheName) {
  Translation translation;
  OraError error;
  ASSERT_TRUE(RewriteDdl("CREATE TABLE emp (a NUMBER)", {"SCOTT", false}, translation, error));
  EXPECT_EQ(13u, translation.SourceOffset(translation.sql.find("EMP")));
}

}  // namespace

}  // namespace ocilite
