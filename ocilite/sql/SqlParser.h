// Reads Oracle's SELECT, INSERT (and INSERT ALL), UPDATE, DELETE, MERGE and TRUNCATE into a
// tree (SqlAst.h). Fails with the error Oracle gives for the same text (ORA-00936 missing
// expression, ORA-00923 FROM keyword not found, ...), its offset in the text, and with
// ORA-03001 naming the construct for what Oracle knows and this library does not run
// (PIVOT, FOR UPDATE, GROUPING SETS, ...).
#ifndef ZENQUILL_OCILITE_SQLPARSER_H
#define ZENQUILL_OCILITE_SQLPARSER_H

#include "oracle/OraError.h"
#include "sql/SqlAst.h"
#include "sql/SqlLexer.h"

namespace ocilite {

bool ParseDml(const LexedText& lexed, DmlStatement& statement, OraError& error);

// Only a query (for CREATE VIEW ... AS and the like), from byte `from` of the text to `end`.
bool ParseQueryAt(const LexedText& lexed, size_t from, size_t end, QueryPtr& query, OraError& error);

}  // namespace ocilite

#endif
