#include "Configuration.h"

#include "Settings.h"
#include "ShellLinks.h"
#include "resource.h"

Configuration::Configuration() : fw::Dialog(IDD_CONFIGURATION) {}

bool Configuration::OnInitDialog() {
  sqlSeparator_ = settings::SqlSeparator();
  plsqlSeparator_ = settings::PlsqlSeparator();
  SetCheck(IDC_CONFIG_AUTOCOMMIT, settings::AutoCommit());
  SetCheck(IDC_CONFIG_CREATE_XSL, settings::ReadFlag(settings::kXsl));
  SetCheck(IDC_CONFIG_VIEW_XML, settings::ReadFlag(settings::kViewXml));
  return fw::Dialog::OnInitDialog();
}

// Loading limits what the user can type; a longer value from a hand-edited file is still
// shown whole and refused on OK.
void Configuration::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(IDC_CONFIG_SQL_SEPARATOR, sqlSeparator_);
  dx.MaxChars(IDC_CONFIG_SQL_SEPARATOR, sqlSeparator_, kMaxSeparatorLength);
  dx.Text(IDC_CONFIG_PLSQL_SEPARATOR, plsqlSeparator_);
  dx.MaxChars(IDC_CONFIG_PLSQL_SEPARATOR, plsqlSeparator_, kMaxSeparatorLength);
}

void Configuration::OnOK() {
  if (!UpdateData(true)) return;
  settings::WriteText(settings::kSeparator, sqlSeparator_);
  settings::WriteText(settings::kPlSeparator, plsqlSeparator_);
  settings::WriteFlag(settings::kAutoCommit, IsChecked(IDC_CONFIG_AUTOCOMMIT));
  settings::WriteFlag(settings::kXsl, IsChecked(IDC_CONFIG_CREATE_XSL));
  settings::WriteFlag(settings::kViewXml, IsChecked(IDC_CONFIG_VIEW_XML));
  EndDialog(IDOK);
}

bool Configuration::OnCommand(int controlId, int notifyCode) {
  if (controlId != IDC_HELP_BUTTON || notifyCode != BN_CLICKED) return false;
  OpenHelpPage();
  return true;
}

void Configuration::SetCheck(int controlId, bool on) {
  CheckDlgButton(Hwnd(), controlId, on ? BST_CHECKED : BST_UNCHECKED);
}

bool Configuration::IsChecked(int controlId) const { return IsDlgButtonChecked(Hwnd(), controlId) == BST_CHECKED; }
