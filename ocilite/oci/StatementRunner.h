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
#include "oci/StatementKind.h"
#include "oracle/OraError.h"
#include "sql/SqlLexer.h"

namespace ocilite {

struct Execution {
  uint32_t rowCount = 0;
  std::unique_ptr<Cursor> cursor;  // set for a query
};

// A prepared statement: its text, the tokens it was cut into and what it is, all read once.
struct PreparedStatement {
  PreparedStatement() = default;
  PreparedStatement(const PreparedStatement&) = delete;  // the tokens point into `text`
  PreparedStatement& operator=(const PreparedStatement&) = delete;

  std::string text;
  LexedText lexed;
  StatementKind kind{0, Route::Invalid};

  void Prepare(std::string statementText);
};

struct ExecuteRequest {
  const PreparedStatement& statement;
  bool commit;          // OCI_COMMIT_ON_SUCCESS
  uint32_t iterations;  // 0 is allowed for queries only
};

// OCI_SUCCESS or OCI_ERROR (with `error`, its offset into the text).
int RunStatement(const std::shared_ptr<Session>& session, const ExecuteRequest& request, Execution& result,
                 OraError& error);

}  // namespace ocilite

#endif
