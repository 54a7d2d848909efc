#include "ConnectDialog.h"

#include "Settings.h"
#include "ShellLinks.h"
#include "TnsNameList.h"
#include "resource.h"

ConnectDialog::ConnectDialog() : fw::Dialog(IDD_CONNECT) {}

// Runs at every showing, so a dialog shown again after a failed connect offers what was
// just confirmed, with the password empty.
bool ConnectDialog::OnInitDialog() {
  database = settings::ReadText(settings::kDatabase, "");
  user = settings::ReadText(settings::kUser, "");
  password.clear();
  CheckLoginType(settings::ReadLoginType());
  AddAliases();
  return fw::Dialog::OnInitDialog();
}

void ConnectDialog::AddAliases() {
  // The combo box keeps its list sorted, whatever the order in the file.
  const TnsNameList aliases;
  for (const std::string& name : aliases.Names())
    SendMessageA(Item(IDC_CONNECT_DATABASE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void ConnectDialog::DoDataExchange(fw::DataExchange& dx) {
  if (dx.Saving()) {
    dx.Text(IDC_CONNECT_DATABASE, database);
  } else {
    ShowDatabase();
  }
  dx.Text(IDC_CONNECT_USER, user);
  dx.Text(IDC_CONNECT_PASSWORD, password);
}

// Windows matches an empty prefix with the first entry and Wine does not, so that case is
// spelled out.
void ConnectDialog::ShowDatabase() {
  HWND combo = Item(IDC_CONNECT_DATABASE);
  const LRESULT found = database.empty() ? SendMessageA(combo, CB_SETCURSEL, 0, 0)
                                         : SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                                        reinterpret_cast<LPARAM>(database.c_str()));
  if (found == CB_ERR) SetWindowTextA(combo, database.c_str());
}

void ConnectDialog::OnOK() {
  if (!UpdateData(true)) return;
  settings::WriteText(settings::kDatabase, database);
  settings::WriteText(settings::kUser, user);
  loginType = CheckedLoginType();
  settings::WriteLoginType(loginType);
  EndDialog(IDOK);
}

bool ConnectDialog::OnCommand(int controlId, int notifyCode) {
  if (controlId != IDC_HELP_BUTTON || notifyCode != BN_CLICKED) return false;
  OpenHelpPage();
  return true;
}

void ConnectDialog::CheckLoginType(int type) {
  const int button = type == LOGIN_SYSOPER  ? IDC_LOGIN_SYSOPER
                     : type == LOGIN_SYSDBA ? IDC_LOGIN_SYSDBA
                                            : IDC_LOGIN_NORMAL;
  CheckRadioButton(Hwnd(), IDC_LOGIN_NORMAL, IDC_LOGIN_SYSDBA, button);
}

int ConnectDialog::CheckedLoginType() const {
  if (IsDlgButtonChecked(Hwnd(), IDC_LOGIN_SYSOPER) == BST_CHECKED) return LOGIN_SYSOPER;
  if (IsDlgButtonChecked(Hwnd(), IDC_LOGIN_SYSDBA) == BST_CHECKED) return LOGIN_SYSDBA;
  return LOGIN_NORMAL;
}
