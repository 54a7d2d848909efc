// ALTER TABLE as Oracle takes it (ADD, MODIFY and DROP of columns and constraints, RENAME
// COLUMN, RENAME TO) and DROP TABLE of a table that foreign keys reference. SQLite renames
// by itself; for the rest the table is made anew from its edited definition (TableDefinition.h),
// its rows copied and its indexes made again.
#ifndef ZENQUILL_OCILITE_ALTERTABLE_H
#define ZENQUILL_OCILITE_ALTERTABLE_H

#include <string>
#include <vector>

#include "oci/Session.h"
#include "oracle/OraError.h"
#include "sql/SqlLexer.h"

namespace ocilite {

// `t`: the significant tokens of an ALTER TABLE statement, `text` its text.
bool AlterTable(Session& session, const std::vector<Token>& t, const std::string& text, OraError& error);

// Before DROP TABLE: ORA-02449 when other tables' foreign keys reference the table, unless
// CASCADE CONSTRAINTS, which drops those foreign keys first.
bool ReleaseDroppedTable(Session& session, const std::vector<Token>& t, OraError& error);

}  // namespace ocilite

#endif
