// Reads Oracle's SELECT, INSERT (and INSERT ALL), UPDATE, DELETE, MERGE and TRUNCATE into a
// tree (SqlAst.h). Fails with the error Oracle gives for the same text (ORA-00936 missing
// expression, ORA-00923 FROM keyword not found, ...), its offset in the text, and with
// ORA-03001 naming the construct for what Oracle knows and this library does not run
// (PIVOT, FOR UPDATE, GROUPING SETS, ...).
#ifndef ZENQUILL_OCILITE_SQLPARSER_H
#define ZENQUILL_OCILITE_SQLPARSER_H

#include <string_view>

#include "oracle/OraError.h"
#include "sql/SqlAst.h"

namespace ocilite {

bool ParseDml(std::string_view sql, DmlStatement& statement, OraError& error);

// Only a query (for CREATE VIEW ... AS and the like); `from` is where it starts in `sql`.
bool ParseQueryAt(std::string_view sql, size_t from, QueryPtr& query, OraError& error);

}  // namespace ocilite

#endif
