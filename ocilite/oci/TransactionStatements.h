// COMMIT, ROLLBACK [TO [SAVEPOINT] name] and SAVEPOINT name, run on the session's transaction.
#ifndef ZENQUILL_OCILITE_TRANSACTIONSTATEMENTS_H
#define ZENQUILL_OCILITE_TRANSACTIONSTATEMENTS_H

#include <vector>

#include "oci/Session.h"
#include "oci/StatementKind.h"
#include "oracle/OraError.h"
#include "sql/SqlLexer.h"

namespace ocilite {

bool RunTransactionStatement(Session& session, Route route, const std::vector<Token>& significant, OraError& error);

}  // namespace ocilite

#endif
