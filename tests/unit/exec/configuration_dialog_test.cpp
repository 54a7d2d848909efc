// The Configuration dialog in-process under Wine, against a settings file in the working folder.
#include <gtest/gtest.h>

#include "Configuration.h"
#include "DialogScript.h"
#include "SettingsScratch.h"
#include "resource.h"

namespace {

// The dialog's five fields as one text: "[sql][plsql] autocommit xsl viewxml".
std::string Fields(HWND d) {
  return "[" + ControlText(d, IDC_CONFIG_SQL_SEPARATOR) + "][" + ControlText(d, IDC_CONFIG_PLSQL_SEPARATOR) + "] " +
         std::to_string(IsChecked(d, IDC_CONFIG_AUTOCOMMIT)) + std::to_string(IsChecked(d, IDC_CONFIG_CREATE_XSL)) +
         std::to_string(IsChecked(d, IDC_CONFIG_VIEW_XML));
}

class ConfigurationDialog : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettingsFile(); }
  void TearDown() override { RemoveSettingsFile(); }
};

TEST_F(ConfigurationDialog, ShowsTheStoredSettingsAndCancelWritesNothing) {
  const struct {
    const char* stored;
    const char* shown;
  } cases[] = {
      {"", "[;][/] 111"},
      {"SEPARATOR=go\r\nPLSEPARATOR=//\r\nAUTOCOMMIT=0\r\nXSL=1x\r\nVIEWXML=yes\r\n", "[go][//] 010"},
      {"SEPARATOR=\r\nPLSEPARATOR=\r\nAUTOCOMMIT=\r\n", "[][] 011"},
      {"SEPARATOR=123456789012\r\n", "[123456789012][/] 111"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    const std::string stored = std::string("[Zenquill]\r\n") + c.stored;
    StoreSettingsFile(stored);
    std::string shown;
    LRESULT limit = 0;
    ScriptedDialog<Configuration> dialog({[&](HWND d) {
      shown = Fields(d);
      limit = SendDlgItemMessageA(d, IDC_CONFIG_PLSQL_SEPARATOR, EM_GETLIMITTEXT, 0, 0);
      SetControlText(d, IDC_CONFIG_SQL_SEPARATOR, "x");
      SetChecked(d, IDC_CONFIG_AUTOCOMMIT, false);
      Press(d, IDCANCEL);
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(c.shown, shown);
    EXPECT_EQ(10, limit) << "typing stops at ten characters";
    EXPECT_EQ(stored, SettingsFileBytes());
  }
}

TEST_F(ConfigurationDialog, OkWritesEveryKeyAsEntered) {
  ScriptedDialog<Configuration> dialog({[](HWND d) {
    SetControlText(d, IDC_CONFIG_SQL_SEPARATOR, "");
    SetControlText(d, IDC_CONFIG_PLSQL_SEPARATOR, "GO");
    SetChecked(d, IDC_CONFIG_AUTOCOMMIT, false);
    SetChecked(d, IDC_CONFIG_VIEW_XML, false);
    Press(d, IDOK);
  }});
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ("[Zenquill]\r\nSEPARATOR=\r\nPLSEPARATOR=GO\r\nAUTOCOMMIT=0\r\nXSL=1\r\nVIEWXML=0\r\n",
            SettingsFileBytes());
}

TEST_F(ConfigurationDialog, TooLongSeparatorIsRefusedUntilShortened) {
  StoreSettingsFile("[Zenquill]\r\nPLSEPARATOR=123456789012\r\n");
  MessageBoxAnswerer answerer;
  bool focusOnOffender = false;
  std::string storedWhileOpen;
  ScriptedDialog<Configuration> dialog({[&](HWND d) {
    SetControlText(d, IDC_CONFIG_SQL_SEPARATOR, "changed");
    Press(d, IDOK);
    focusOnOffender = GetFocus() == GetDlgItem(d, IDC_CONFIG_PLSQL_SEPARATOR);
    storedWhileOpen = StoredSetting("SEPARATOR");
    SetControlText(d, IDC_CONFIG_PLSQL_SEPARATOR, "1234567890");
    Press(d, IDOK);
  }});
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ(std::vector<std::string>{"Please enter no more than 10 characters."}, answerer.Texts());
  EXPECT_TRUE(focusOnOffender);
  EXPECT_EQ("<absent>", storedWhileOpen) << "nothing is written while a value is too long";
  EXPECT_EQ("changed|1234567890", StoredSetting("SEPARATOR") + "|" + StoredSetting("PLSEPARATOR"));
}

}  // namespace
