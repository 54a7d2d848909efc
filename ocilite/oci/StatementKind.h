// What a statement is: the type the client reports (OCI_ATTR_STMT_TYPE) and which part of
// the library carries it out.
#ifndef ZENQUILL_OCILITE_STATEMENTKIND_H
#define ZENQUILL_OCILITE_STATEMENTKIND_H

#include <vector>

#include "sql/SqlLexer.h"

namespace ocilite {

enum class Route {
  Sql,  // translated and run by SQLite
  Commit,
  Rollback,  // also ROLLBACK TO a savepoint
  Savepoint,
  AlterSession,  // keeps NLS_DATE_FORMAT for the session; the other settings change nothing
  CreateUnit,    // PL/SQL unit: recorded in the dictionary, never run
  DropUnit,
  CreateSequence,
  DropSequence,
  CreateSynonym,
  DropSynonym,
  CreateDbLink,
  DropDbLink,
  AlterTable,      // made anew in SQLite where it cannot alter in place
  AnonymousBlock,  // BEGIN ... END or DECLARE ... END
  Unsupported,     // a statement Oracle knows and this library does not
  Invalid          // not an SQL statement at all
};

// TRUNCATE has no statement type of its own; it runs as DML and commits as DDL.
constexpr int kTruncateType = 0;
constexpr int kMergeType = 16;  // OCI_STMT_MERGE

// What the statement is to a transaction: a query, DML (which joins it), DDL (which commits
// it; TRUNCATE too), PL/SQL, transaction or session control, or nothing this library runs.
enum class Category { Query, Dml, Ddl, PlSql, Transaction, Session, Unknown };

struct StatementKind {
  int ociType;  // OCI_STMT_* or 0
  Route route;
  Category category = Category::Unknown;
};

StatementKind ClassifyStatement(const std::vector<Token>& significant);

// True for a block whose body is made only of NULL; statements.
bool IsNullOnlyBlock(const std::vector<Token>& significant);

}  // namespace ocilite

#endif
