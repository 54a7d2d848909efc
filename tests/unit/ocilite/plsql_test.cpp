// PL/SQL units are recorded in the dictionary, never run; database links likewise.
#include "DemoSession.h"

namespace {

TEST_F(DemoSessionTest, ProcedureIsRecordedNotRun) {
  Outcome created = RunSql(scott_, "CREATE OR REPLACE PROCEDURE ZAP AS BEGIN DELETE FROM EMP; END;");
  ASSERT_EQ(DB_OK, created.result) << created.error;
  EXPECT_EQ("14", RunSql(scott_, "SELECT COUNT(*) FROM EMP").rows.at(0).at(0));
  Outcome listed = RunSql(scott_, "SELECT PROCEDURE_NAME FROM USER_PROCEDURES ORDER BY PROCEDURE_NAME");
  EXPECT_EQ((std::vector<std::string>{"RAISE_SALARY", "ZAP"}), ColumnValues(listed, "PROCEDURE_NAME"));
  EXPECT_EQ(DB_OK, RunSql(scott_, "CREATE OR REPLACE PROCEDURE ZAP AS BEGIN NULL; END;").result);
  EXPECT_EQ("ORA-00955: name is already used by an existing object",
            RunSql(scott_, "CREATE PROCEDURE ZAP AS BEGIN NULL; END;").error);
  EXPECT_EQ(DB_OK, RunSql(scott_, "DROP PROCEDURE ZAP").result);
  EXPECT_EQ("ORA-04043: object ZAP does not exist", RunSql(scott_, "DROP PROCEDURE ZAP").error);
}

TEST_F(DemoSessionTest, TriggerHeaderGoesIntoTheDictionary) {
  Outcome created = RunSql(scott_,
                           "CREATE TRIGGER DEPT_AUDIT AFTER INSERT OR DELETE ON DEPT FOR EACH ROW "
                           "WHEN (NEW.DEPTNO > 0) BEGIN NULL; END;");
  ASSERT_EQ(DB_OK, created.result) << created.error;
  Outcome trigger = RunSql(scott_,
                           "SELECT TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, TABLE_NAME, WHEN_CLAUSE, DESCRIPTION "
                           "FROM USER_TRIGGERS WHERE TRIGGER_NAME = 'DEPT_AUDIT'");
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"AFTER EACH ROW", "INSERT OR DELETE", "SCOTT", "DEPT",
                                                    "( NEW . DEPTNO > 0 )",
                                                    "DEPT_AUDIT AFTER INSERT OR DELETE ON DEPT FOR EACH ROW"}}),
            trigger.rows);
}

TEST_F(DemoSessionTest, FunctionsAndPackagesAreRecorded) {
  EXPECT_EQ(DB_OK, RunSql(scott_, "CREATE FUNCTION TWICE(N NUMBER) RETURN NUMBER IS BEGIN RETURN 2 * N; END;").result);
  EXPECT_EQ(DB_OK, RunSql(scott_, "CREATE PACKAGE TOOLS AS PROCEDURE P; END;").result);
  EXPECT_EQ(DB_OK, RunSql(scott_, "CREATE PACKAGE BODY TOOLS AS PROCEDURE P IS BEGIN NULL; END; END;").result);
  Outcome listed = RunSql(scott_, "SELECT OBJECT_NAME FROM USER_PROCEDURES ORDER BY OBJECT_NAME");
  EXPECT_EQ((std::vector<std::string>{"RAISE_SALARY", "TOOLS", "TWICE"}), ColumnValues(listed, "OBJECT_NAME"));
}

TEST_F(DemoSessionTest, MalformedUnitIsRefused) {
  Outcome outcome = RunSql(scott_, "CREATE TRIGGER T SOMETIME INSERT ON EMP BEGIN NULL; END;");
  EXPECT_EQ("ORA-00933: SQL command not properly ended", outcome.error);
  EXPECT_EQ(17, outcome.errorOffset);
}

TEST_F(DemoSessionTest, DatabaseLinksAreRecorded) {
  ASSERT_EQ(
      DB_OK,
      RunSql(scott_, "CREATE DATABASE LINK HQ.EXAMPLE.COM CONNECT TO SCOTT IDENTIFIED BY tiger USING 'HQ'").result);
  Outcome links = RunSql(scott_, "SELECT DB_LINK, USERNAME, HOST FROM USER_DB_LINKS ORDER BY DB_LINK");
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"HQ.EXAMPLE.COM", "SCOTT", "HQ"},
                                                   {"SALES.EXAMPLE.COM", "SCOTT", "SALES"}}),
            links.rows);
  EXPECT_EQ(DB_OK, RunSql(scott_, "DROP DATABASE LINK HQ.EXAMPLE.COM").result);
  EXPECT_EQ("ORA-02024: database link not found", RunSql(scott_, "DROP DATABASE LINK HQ.EXAMPLE.COM").error);
}

}  // namespace
