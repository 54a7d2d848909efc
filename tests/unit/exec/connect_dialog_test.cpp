// The Connect dialog in-process under Wine: the settings file in the working folder, the
// aliases from a tnsnames.ora that this test registers as the Oracle home's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ConnectDialog.h"
#include "DialogScript.h"
#include "SettingsScratch.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const char kOracleKey[] = "SOFTWARE\\ORACLE";

bool OracleRegistered() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOracleKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

Texts ComboList(HWND dialog) {
  Texts items;
  HWND combo = GetDlgItem(dialog, IDC_CONNECT_DATABASE);
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

int CheckedLoginButton(HWND dialog) {
  for (int id : {IDC_LOGIN_NORMAL, IDC_LOGIN_SYSOPER, IDC_LOGIN_SYSDBA})
    if (IsChecked(dialog, id)) return id;
  return 0;
}

// What the dialog shows when it opens.
struct Opened {
  std::string database;
  int selected;
  std::string user, password;
  int loginButton;
};

Opened ReadOpened(HWND d) {
  return {ControlText(d, IDC_CONNECT_DATABASE),
          static_cast<int>(SendDlgItemMessageA(d, IDC_CONNECT_DATABASE, CB_GETCURSEL, 0, 0)),
          ControlText(d, IDC_CONNECT_USER), ControlText(d, IDC_CONNECT_PASSWORD), CheckedLoginButton(d)};
}

class ConnectDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OracleRegistered()) GTEST_SKIP() << "an Oracle client is registered here";
    RemoveSettingsFile();
    home = fs::current_path() / "connect-home";
    fs::create_directories(home / "network" / "admin");
    std::ofstream(home / "network" / "admin" / "tnsnames.ora", std::ios::binary)
        << "ORCL2 = (DESCRIPTION = (ADDRESS = (HOST = b)))\r\n"
           "# comment (\r\n"
           "ORCL =\r\n  (DESCRIPTION =\r\n    (ADDRESS = (HOST = a))\r\n  )\r\n"
           "demo = (x)\r\n";
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kOracleKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const std::string value = home.string();
    RegSetValueExA(key, "ORACLE_HOME", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
  void TearDown() override {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kOracleKey);
    fs::remove_all(home);
    RemoveSettingsFile();
  }

  fs::path home;
};

TEST_F(ConnectDialogTest, OffersTheAliasesSortedWithoutRegardToCase) {
  Texts aliases;
  ScriptedDialog<ConnectDialog> dialog({[&](HWND d) {
    aliases = ComboList(d);
    Press(d, IDCANCEL);
  }});
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_EQ((Texts{"demo", "ORCL", "ORCL2"}), aliases);
}

struct OpeningCase {
  const char* name;
  std::string stored;
  std::string database;
  int selected;
  std::string user;
  int loginButton;
};

const OpeningCase kOpenings[] = {
    {"NothingStoredSelectsTheFirstAlias", "", "demo", 0, "", IDC_LOGIN_NORMAL},
    {"LowerCaseSelectsTheFirstAliasStartingWithIt", "DATABASE=orcl\r\nUSER=scott\r\nMODE=2\r\n", "ORCL", 1, "scott",
     IDC_LOGIN_SYSDBA},
    {"PrefixSelects", "DATABASE=ORCL2\r\nMODE=1\r\n", "ORCL2", 2, "", IDC_LOGIN_SYSOPER},
    {"UnknownAliasShownAsTyped", "DATABASE=elsewhere\r\nMODE=01\r\n", "elsewhere", -1, "", IDC_LOGIN_NORMAL},
    {"OddModeIsNormal", "DATABASE=DEM\r\nMODE=3\r\n", "demo", 0, "", IDC_LOGIN_NORMAL},
};

class ConnectOpening : public ConnectDialogTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(ConnectOpening, ShowsTheRememberedValuesAndAnEmptyPassword) {
  const OpeningCase& c = GetParam();
  if (!c.stored.empty()) StoreSettingsFile("[Zenquill]\r\n" + c.stored);
  Opened opened{};
  ScriptedDialog<ConnectDialog> dialog({[&](HWND d) {
    opened = ReadOpened(d);
    Press(d, IDCANCEL);
  }});
  dialog.password = "stale";
  dialog.DoModal();
  EXPECT_EQ(c.database, opened.database);
  EXPECT_EQ(c.selected, opened.selected);
  EXPECT_EQ(c.user, opened.user);
  EXPECT_EQ("", opened.password);
  EXPECT_EQ(c.loginButton, opened.loginButton);
}

INSTANTIATE_TEST_SUITE_P(Settings, ConnectOpening, ::testing::ValuesIn(kOpenings),
                         [](const ::testing::TestParamInfo<OpeningCase>& info) { return info.param.name; });

TEST_F(ConnectDialogTest, OkRemembersAliasUserAndModeButNeverThePassword) {
  StoreSettingsFile("[Zenquill]\r\nMODE=2\r\n");
  ScriptedDialog<ConnectDialog> dialog({[](HWND d) {
    SetControlText(d, IDC_CONNECT_DATABASE, "typed alias");
    SetControlText(d, IDC_CONNECT_USER, "SCOTT");
    SetControlText(d, IDC_CONNECT_PASSWORD, "tiger");
    SetChecked(d, IDC_LOGIN_NORMAL, true);
    Press(d, IDOK);
  }});
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ("typed alias", dialog.database);
  EXPECT_EQ("SCOTT", dialog.user);
  EXPECT_EQ("tiger", dialog.password);
  EXPECT_EQ(LOGIN_NORMAL, dialog.loginType);
  EXPECT_EQ("typed alias", StoredSetting("DATABASE"));
  EXPECT_EQ("SCOTT", StoredSetting("USER"));
  EXPECT_EQ("0", StoredSetting("MODE"));
  std::ifstream file("Zenquill.ini", std::ios::binary);
  const std::string contents((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(std::string::npos, contents.find("tiger"));
}

TEST_F(ConnectDialogTest, LoginTypesAreWrittenAsNumbers) {
  const struct {
    int button;
    int type;
    const char* stored;
  } types[] = {{IDC_LOGIN_SYSOPER, LOGIN_SYSOPER, "1"}, {IDC_LOGIN_SYSDBA, LOGIN_SYSDBA, "2"}, {IDC_LOGIN_NORMAL, LOGIN_NORMAL, "0"}};
  for (const auto& t : types) {
    ScriptedDialog<ConnectDialog> dialog({[&](HWND d) {
      SetChecked(d, t.button, true);
      Press(d, IDOK);
    }});
    dialog.DoModal();
    EXPECT_EQ(t.type, dialog.loginType);
    EXPECT_EQ(t.stored, StoredSetting("MODE"));
  }
}

TEST_F(ConnectDialogTest, CancelWritesNothing) {
  ScriptedDialog<ConnectDialog> dialog({[](HWND d) {
    SetControlText(d, IDC_CONNECT_USER, "SCOTT");
    Press(d, IDCANCEL);
  }});
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_FALSE(SettingsFileExists());
}

TEST_F(ConnectDialogTest, ShownAgainKeepsWhatWasConfirmedButThePassword) {
  Opened second{};
  ScriptedDialog<ConnectDialog> dialog({[](HWND d) {
                                          SetControlText(d, IDC_CONNECT_DATABASE, "orcl");
                                          SetControlText(d, IDC_CONNECT_USER, "SYSTEM");
                                          SetControlText(d, IDC_CONNECT_PASSWORD, "wrong");
                                          SetChecked(d, IDC_LOGIN_SYSDBA, true);
                                          Press(d, IDOK);
                                        },
                                        [&](HWND d) {
                                          second = ReadOpened(d);
                                          Press(d, IDCANCEL);
                                        }});
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_EQ("ORCL", second.database);
  EXPECT_EQ("SYSTEM", second.user);
  EXPECT_EQ("", second.password);
  EXPECT_EQ(IDC_LOGIN_SYSDBA, second.loginButton);
}

}  // namespace
