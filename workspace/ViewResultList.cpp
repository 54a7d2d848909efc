#include "ViewResultList.h"

#include "Resources.h"
#include "SubstitutionDialog.h"

bool ResultListWindow::AskToReadAll(const std::string& question) {
  return fw::AppMessageBox(owner_, question, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool ResultListWindow::AskSubstitution(const SubstitutionAsk& ask, std::string& value) {
  SubstitutionDialog dialog(ask);
  if (dialog.DoModal(owner_) != IDOK) return false;
  value = dialog.value;
  return true;
}
