#include "SubstitutionDialog.h"

#include "DataExchange.h"
#include "resource.h"

SubstitutionDialog::SubstitutionDialog(const SubstitutionAsk& ask)
    : fw::Dialog(IDD_SUBSTITUTION), value(ask.initial), prompt_(ask.prompt), hidden_(ask.hidden) {}

int SubstitutionDialog::ValueBox() const { return hidden_ ? IDC_SUBST_HIDDEN : IDC_SUBST_VALUE; }

// The box in use takes the focus with its text selected, so typing replaces a default.
bool SubstitutionDialog::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ShowWindow(Item(IDC_SUBST_VALUE), hidden_ ? SW_HIDE : SW_SHOW);
  ShowWindow(Item(IDC_SUBST_HIDDEN), hidden_ ? SW_SHOW : SW_HIDE);
  SetFocus(Item(ValueBox()));
  SendMessageA(Item(ValueBox()), EM_SETSEL, 0, -1);
  return false;
}

void SubstitutionDialog::DoDataExchange(fw::DataExchange& dx) {
  if (!dx.Saving()) dx.Text(IDC_SUBST_PROMPT, prompt_);
  dx.Text(ValueBox(), value);
}
