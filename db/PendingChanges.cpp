#include "PendingChanges.h"

const char kPendingChangesQuestion[] = "There are uncommitted changes. Commit them before disconnecting?";

bool SettlePendingChanges(DatabaseDocument& document, const std::function<PendingChoice()>& choose,
                          std::string& error) {
  error.clear();
  if (!document.HasPendingChanges()) return true;
  const PendingChoice choice = choose();
  if (choice == PendingChoice::kKeepSession) return false;
  int isQuery = 0, columnCount = 0, rowCount = 0, errorOffset = 0;
  const char* statement = choice == PendingChoice::kCommit ? "COMMIT" : "ROLLBACK";
  if (document.Execute(statement, isQuery, columnCount, rowCount, errorOffset) == DB_OK) return true;
  error = document.GetErrorText();
  return false;
}
