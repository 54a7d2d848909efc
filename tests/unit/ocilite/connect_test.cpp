// Logging in: aliases, passwords, login types, account states and their ORA texts.
#include "DemoSession.h"
#include "ScratchData.h"

namespace {

struct ConnectCase {
  const char* name;
  const char* alias;
  const char* user;
  const char* password;
  int loginType;
  DbResult expected;
  const char* error;  // GetErrorText afterwards; "" for none checked
};

const ConnectCase kConnectCases[] = {
    {"scott", "DEMO", "SCOTT", "tiger", LOGIN_NORMAL, DB_OK, ""},
    {"lower_case_alias_and_user", "demo", "scott", "tiger", LOGIN_NORMAL, DB_OK, ""},
    {"wrong_password", "DEMO", "SCOTT", "TIGER", LOGIN_NORMAL, DB_ERROR,
     "ORA-01017: invalid username/password; logon denied"},
    {"unknown_user", "DEMO", "NOBODY", "tiger", LOGIN_NORMAL, DB_ERROR,
     "ORA-01017: invalid username/password; logon denied"},
    {"blank_user_with_password", "DEMO", "", "tiger", LOGIN_NORMAL, DB_ERROR,
     "ORA-01017: invalid username/password; logon denied"},
    {"unknown_alias", "NOWHERE", "SCOTT", "tiger", LOGIN_NORMAL, DB_ERROR,
     "ORA-12154: TNS:could not resolve the connect identifier specified"},
    {"alias_with_a_path", "../DEMO", "SCOTT", "tiger", LOGIN_NORMAL, DB_ERROR,
     "ORA-12154: TNS:could not resolve the connect identifier specified"},
    {"empty_alias", "", "SCOTT", "tiger", LOGIN_NORMAL, DB_ERROR,
     "ORA-12162: TNS:net service name is incorrectly specified"},
    {"sysdba_without_privilege", "DEMO", "SCOTT", "tiger", LOGIN_SYSDBA, DB_ERROR,
     "ORA-01031: insufficient privileges"},
    {"sysoper_without_privilege", "DEMO", "SCOTT", "tiger", LOGIN_SYSOPER, DB_ERROR,
     "ORA-01031: insufficient privileges"},
    {"system_as_sysdba", "DEMO", "SYSTEM", "manager", LOGIN_SYSDBA, DB_OK, ""},
    {"system_as_sysoper", "DEMO", "SYSTEM", "manager", LOGIN_SYSOPER, DB_OK, ""},
    {"locked_account", "DEMO", "OUTLN", "outln", LOGIN_NORMAL, DB_ERROR, "ORA-28000: the account is locked"},
    {"password_expires_soon", "DEMO", "HR", "hr", LOGIN_NORMAL, DB_SUCCESS_WITH_INFO,
     "ORA-28002: the password will expire within 7 days"},
    {"external_user_has_no_password", "DEMO", "OPS$ZENQUILL", "", LOGIN_NORMAL, DB_ERROR,
     "ORA-01017: invalid username/password; logon denied"},
};

class ConnectTest : public DemoSessionTest, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(ConnectTest, AnswersAsOracleDoes) {
  const ConnectCase& c = GetParam();
  DatabaseDocument document;
  EXPECT_EQ(c.expected, document.Connect(c.alias, c.user, c.password, c.loginType));
  if (*c.error) {
    EXPECT_EQ(c.error, document.GetErrorText());
  }
}

INSTANTIATE_TEST_SUITE_P(Logins, ConnectTest, ::testing::ValuesIn(kConnectCases),
                         [](const ::testing::TestParamInfo<ConnectCase>& info) { return info.param.name; });

TEST_F(DemoSessionTest, OperatingSystemLoginUsesTheConfiguredUser) {
  SetEnvironment("OCILITE_OS_USER", "zenquill");
  DatabaseDocument document;
  ASSERT_EQ(DB_OK, document.Connect("DEMO", "", "", LOGIN_NORMAL)) << document.GetErrorText();
  EXPECT_EQ((std::vector<std::string>{"OPS$ZENQUILL"}), RunSql(document, "SELECT USER FROM DUAL").rows.at(0));
  SetEnvironment("OCILITE_OS_USER", "");
}

TEST_F(DemoSessionTest, OperatingSystemLoginWithoutAMatchingUserFails) {
  SetEnvironment("OCILITE_OS_USER", "stranger");
  DatabaseDocument document;
  EXPECT_EQ(DB_ERROR, document.Connect("DEMO", "", "", LOGIN_NORMAL));
  EXPECT_EQ("ORA-01004: default username feature not supported; logon denied", document.GetErrorText());
  SetEnvironment("OCILITE_OS_USER", "");
}

TEST_F(DemoSessionTest, ConnectingTwiceKeepsTheFirstSession) {
  EXPECT_EQ(DB_ERROR, scott_.Connect("DEMO", "SYSTEM", "manager", LOGIN_NORMAL));
  EXPECT_EQ("SCOTT", RunSql(scott_, "SELECT USER FROM DUAL").rows.at(0).at(0));
}

TEST_F(DemoSessionTest, DisconnectThenReconnect) {
  EXPECT_EQ(DB_OK, scott_.Disconnect());
  EXPECT_EQ(DB_NOT_CONNECTED, scott_.Disconnect());
  ConnectAs(scott_, "SYSTEM", "manager");
  EXPECT_EQ("SYSTEM", RunSql(scott_, "SELECT USER FROM DUAL").rows.at(0).at(0));
}

TEST_F(DemoSessionTest, AnAliasDatabaseCreatedOnceIsFoundAgain) {
  DatabaseDocument second;
  ConnectAs(second, "SCOTT", "tiger");
  EXPECT_EQ("14", RunSql(second, "SELECT COUNT(*) FROM EMP").rows.at(0).at(0));
}

}  // namespace
