// The Connect dialog (template 140): database alias (offered from tnsnames.ora), user,
// password and login type. The alias, the user and the login type are remembered in the
// settings file; the password never is.
#ifndef ZENQUILL_DB_CONNECTDIALOG_H
#define ZENQUILL_DB_CONNECTDIALOG_H

#include <string>

#include "DbResult.h"
#include "Dialog.h"

class ConnectDialog : public fw::Dialog {
 public:
  ConnectDialog();

  // What the user confirmed; read after OK.
  std::string database;
  std::string user;
  std::string password;
  int loginType = LOGIN_NORMAL;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;
  bool OnCommand(int controlId, int notifyCode) override;

 private:
  void AddAliases();
  // Selects the first alias that begins with the database text, whatever the case, or
  // shows the text as typed when none does.
  void ShowDatabase();
  void CheckLoginType(int type);
  int CheckedLoginType() const;
};

#endif
