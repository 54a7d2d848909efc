// Runs one statement in a session, the way Oracle would: queries open a cursor, DML joins
// the session's transaction (and commits when asked), DDL commits, PL/SQL units are
// recorded, COMMIT and ROLLBACK end the transaction.
#ifndef ZENQUILL_OCILITE_STATEMENTRUNNER_H
#define ZENQUILL_OCILITE_STATEMENTRUNNER_H

#include <cstdint>
#include <memory>
#include <string>

#include "oci/Cursor.h"
#include "oci/Session.h"
#include "oracle/OraError.h"

namespace ocilite {

struct Execution {
  uint32_t rowCount = 0;
  std::unique_ptr<Cursor> cursor;  // set for a query
};

struct ExecuteRequest {
  const std::string& text;
  bool commit;          // OCI_COMMIT_ON_SUCCESS
  uint32_t iterations;  // 0 is allowed for queries only
};

// OCI_SUCCESS or OCI_ERROR (with `error`, its offset into the text).
int RunStatement(const std::shared_ptr<Session>& session, const ExecuteRequest& request, Execution& result,
                 OraError& error);

}  // namespace ocilite

#endif
