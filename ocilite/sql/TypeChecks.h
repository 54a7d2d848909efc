// Oracle's rules for values of different types that meet. A comparison converts text to the
// other side's type, but never a date to a number or back (ORA-00932); the members of a
// compound query convert nothing, so each column must be of one type group in every member
// (ORA-01790) and every member must give as many columns (ORA-01789).
#ifndef ZENQUILL_OCILITE_TYPECHECKS_H
#define ZENQUILL_OCILITE_TYPECHECKS_H

#include <cstddef>
#include <vector>

#include "oracle/OraError.h"
#include "sql/SqlAst.h"

namespace ocilite {

// False, with ORA-00932 at `offset`, when `got` cannot be compared with `expected`.
bool CheckComparable(SqlType expected, SqlType got, size_t offset, OraError& error);

// False, with ORA-01789 or ORA-01790 at `offset`, when a compound query's member gives columns
// of other types (or another number of them) than its first member. Unknown types agree with all.
bool CheckSetMember(const std::vector<SqlType>& first, const std::vector<SqlType>& member, size_t offset,
                    OraError& error);

}  // namespace ocilite

#endif
