// Setup > Configuration and Help Topics (F1).
#include "Configuration.h"
#include "Settings.h"
#include "ShellLinks.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

void CZenquillView::OnConfiguration() {
  if (Configuration().DoModal() == IDOK) LoadExecutionSettings();
}

void CZenquillView::OnHelp() { OpenHelpPage(); }

// Read from the file, not from the dialog: after a write that failed, what is used stays
// what the file holds.
void CZenquillView::LoadExecutionSettings() {
  sqlSeparator = settings::SqlSeparator();
  plsqlSeparator = settings::PlsqlSeparator();
  GetDocument()->SetManualCommit(!settings::AutoCommit());
}
