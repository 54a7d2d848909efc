// The Configuration dialog (template 141): the SQL and PL/SQL separators and the three
// on/off settings, read from the settings file when it opens and written on OK.
#ifndef ZENQUILL_SETTINGS_CONFIGURATION_H
#define ZENQUILL_SETTINGS_CONFIGURATION_H

#include <cstddef>
#include <string>

#include "Dialog.h"

class Configuration : public fw::Dialog {
 public:
  Configuration();

  // Longest separator the dialog accepts.
  static constexpr std::size_t kMaxSeparatorLength = 10;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  // Writes nothing while a separator is too long.
  void OnOK() override;
  bool OnCommand(int controlId, int notifyCode) override;

 private:
  void SetCheck(int controlId, bool on);
  bool IsChecked(int controlId) const;

  std::string sqlSeparator_;
  std::string plsqlSeparator_;
};

#endif
