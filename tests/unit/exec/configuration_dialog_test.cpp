// The Configuration dialog in-process under Wine, against a settings file in the working folder.
#include <gtest/gtest.h>

#include "Configuration.h"
#include "DialogScript.h"
#include "SettingsScratch.h"
#include "resource.h"

namespace {

struct Shown {
  std::string sql, plsql;
  bool autocommit, xsl, viewXml;
  bool operator==(const Shown& o) const {
    return sql == o.sql && plsql == o.plsql && autocommit == o.autocommit && xsl == o.xsl && viewXml == o.viewXml;
  }
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << "[" << s.sql << "][" << s.plsql << "] " << s.autocommit << s.xsl << s.viewXml;
}

Shown ReadDialog(HWND dialog) {
  return {ControlText(dialog, IDC_CONFIG_SQL_SEPARATOR), ControlText(dialog, IDC_CONFIG_PLSQL_SEPARATOR),
          IsChecked(dialog, IDC_CONFIG_AUTOCOMMIT), IsChecked(dialog, IDC_CONFIG_CREATE_XSL),
          IsChecked(dialog, IDC_CONFIG_VIEW_XML)};
}

class ConfigurationDialog : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettingsFile(); }
  void TearDown() override { RemoveSettingsFile(); }

  INT_PTR Show(std::vector<DialogStep> steps) {
    ScriptedDialog<Configuration> dialog(std::move(steps));
    return dialog.DoModal();
  }
};

struct OpeningCase {
  const char* name;
  std::string stored;
  Shown shown;
};

const OpeningCase kOpenings[] = {
    {"NoFileGivesTheDefaults", "", {";", "/", true, true, true}},
    {"StoredValues", "[Zenquill]\r\nSEPARATOR=go\r\nPLSEPARATOR=//\r\nAUTOCOMMIT=0\r\nXSL=1x\r\nVIEWXML=yes\r\n",
     {"go", "//", false, true, false}},
    {"EmptyValuesStayEmpty", "[Zenquill]\r\nSEPARATOR=\r\nPLSEPARATOR=\r\nAUTOCOMMIT=\r\n", {"", "", false, true, true}},
    {"LongValueShownWhole", "[Zenquill]\r\nSEPARATOR=123456789012\r\n", {"123456789012", "/", true, true, true}},
};

class ConfigurationOpening : public ConfigurationDialog, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(ConfigurationOpening, ShowsTheStoredSettings) {
  if (!GetParam().stored.empty()) StoreSettingsFile(GetParam().stored);
  Shown shown{};
  EXPECT_EQ(IDCANCEL, Show({[&](HWND d) {
              shown = ReadDialog(d);
              Press(d, IDCANCEL);
            }}));
  EXPECT_EQ(GetParam().shown, shown);
}

INSTANTIATE_TEST_SUITE_P(Settings, ConfigurationOpening, ::testing::ValuesIn(kOpenings),
                         [](const ::testing::TestParamInfo<OpeningCase>& info) { return info.param.name; });

TEST_F(ConfigurationDialog, OkWritesEveryKeyAsEntered) {
  EXPECT_EQ(IDOK, Show({[](HWND d) {
              SetControlText(d, IDC_CONFIG_SQL_SEPARATOR, "");
              SetControlText(d, IDC_CONFIG_PLSQL_SEPARATOR, "GO");
              SetChecked(d, IDC_CONFIG_AUTOCOMMIT, false);
              SetChecked(d, IDC_CONFIG_VIEW_XML, false);
              Press(d, IDOK);
            }}));
  EXPECT_EQ("", StoredSetting("SEPARATOR"));
  EXPECT_EQ("GO", StoredSetting("PLSEPARATOR"));
  EXPECT_EQ("0", StoredSetting("AUTOCOMMIT"));
  EXPECT_EQ("1", StoredSetting("XSL"));
  EXPECT_EQ("0", StoredSetting("VIEWXML"));
}

TEST_F(ConfigurationDialog, CancelWritesNothing) {
  Show({[](HWND d) {
    SetControlText(d, IDC_CONFIG_SQL_SEPARATOR, "x");
    SetChecked(d, IDC_CONFIG_AUTOCOMMIT, false);
    Press(d, IDCANCEL);
  }});
  EXPECT_FALSE(SettingsFileExists());
}

TEST_F(ConfigurationDialog, TypingStopsAtTenCharacters) {
  LRESULT sqlLimit = 0, plsqlLimit = 0;
  Show({[&](HWND d) {
    sqlLimit = SendDlgItemMessageA(d, IDC_CONFIG_SQL_SEPARATOR, EM_GETLIMITTEXT, 0, 0);
    plsqlLimit = SendDlgItemMessageA(d, IDC_CONFIG_PLSQL_SEPARATOR, EM_GETLIMITTEXT, 0, 0);
    Press(d, IDCANCEL);
  }});
  EXPECT_EQ(10, sqlLimit);
  EXPECT_EQ(10, plsqlLimit);
}

TEST_F(ConfigurationDialog, TooLongSeparatorIsRefusedUntilShortened) {
  StoreSettingsFile("[Zenquill]\r\nPLSEPARATOR=123456789012\r\n");
  MessageBoxAnswerer answerer;
  std::string storedWhileOpen;
  bool focusOnOffender = false;
  EXPECT_EQ(IDOK, Show({[&](HWND d) {
              SetControlText(d, IDC_CONFIG_SQL_SEPARATOR, "changed");
              Press(d, IDOK);
              focusOnOffender = GetFocus() == GetDlgItem(d, IDC_CONFIG_PLSQL_SEPARATOR);
              storedWhileOpen = StoredSetting("SEPARATOR");
              SetControlText(d, IDC_CONFIG_PLSQL_SEPARATOR, "1234567890");
              Press(d, IDOK);
            }}));
  EXPECT_EQ(std::vector<std::string>{"Please enter no more than 10 characters."}, answerer.Texts());
  EXPECT_EQ("<absent>", storedWhileOpen) << "nothing is written while a value is too long";
  EXPECT_TRUE(focusOnOffender);
  EXPECT_EQ("changed", StoredSetting("SEPARATOR")) << "the dialog stayed open for a second OK";
  EXPECT_EQ("1234567890", StoredSetting("PLSEPARATOR"));
}

}  // namespace
