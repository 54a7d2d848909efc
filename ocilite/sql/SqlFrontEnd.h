// The pipeline for queries and DML, over the tokens the statement was cut into at prepare:
// parser (SqlParser.h), checks and typed rewrites over the dictionary's column types
// (SqlChecker.h), and SQLite SQL (SqlGenerator.h).
#ifndef ZENQUILL_OCILITE_SQLFRONTEND_H
#define ZENQUILL_OCILITE_SQLFRONTEND_H

#include <string>
#include <string_view>
#include <vector>

#include "oracle/OraError.h"
#include "sql/DdlRewriter.h"
#include "sql/SqlAst.h"

struct sqlite3;

namespace ocilite {

// The SQLite SQL for one Oracle SELECT, INSERT, UPDATE or DELETE, and the type of each column a
// query returns. False, with `error` set at its offset in `sql`, for what Oracle would refuse.
bool TranslateDml(sqlite3* db, const LexedText& lexed, bool isDba, Translation& out, std::vector<SqlType>& resultTypes,
                  OraError& error);

// DDL: CREATE VIEW and CREATE TABLE ... AS take their query through the same pipeline (a
// view keeps the text the user wrote for USER_VIEWS); the rest goes to RewriteDdl.
bool TranslateDdl(sqlite3* db, const LexedText& lexed, const DdlRewriteOptions& options, Translation& out,
                  OraError& error);

// Whether a view, by the SQL SQLite keeps for it, was created WITH READ ONLY.
bool IsReadOnlyView(const std::string& createSql);

// The text a view was created with, from the SQL that SQLite keeps for it.
std::string ViewQueryText(const std::string& createSql);

}  // namespace ocilite

#endif
