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

class ConnectDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOracleKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      GTEST_SKIP() << "an Oracle client is registered here";
    }
    RemoveSettingsFile();
    fs::create_directories(home / "network" / "admin");
    std::ofstream(home / "network" / "admin" / "tnsnames.ora", std::ios::binary)
        << "ORCL2 = (DESCRIPTION = (ADDRESS = (HOST = b)))\r\n# (\r\nORCL =\r\n  (DESCRIPTION =\r\n  )\r\ndemo = "
           "(x)\r\n";
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

  const fs::path home = fs::current_path() / "connect-home";
};

// What the dialog shows: alias text, selected index, user, password, checked login button.
struct Shown {
  std::string database;
  LRESULT selected;
  std::string user, password;
  int loginButton;
};

Shown Read(HWND d) {
  int checked = 0;
  for (int id : {IDC_LOGIN_NORMAL, IDC_LOGIN_SYSOPER, IDC_LOGIN_SYSDBA})
    if (IsChecked(d, id)) checked = id;
  return {ControlText(d, IDC_CONNECT_DATABASE), SendDlgItemMessageA(d, IDC_CONNECT_DATABASE, CB_GETCURSEL, 0, 0),
          ControlText(d, IDC_CONNECT_USER), ControlText(d, IDC_CONNECT_PASSWORD), checked};
}

struct OpeningCase {
  const char* name;
  std::string stored;
  Shown shown;
};

const OpeningCase kOpenings[] = {
    {"NothingStoredSelectsTheFirstAlias", "", {"demo", 0, "", "", IDC_LOGIN_NORMAL}},
    {"LowerCaseSelectsTheFirstAliasStartingWithIt",
     "DATABASE=orcl\r\nUSER=scott\r\nMODE=2\r\n",
     {"ORCL", 1, "scott", "", IDC_LOGIN_SYSDBA}},
    {"WholeNameSelects", "DATABASE=ORCL2\r\nMODE=1\r\n", {"ORCL2", 2, "", "", IDC_LOGIN_SYSOPER}},
    {"PrefixSelects", "DATABASE=DEM\r\nMODE=3\r\n", {"demo", 0, "", "", IDC_LOGIN_NORMAL}},
    {"UnknownAliasShownAsTyped", "DATABASE=elsewhere\r\nMODE=01\r\n", {"elsewhere", CB_ERR, "", "", IDC_LOGIN_NORMAL}},
};

class ConnectOpening : public ConnectDialogTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(ConnectOpening, ShowsTheRememberedValuesAndAnEmptyPassword) {
  const OpeningCase& c = GetParam();
  StoreSettingsFile("[Zenquill]\r\n" + c.stored);
  Shown shown{};
  Texts aliases;
  ScriptedDialog<ConnectDialog> dialog({[&](HWND d) {
    shown = Read(d);
    for (LRESULT i = 0; i < SendDlgItemMessageA(d, IDC_CONNECT_DATABASE, CB_GETCOUNT, 0, 0); ++i) {
      char text[64] = {};
      SendDlgItemMessageA(d, IDC_CONNECT_DATABASE, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      aliases.push_back(text);
    }
    Press(d, IDCANCEL);
  }});
  dialog.password = "stale";
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_EQ((Texts{"demo", "ORCL", "ORCL2"}), aliases) << "sorted whatever the case";
  EXPECT_EQ(c.shown.database, shown.database);
  EXPECT_EQ(c.shown.selected, shown.selected);
  EXPECT_EQ(c.shown.user, shown.user);
  EXPECT_EQ("", shown.password);
  EXPECT_EQ(c.shown.loginButton, shown.loginButton);
  EXPECT_EQ("[Zenquill]\r\n" + c.stored, SettingsFileBytes()) << "Cancel writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Settings, ConnectOpening, ::testing::ValuesIn(kOpenings),
                         [](const ::testing::TestParamInfo<OpeningCase>& info) { return info.param.name; });

}  // namespace
