// The document's database operations, in the texts and lists the user interface works with.
#ifndef ZENQUILL_DB_DATABASEDOCUMENT_H
#define ZENQUILL_DB_DATABASEDOCUMENT_H

#include <string>
#include <vector>

#include "DbResult.h"
#include "OciConnection.h"
#include "TransactionTracker.h"

class DatabaseDocument {
 public:
  // Constructs the OciConnection, which loads ".\oci.dll".
  DatabaseDocument() = default;

  DbResult Connect(const std::string& database, const std::string& user, const std::string& password, int loginType);
  DbResult Disconnect();
  DbResult SetManualCommit(bool manual);
  // Carriage returns reach the database as blanks, one byte for one, so the error offset
  // points at the same byte of the text the caller holds.
  DbResult Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount, int& errorOffset);
  DbResult DescribeColumns(int columnCount, std::vector<std::string>& names);
  DbResult FetchRow(int columnCount, std::vector<std::string>& values);
  // Values of the current query shown cut short so far.
  int ValuesCut() const { return connection_.ValuesCut(); }
  // The last error as one line; a fallback text when there is none to read.
  std::string GetErrorText();
  // Ends the current query before the next one would.
  DbResult CloseQuery();
  // Cancelling the running call: Break from another thread, Reset once the call returned.
  bool CanBreak() const { return connection_.CanBreak(); }
  DbResult Break() { return connection_.Break(); }
  DbResult Reset() { return connection_.Reset(); }
  // Whether the session holds changes not yet committed or rolled back; only ever under
  // manual commit. The server is asked; where it cannot answer, the statements run since
  // the last COMMIT or ROLLBACK tell. Ends the current query.
  bool HasPendingChanges();

 private:
  OciConnection connection_;
  bool manualCommit_ = false;
  TransactionTracker transaction_;
};

#endif
