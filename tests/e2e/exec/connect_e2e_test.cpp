// Connect and Disconnect through the real program against ocilite's demo database.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

struct LoginCase {
  const char* name;
  const char* user;
  const char* password;
  int loginButton;
  const char* message;  // the message line afterwards
};

// Demo users: SCOTT/tiger may not log in as SYSDBA; SYSTEM/manager may; HR's password
// expires soon, which ocilite reports as a warning on a session that is open all the same.
const LoginCase kLogins[] = {
    {"Scott", "SCOTT", "tiger", IDC_LOGIN_NORMAL, "Connect succeeded!"},
    {"SystemAsSysdba", "SYSTEM", "manager", IDC_LOGIN_SYSDBA, "Connect succeeded!"},
    {"ExpiringPassword", "HR", "hr", IDC_LOGIN_NORMAL, "Connect succeeded! ORA-28002: the password will expire within 7 days"},
};

class Logins : public ::testing::TestWithParam<LoginCase> {};

TEST_P(Logins, ConnectAndEnableTheSessionsCommands) {
  Workbench bench;
  ASSERT_TRUE(bench.Start(std::string("login-") + GetParam().name));
  EXPECT_EQ(GetParam().message, bench.AnswerConnect(GetParam().user, GetParam().password, GetParam().loginButton));
  EXPECT_FALSE(bench.MenuEnabled(ID_DATABASE_CONNECT));
  for (UINT id : {ID_DATABASE_DISCONNECT, ID_DATABASE_EXECUTE, ID_FILE_SAVE_AS})
    EXPECT_TRUE(bench.MenuEnabled(id)) << id;
  EXPECT_EQ("Rows 1", bench.Execute("SELECT USER FROM DUAL"));
  EXPECT_EQ(GetParam().user, bench.List().Cell(0, 0));
  EXPECT_TRUE(bench.Close());
}

INSTANTIATE_TEST_SUITE_P(DemoUsers, Logins, ::testing::ValuesIn(kLogins),
                         [](const ::testing::TestParamInfo<LoginCase>& info) { return info.param.name; });

TEST(Connect, RefusedLoginShowsTheErrorAndAsksAgainWithoutThePassword) {
  const struct {
    const char* user;
    const char* password;
    int loginButton;
    const char* error;
  } refusals[] = {
      {"SCOTT", "wrong", IDC_LOGIN_NORMAL, "ORA-01017: invalid username/password; logon denied"},
      {"SCOTT", "tiger", IDC_LOGIN_SYSDBA, "ORA-01031: insufficient privileges"},
  };
  Workbench bench;
  ASSERT_TRUE(bench.Start("connect-refused"));
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.error);
    EXPECT_EQ("", bench.AnswerConnect(refusal.user, refusal.password, refusal.loginButton));
    HWND box = bench.WaitForMessageBox();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(refusal.error, Workbench::MessageBoxText(box));
    Workbench::ClickMessageBox(box, IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == refusal.error; }));
    HWND again = e2e::WaitForDialog("Connect", bench.ProcessId(), kPatienceMs);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ("DEMO", e2e::GetText(GetDlgItem(again, IDC_CONNECT_DATABASE)));
    EXPECT_EQ("SCOTT", e2e::GetText(GetDlgItem(again, IDC_CONNECT_USER)));
    EXPECT_EQ("", e2e::GetText(GetDlgItem(again, IDC_CONNECT_PASSWORD)));
    EXPECT_EQ(refusal.loginButton == IDC_LOGIN_SYSDBA ? BST_CHECKED : BST_UNCHECKED,
              SendMessageA(GetDlgItem(again, IDC_LOGIN_SYSDBA), BM_GETCHECK, 0, 0));
  }
  EXPECT_EQ("Connect succeeded!", bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL));
  const std::string ini = FileBytes(bench.WorkFolder() + "\\Zenquill.ini");
  EXPECT_NE(std::string::npos, ini.find("DATABASE=DEMO")) << ini;
  EXPECT_NE(std::string::npos, ini.find("USER=SCOTT")) << ini;
  EXPECT_NE(std::string::npos, ini.find("MODE=0")) << ini;
  EXPECT_EQ(std::string::npos, ini.find("tiger")) << ini;
  EXPECT_TRUE(bench.Close());
}

TEST(Connect, CancelLeavesTheWorkspaceDisconnected) {
  Workbench bench;
  ASSERT_TRUE(bench.Start("connect-cancel"));
  HWND dialog = e2e::WaitForDialog("Connect", bench.ProcessId(), kPatienceMs);
  e2e::PostClick(GetDlgItem(dialog, IDCANCEL));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == "Connect to database!"; }));
  EXPECT_TRUE(bench.MenuEnabled(ID_DATABASE_CONNECT));
  for (UINT id : {ID_DATABASE_DISCONNECT, ID_DATABASE_EXECUTE, ID_FILE_SAVE_AS})
    EXPECT_FALSE(bench.MenuEnabled(id)) << id;
  EXPECT_TRUE(bench.List().Columns().empty());
  EXPECT_TRUE(bench.Close());
}

TEST(Connect, DisconnectThenConnectAgainEmptiesTheList) {
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("connect-again"));
  ASSERT_EQ("Rows 4", bench.Execute("SELECT * FROM DEPT"));
  EXPECT_EQ("Disconnect succeded!", bench.RunCommand(ID_DATABASE_DISCONNECT));
  EXPECT_FALSE(bench.MenuEnabled(ID_DATABASE_EXECUTE));
  EXPECT_EQ(4, bench.List().RowCount()) << "disconnecting leaves the rows";
  e2e::PostCommand(bench.Main(), ID_DATABASE_CONNECT);
  EXPECT_EQ("Connect succeeded!", bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL));
  EXPECT_EQ(0, bench.List().RowCount());
  EXPECT_TRUE(bench.List().Columns().empty());
  EXPECT_TRUE(bench.Close());
}

// Closing the window runs Disconnect: the open transaction is rolled back, not left behind,
// and the program ends by itself.
TEST(Connect, ClosingWhileConnectedEndsTheSession) {
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("connect-close", "AUTOCOMMIT=0\r\n"));
  ASSERT_EQ("Execute succeeded! Rows changed 1", bench.Execute("UPDATE DEPT SET LOC = 'MOON' WHERE DEPTNO = 10"));
  EXPECT_TRUE(bench.Close());

  Workbench again;
  ASSERT_TRUE(again.StartConnected("connect-close", "", true));
  EXPECT_EQ("Rows 1", again.Execute("SELECT LOC FROM DEPT WHERE DEPTNO = 10"));
  EXPECT_EQ("NEW YORK", again.List().Cell(0, 0));
  EXPECT_TRUE(again.Close());
}

}  // namespace
}  // namespace exece2e
