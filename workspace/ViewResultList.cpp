#include "ViewResultList.h"

#include "Resources.h"

bool ResultListWindow::AskToReadAll(const std::string& question) {
  return fw::AppMessageBox(owner_, question, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}
