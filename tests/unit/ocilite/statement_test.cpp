// Statements through the document: what Execute reports, rows as text, NULLs, names,
// truncation, parse error offsets and the Oracle SQL the library translates.
#include <regex>

#include "DemoSession.h"

namespace {

struct ExecuteCase {
  const char* name;
  const char* sql;
  int isQuery;
  int columnCount;
  int rowCount;
};

const ExecuteCase kExecuteCases[] = {
    {"select_three_columns", "SELECT EMPNO, ENAME, SAL FROM EMP", 1, 3, 0},
    {"update_five_rows", "UPDATE EMP SET SAL = SAL + 1 WHERE DEPTNO = 20", 0, 0, 5},
    {"delete_nothing", "DELETE FROM BONUS", 0, 0, 0},
    {"insert_one", "INSERT INTO BONUS VALUES ('KING', 'PRESIDENT', 5000, 0)", 0, 0, 1},
    {"insert_select", "INSERT INTO BONUS SELECT ENAME, JOB, SAL, COMM FROM EMP WHERE DEPTNO = 10", 0, 0, 3},
    {"delete_three", "DELETE FROM EMP WHERE ENAME IN ('ADAMS', 'SMITH', 'MILLER')", 0, 0, 3},
    {"create_table", "CREATE TABLE T1 (A NUMBER NOT NULL, B VARCHAR2(32))", 0, 0, 0},
    {"create_global_temporary_table", "CREATE GLOBAL TEMPORARY TABLE T9 (A NUMBER) ON COMMIT DELETE ROWS", 0, 0, 0},
    {"with_query", "WITH D AS (SELECT DEPTNO FROM DEPT) SELECT COUNT(*) FROM D", 1, 1, 0},
    {"comment_before_select", "-- Comment: select from a table\nSELECT * FROM DEPT", 1, 3, 0},
    {"null_only_block", "BEGIN NULL; NULL; END;", 0, 0, 0},
    {"alter_session", "ALTER SESSION SET NLS_DATE_FORMAT = 'YYYY-MM-DD'", 0, 0, 0},
};

class ExecuteTest : public DemoSessionTest, public ::testing::WithParamInterface<ExecuteCase> {};

TEST_P(ExecuteTest, ReportsKindColumnsAndRows) {
  const ExecuteCase& c = GetParam();
  Outcome outcome = RunSql(scott_, c.sql);
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ(c.isQuery, outcome.isQuery);
  EXPECT_EQ(c.columnCount, outcome.columnCount);
  EXPECT_EQ(c.rowCount, outcome.rowCount);
}

INSTANTIATE_TEST_SUITE_P(Statements, ExecuteTest, ::testing::ValuesIn(kExecuteCases),
                         [](const ::testing::TestParamInfo<ExecuteCase>& info) { return info.param.name; });

struct FailureCase {
  const char* name;
  const char* sql;
  const char* error;
  int offset;
};

const FailureCase kFailureCases[] = {
    {"missing_table", "SELECT ENAME FROM NOSUCH", "ORA-00942: table or view does not exist", 18},
    {"missing_column", "SELECT NOSUCHCOL FROM EMP", "ORA-00904: \"NOSUCHCOL\": invalid identifier", 7},
    {"missing_column_in_update", "UPDATE EMP SET BOGUS = 1", "ORA-00904: \"BOGUS\": invalid identifier", 15},
    {"not_a_statement", "HELLO WORLD", "ORA-00900: invalid SQL statement", 0},
    {"syntax_error", "SELECT * FROM EMP WHERE", "ORA-00936: missing expression", 23},
    {"trailing_semicolon", "SELECT * FROM DEPT;", "ORA-00911: invalid character", 18},
    {"open_quote", "SELECT 'abc FROM DUAL", "ORA-01756: quoted string not properly terminated", 7},
    {"duplicate_key", "INSERT INTO DEPT VALUES (10, 'X', 'Y')", "ORA-00001: unique constraint (SCOTT.PK_DEPT) violated",
     0},
    {"table_exists", "CREATE TABLE EMP (A NUMBER)", "ORA-00955: name is already used by an existing object", 13},
    {"plsql_is_not_run", "BEGIN UPDATE EMP SET SAL = 0; END;",
     "ORA-06550: line 1, column 1: PLS-00000: this client library records PL/SQL but does not execute it; only "
     "blocks of NULL; statements run",
     0},
    {"grant_is_not_implemented", "GRANT SELECT ON EMP TO HR", "ORA-03001: unimplemented feature: GRANT", 0},
    {"parent_key_missing", "INSERT INTO EMP (EMPNO, DEPTNO) VALUES (1, 99)",
     "ORA-02291: integrity constraint (SCOTT.FK_DEPTNO) violated - parent key not found", 0},
};

class FailureTest : public DemoSessionTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, GivesTheOracleTextAndOffset) {
  const FailureCase& c = GetParam();
  Outcome outcome = RunSql(scott_, c.sql);
  EXPECT_EQ(DB_ERROR, outcome.result);
  EXPECT_EQ(c.error, outcome.error);
  EXPECT_EQ(c.offset, outcome.errorOffset);
}

INSTANTIATE_TEST_SUITE_P(Statements, FailureTest, ::testing::ValuesIn(kFailureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(DemoSessionTest, NullIntoNotNullColumnIsRefused) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE TABLE T3 (A NUMBER NOT NULL)").result);
  EXPECT_EQ("ORA-01400: cannot insert NULL into (\"SCOTT\".\"T3\".\"A\")",
            RunSql(scott_, "INSERT INTO T3 VALUES (NULL)").error);
}

TEST_F(DemoSessionTest, TextLongerThanItsColumnIsRefused) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE TABLE T8 (NAME VARCHAR2(5))").result);
  EXPECT_EQ(DB_OK, RunSql(scott_, "INSERT INTO T8 VALUES ('ABCDE')").result);
  EXPECT_EQ("ORA-12899: value too large for column \"NAME\" (maximum: 5)",
            RunSql(scott_, "INSERT INTO T8 VALUES ('ABCDEF')").error);
  EXPECT_EQ("ORA-12899: value too large for column \"NAME\" (maximum: 5)",
            RunSql(scott_, "UPDATE T8 SET NAME = NAME || 'X'").error);
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"ABCDE"}}), RunSql(scott_, "SELECT * FROM T8").rows);
}

TEST_F(DemoSessionTest, NullBecomesTheTextNull) {
  Outcome outcome = RunSql(scott_, "SELECT ENAME, COMM FROM EMP WHERE EMPNO IN (7839, 7499) ORDER BY EMPNO");
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"ALLEN", "300"}, {"KING", "NULL"}}), outcome.rows);
}

TEST_F(DemoSessionTest, FetchesEveryRowThenNoData) {
  Outcome outcome = RunSql(scott_, "SELECT * FROM EMP");
  EXPECT_EQ(14u, outcome.rows.size());
  EXPECT_EQ(DB_NO_DATA, outcome.fetchEnd);
  EXPECT_EQ((std::vector<std::string>{"EMPNO", "ENAME", "JOB", "MGR", "HIREDATE", "SAL", "COMM", "DEPTNO"}),
            outcome.columns);
}

TEST_F(DemoSessionTest, NamesAreUpperCaseUnlessQuoted) {
  Outcome outcome =
      RunSql(scott_, "select ename, sal as \"Pay\", count(*), sal*2 doubled from emp group by ename, sal");
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ((std::vector<std::string>{"ENAME", "Pay", "COUNT(*)", "DOUBLED"}), outcome.columns);
}

TEST_F(DemoSessionTest, NumbersReadAsOracleWritesThem) {
  Outcome outcome = RunSql(scott_, "SELECT 1250.5, 0.25, -0.5, 3.0 * 2, 7 / 2 FROM DUAL");
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ((std::vector<std::string>{"1250.5", ".25", "-.5", "6", "3.5"}), outcome.rows.at(0));
}

// The demo's own tables are made by the library's DDL path: text longer than the column is
// refused, as Oracle does, and nothing of it is kept.
TEST_F(DemoSessionTest, ValueLongerThanItsColumnIsRefused) {
  Outcome insert = RunSql(scott_, "INSERT INTO BONUS (ENAME) VALUES ('ABCDEFGHIJKLMNOP')");
  EXPECT_EQ(0u, insert.error.find("ORA-12899: value too large for column")) << insert.error;
  EXPECT_EQ("0", RunSql(scott_, "SELECT COUNT(*) FROM BONUS").rows.at(0).at(0));
}

TEST_F(DemoSessionTest, DualSysdateUserAndVersion) {
  Outcome outcome = RunSql(scott_, "SELECT USER, SYSDATE, DUMMY FROM DUAL");
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ("SCOTT", outcome.rows.at(0).at(0));
  EXPECT_TRUE(std::regex_match(outcome.rows.at(0).at(1), std::regex("\\d\\d-[A-Z]{3}-\\d\\d")));
  EXPECT_EQ("X", outcome.rows.at(0).at(2));
  Outcome version = RunSql(scott_, "SELECT * FROM V$VERSION");
  ASSERT_EQ(2u, version.rows.size()) << version.error;
  EXPECT_EQ("BANNER", version.columns.at(0));
}

TEST_F(DemoSessionTest, OracleFunctionsAndDateLiterals) {
  Outcome outcome = RunSql(scott_,
                           "SELECT NVL(COMM, -1), DECODE(DEPTNO, 10, 'TEN', 20, 'TWENTY', 'OTHER'), TO_CHAR(SAL), "
                           "TO_NUMBER('42') FROM EMP WHERE HIREDATE < DATE '1981-01-01'");
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"-1", "TWENTY", "800", "42"}}), outcome.rows);
}

TEST_F(DemoSessionTest, MinusIsSetDifference) {
  Outcome outcome = RunSql(scott_, "SELECT DEPTNO FROM DEPT MINUS SELECT DEPTNO FROM EMP");
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"40"}}), outcome.rows);
}

TEST_F(DemoSessionTest, SequencesHandOutValues) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE SEQUENCE ORDER_SEQ START WITH 10 INCREMENT BY 5").result);
  EXPECT_EQ("10", RunSql(scott_, "SELECT ORDER_SEQ.NEXTVAL FROM DUAL").rows.at(0).at(0));
  EXPECT_EQ("15", RunSql(scott_, "SELECT order_seq.nextval FROM DUAL").rows.at(0).at(0));
  EXPECT_EQ("15", RunSql(scott_, "SELECT SCOTT.ORDER_SEQ.CURRVAL FROM DUAL").rows.at(0).at(0));
  ASSERT_EQ(DB_OK, RunSql(scott_, "INSERT INTO EMP (EMPNO, ENAME) VALUES (EMP_SEQ.NEXTVAL, 'NEW')").result);
  EXPECT_EQ("8000", RunSql(scott_, "SELECT MAX(EMPNO) FROM EMP").rows.at(0).at(0));
  EXPECT_EQ("ORA-02289: sequence does not exist", RunSql(scott_, "SELECT NOSEQ.NEXTVAL FROM DUAL").error);
  EXPECT_EQ(DB_OK, RunSql(scott_, "DROP SEQUENCE ORDER_SEQ").result);
  EXPECT_EQ("ORA-02289: sequence does not exist", RunSql(scott_, "DROP SEQUENCE ORDER_SEQ").error);
}

TEST_F(DemoSessionTest, CurrvalBeforeNextvalFails) {
  EXPECT_EQ("ORA-08002: sequence SCOTT.EMP_SEQ.CURRVAL is not yet defined in this session",
            RunSql(scott_, "SELECT EMP_SEQ.CURRVAL FROM DUAL").error);
}

TEST_F(DemoSessionTest, SynonymsReadTheirTargets) {
  EXPECT_EQ("14", RunSql(scott_, "SELECT COUNT(*) FROM EMPLOYEES").rows.at(0).at(0));
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE SYNONYM GRADES FOR SALGRADE").result);
  EXPECT_EQ("5", RunSql(scott_, "SELECT COUNT(*) FROM GRADES").rows.at(0).at(0));
  ASSERT_EQ(DB_OK, RunSql(scott_, "DROP SYNONYM GRADES").result);
  EXPECT_EQ("ORA-00942: table or view does not exist", RunSql(scott_, "SELECT COUNT(*) FROM GRADES").error);
}

TEST_F(DemoSessionTest, CreateOrReplaceViewReplaces) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE OR REPLACE VIEW V1 AS SELECT ENAME FROM EMP").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE OR REPLACE VIEW V1 AS SELECT DNAME, LOC FROM DEPT").result);
  EXPECT_EQ((std::vector<std::string>{"DNAME", "LOC"}), RunSql(scott_, "SELECT * FROM V1").columns);
}

TEST_F(DemoSessionTest, DropTableAcceptsOracleOptions) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE TABLE T2 (A NUMBER)").result);
  EXPECT_EQ(DB_OK, RunSql(scott_, "DROP TABLE T2 CASCADE CONSTRAINTS PURGE").result);
  EXPECT_EQ("ORA-00942: table or view does not exist", RunSql(scott_, "SELECT * FROM T2").error);
}

TEST_F(DemoSessionTest, UpdateBetweenFetchesLeavesTheQueryFetchable) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "SELECT DEPTNO FROM DEPT ORDER BY DEPTNO").result);
  // RunSql() fetched it all; start a query by hand and interleave an update.
  int isQuery = 0, columns = 0, rows = 0, offset = 0;
  ASSERT_EQ(DB_OK, scott_.Execute("SELECT DEPTNO FROM DEPT ORDER BY DEPTNO", isQuery, columns, rows, offset));
  std::vector<std::string> names, values;
  ASSERT_EQ(DB_OK, scott_.DescribeColumns(columns, names));
  ASSERT_EQ(DB_OK, scott_.FetchRow(columns, values));
  EXPECT_EQ("10", values.at(0));
  ASSERT_EQ(DB_OK, scott_.Execute("UPDATE EMP SET SAL = SAL WHERE EMPNO = 7839", isQuery, columns, rows, offset));
  ASSERT_EQ(DB_OK, scott_.FetchRow(1, values));
  EXPECT_EQ("20", values.at(0));
}

}  // namespace
