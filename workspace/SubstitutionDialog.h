// The ask for a substitution variable's value (template 150): the prompt, one edit box
// (a password box for ACCEPT ... HIDE) holding the default, OK and Cancel.
#ifndef ZENQUILL_WORKSPACE_SUBSTITUTIONDIALOG_H
#define ZENQUILL_WORKSPACE_SUBSTITUTIONDIALOG_H

#include <string>

#include "Dialog.h"
#include "Substitution.h"

class SubstitutionDialog : public fw::Dialog {
 public:
  explicit SubstitutionDialog(const SubstitutionAsk& ask);

  std::string value;  // what the user confirmed; read after OK

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  int ValueBox() const;

  std::string prompt_;
  bool hidden_;
};

#endif
