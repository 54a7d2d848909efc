// What each user may see and change.
#include "DemoSession.h"

namespace {

struct PrivilegeCase {
  const char* name;
  const char* user;
  const char* password;
  const char* sql;
  const char* error;  // "" when the statement succeeds
};

const PrivilegeCase kPrivilegeCases[] = {
    {"scott_reads_own_table", "SCOTT", "tiger", "SELECT * FROM EMP", ""},
    {"scott_reads_own_table_qualified", "SCOTT", "tiger", "SELECT * FROM SCOTT.EMP", ""},
    {"scott_cannot_read_system_table", "SCOTT", "tiger", "SELECT * FROM SYSTEM.HELP",
     "ORA-00942: table or view does not exist"},
    {"scott_unqualified_other_schema", "SCOTT", "tiger", "SELECT * FROM HELP",
     "ORA-00942: table or view does not exist"},
    {"scott_cannot_write_other_schema", "SCOTT", "tiger", "DELETE FROM HR.REGIONS",
     "ORA-00942: table or view does not exist"},
    {"scott_cannot_create_in_other_schema", "SCOTT", "tiger", "CREATE TABLE HR.T (A NUMBER)",
     "ORA-01031: insufficient privileges"},
    {"scott_cannot_read_dba_views", "SCOTT", "tiger", "SELECT * FROM DBA_USERS",
     "ORA-00942: table or view does not exist"},
    {"nobody_reads_bookkeeping", "SYSTEM", "manager", "SELECT * FROM ZQ$USERS",
     "ORA-00942: table or view does not exist"},
    {"nobody_reads_quoted_bookkeeping", "SYSTEM", "manager", "SELECT * FROM \"ZQ$USERS\"",
     "ORA-00942: table or view does not exist"},
    {"nobody_writes_dual", "SYSTEM", "manager", "INSERT INTO DUAL VALUES ('Y')", "ORA-01031: insufficient privileges"},
    {"system_reads_scott", "SYSTEM", "manager", "SELECT * FROM SCOTT.EMP", ""},
    {"system_writes_scott", "SYSTEM", "manager", "UPDATE SCOTT.EMP SET SAL = SAL", ""},
    {"system_creates_in_scott", "SYSTEM", "manager", "CREATE TABLE SCOTT.T5 (A NUMBER)", ""},
    {"system_reads_dba_views", "SYSTEM", "manager", "SELECT * FROM DBA_USERS", ""},
    {"guest_cannot_create", "GUEST", "guest", "CREATE TABLE T6 (A NUMBER)", "ORA-01031: insufficient privileges"},
    {"guest_cannot_create_sequence", "GUEST", "guest", "CREATE SEQUENCE S6", "ORA-01031: insufficient privileges"},
    {"scott_cannot_create_public_synonym", "SCOTT", "tiger", "CREATE PUBLIC SYNONYM E FOR EMP",
     "ORA-01031: insufficient privileges"},
    {"no_attach", "SYSTEM", "manager", "ATTACH '/tmp/x.db' AS X", "ORA-00900: invalid SQL statement"},
    {"no_pragma", "SYSTEM", "manager", "PRAGMA writable_schema = 1", "ORA-00900: invalid SQL statement"},
    {"no_temporary_objects", "SCOTT", "tiger", "CREATE TEMP TABLE T7 (A NUMBER)", "ORA-01031: insufficient privileges"},
};

class PrivilegeTest : public DemoSessionTest, public ::testing::WithParamInterface<PrivilegeCase> {};

TEST_P(PrivilegeTest, AllowsOrRefuses) {
  const PrivilegeCase& c = GetParam();
  DatabaseDocument document;
  ConnectAs(document, c.user, c.password);
  Outcome outcome = RunSql(document, c.sql);
  EXPECT_EQ(*c.error ? DB_ERROR : DB_OK, outcome.result) << outcome.error;
  EXPECT_EQ(c.error, outcome.error);
}

INSTANTIATE_TEST_SUITE_P(Users, PrivilegeTest, ::testing::ValuesIn(kPrivilegeCases),
                         [](const ::testing::TestParamInfo<PrivilegeCase>& info) { return info.param.name; });

TEST_F(DemoSessionTest, PublicSynonymServesEveryUser) {
  DatabaseDocument system;
  ConnectAs(system, "SYSTEM", "manager");
  EXPECT_EQ("4", RunSql(system, "SELECT COUNT(*) FROM SCOTT_DEPT").rows.at(0).at(0));
}

}  // namespace
