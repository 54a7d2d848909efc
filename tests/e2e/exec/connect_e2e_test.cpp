// Connect and Disconnect through the real program against ocilite's demo database.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

const UINT kSessionCommands[] = {ID_DATABASE_DISCONNECT, ID_DATABASE_EXECUTE, ID_DATABASE_EXECUTE_STATEMENT,
                                 ID_FILE_SAVE_AS};

struct LoginCase {
  const char* name;
  const char* user;
  const char* password;
  int loginButton;
  const char* message;
  const char* mode;  // as remembered in the settings file
};

// SYSTEM may log in as SYSDBA; HR's password expires soon, which ocilite reports as a
// warning on a session that is open all the same.
const LoginCase kLogins[] = {
    {"Scott", "SCOTT", "tiger", IDC_LOGIN_NORMAL, "Connect succeeded!", "MODE=0"},
    {"SystemAsSysdba", "SYSTEM", "manager", IDC_LOGIN_SYSDBA, "Connect succeeded!", "MODE=2"},
    {"ExpiringPassword", "HR", "hr", IDC_LOGIN_NORMAL,
     "Connect succeeded! ORA-28002: the password will expire within 7 days", "MODE=0"},
};

class Logins : public ::testing::TestWithParam<LoginCase> {};

TEST_P(Logins, ConnectAndEnableTheSessionsCommands) {
  Workbench bench;
  ASSERT_TRUE(bench.Start(std::string("login-") + GetParam().name));
  EXPECT_EQ(GetParam().message, bench.AnswerConnect(GetParam().user, GetParam().password, GetParam().loginButton));
  const std::string remembered = std::string("USER=") + GetParam().user + "\r\n" + GetParam().mode;
  EXPECT_NE(std::string::npos, bench.SettingsFile().find(remembered)) << bench.SettingsFile();
  EXPECT_FALSE(bench.MenuEnabled(ID_DATABASE_CONNECT));
  for (UINT id : kSessionCommands) EXPECT_TRUE(bench.MenuEnabled(id)) << id;
  EXPECT_EQ("Rows 1", bench.Execute("SELECT USER FROM DUAL"));
  EXPECT_EQ(GetParam().user, bench.List().Cell(0, 0));
  EXPECT_TRUE(bench.Close());
}

INSTANTIATE_TEST_SUITE_P(DemoUsers, Logins, ::testing::ValuesIn(kLogins),
                         [](const ::testing::TestParamInfo<LoginCase>& info) { return info.param.name; });

TEST(Connect, RefusedLoginShowsTheErrorAndAsksAgainWithoutThePassword) {
  const struct {
    int loginButton;
    const char* password;
    const char* error;
  } refusals[] = {{IDC_LOGIN_NORMAL, "wrong", "ORA-01017: invalid username/password; logon denied"},
                  {IDC_LOGIN_SYSDBA, "tiger", "ORA-01031: insufficient privileges"}};
  Workbench bench;
  ASSERT_TRUE(bench.Start("connect-refused"));
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.error);
    EXPECT_EQ("", bench.AnswerConnect("SCOTT", refusal.password, refusal.loginButton));
    HWND box = bench.WaitForDialog();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(refusal.error, Workbench::MessageBoxText(box));
    Workbench::Answer(box, IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == refusal.error; }));
    HWND again = bench.WaitForDialog("Connect");
    ASSERT_NE(nullptr, again);
    EXPECT_EQ("DEMO|SCOTT|", e2e::GetText(GetDlgItem(again, IDC_CONNECT_DATABASE)) + "|" +
                                 e2e::GetText(GetDlgItem(again, IDC_CONNECT_USER)) + "|" +
                                 e2e::GetText(GetDlgItem(again, IDC_CONNECT_PASSWORD)));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(again, refusal.loginButton), BM_GETCHECK, 0, 0));
  }
  EXPECT_EQ("Connect succeeded!", bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL));
  const std::string settings = bench.SettingsFile();
  for (const char* line : {"DATABASE=DEMO\r\n", "USER=SCOTT\r\n", "MODE=0\r\n"})
    EXPECT_NE(std::string::npos, settings.find(line)) << settings;
  EXPECT_EQ(std::string::npos, settings.find("tiger")) << settings;
  EXPECT_TRUE(bench.Close());
}

TEST(Connect, CancelThenConnectAndDisconnect) {
  Workbench bench;
  ASSERT_TRUE(bench.Start("connect-cancel"));
  Workbench::Answer(bench.WaitForDialog("Connect"), IDCANCEL);
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == "Connect to database!"; }));
  EXPECT_TRUE(bench.MenuEnabled(ID_DATABASE_CONNECT));
  for (UINT id : kSessionCommands) EXPECT_FALSE(bench.MenuEnabled(id)) << id;

  e2e::PostCommand(bench.Main(), ID_DATABASE_CONNECT);
  ASSERT_EQ("Connect succeeded!", bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL));
  ASSERT_EQ("Rows 4", bench.Execute("SELECT * FROM DEPT"));
  EXPECT_EQ("Disconnect succeded!", bench.RunCommand(ID_DATABASE_DISCONNECT));
  EXPECT_FALSE(bench.MenuEnabled(ID_DATABASE_EXECUTE));
  EXPECT_EQ(4, bench.List().RowCount()) << "disconnecting leaves the rows";
  e2e::PostCommand(bench.Main(), ID_DATABASE_CONNECT);
  ASSERT_TRUE(bench.WaitForDialog("Connect"));
  EXPECT_TRUE(bench.List().Columns().empty()) << "Connect empties the list first";
  EXPECT_EQ("Disconnect succeded!", bench.Message());
  Workbench::Answer(bench.WaitForDialog("Connect"), IDCANCEL);
  EXPECT_TRUE(bench.Close());
}

// Closing the window with Autocommit off and a change pending asks first: Cancel keeps the
// window and the transaction, No rolls the change back and lets the program end.
TEST(Connect, ClosingWithAPendingChangeAsksFirst) {
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("connect-close", "AUTOCOMMIT=0\r\n"));
  ASSERT_EQ("Execute succeeded! Rows changed 1", bench.Execute("UPDATE DEPT SET LOC = 'MOON' WHERE DEPTNO = 10"));
  for (int answer : {IDCANCEL, IDNO}) {
    PostMessageA(bench.Main(), WM_CLOSE, 0, 0);
    HWND question = bench.WaitForDialog();
    ASSERT_NE(nullptr, question);
    EXPECT_EQ("There are uncommitted changes. Commit them before disconnecting?", Workbench::MessageBoxText(question));
    Workbench::Answer(question, answer);
    if (answer == IDCANCEL) EXPECT_EQ("Rows 1", bench.Execute("SELECT LOC FROM DEPT WHERE LOC = 'MOON'"));
  }
  EXPECT_TRUE(bench.Close());
  Workbench again;
  ASSERT_TRUE(again.StartConnected("connect-close", "", true));
  EXPECT_EQ("Rows 1", again.Execute("SELECT LOC FROM DEPT WHERE DEPTNO = 10"));
  EXPECT_EQ("NEW YORK", again.List().Cell(0, 0));
  EXPECT_TRUE(again.Close());
}

}  // namespace
}  // namespace exece2e
