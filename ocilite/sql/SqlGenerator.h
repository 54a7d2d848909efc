// Writes a checked statement tree as SQLite SQL. Every name is quoted (some of Oracle's
// column names are keywords to SQLite), every select item carries its Oracle heading, and
// the translation keeps anchors back into the user's text for SQLite's error positions.
#ifndef ZENQUILL_OCILITE_SQLGENERATOR_H
#define ZENQUILL_OCILITE_SQLGENERATOR_H

#include "sql/SqlAst.h"
#include "sql/Translation.h"

namespace ocilite {

void GenerateStatement(const DmlStatement& statement, Translation& out);

// Appends the query's SQL to `out`.
void GenerateQuery(const Query& query, Translation& out);

}  // namespace ocilite

#endif
