// SQLite reports a broken constraint by its columns, without saying which side of a foreign
// key broke it or whether a NULL was inserted or updated; Oracle's texts name the constraint
// (SCOTT.PK_DEPT) and their codes tell the cases apart.
#ifndef ZENQUILL_OCILITE_VIOLATIONERRORS_H
#define ZENQUILL_OCILITE_VIOLATIONERRORS_H

#include <string>
#include <vector>

#include "dictionary/TableDefinition.h"
#include "oracle/OraError.h"
#include "sql/SqlLexer.h"

struct sqlite3;

namespace ocilite {

// Rewrites `error`, raised while running `text` (of OCI statement type `type`) for `user`,
// into Oracle's: the constraint named for ORA-00001, 02290, 02291 and 02292; ORA-02292 for a
// parent key a DELETE or UPDATE would orphan; ORA-01407 for an UPDATE to NULL; ORA-42399 for
// DML on a view made WITH READ ONLY.
void ExplainViolation(sqlite3* db, const std::string& user, const LexedText& text, int type, OraError& error);

// The constraints of a table in a schema (none when there is no such table).
std::vector<TableConstraint> TableConstraints(sqlite3* db, const std::string& schema, const std::string& table);

// The tables of a schema whose foreign keys reference `table`, each with one such constraint's name.
std::vector<std::pair<std::string, std::string>> ReferencingTables(sqlite3* db, const std::string& schema,
                                                                   const std::string& table);

}  // namespace ocilite

#endif
