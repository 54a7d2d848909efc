// SQLite reports a broken constraint without saying which side of a foreign key broke it or
// whether a NULL was inserted or updated; Oracle's codes tell these apart.
#ifndef ZENQUILL_OCILITE_VIOLATIONERRORS_H
#define ZENQUILL_OCILITE_VIOLATIONERRORS_H

#include <string>

#include "OraError.h"

struct sqlite3;

namespace ocilite {

// Rewrites `error`, raised while running `text` (of OCI statement type `type`), into the code
// Oracle gives: ORA-02292 for a parent key a DELETE or UPDATE would orphan, ORA-01407 for an
// UPDATE to NULL.
void ExplainViolation(sqlite3* db, const std::string& text, int type, OraError& error);

}  // namespace ocilite

#endif
