// PIVOT and UNPIVOT as the queries they stand for. PIVOT groups by the source's other columns
// and gives each aggregate once per IN value, over only the rows with that value:
// SUM(CASE WHEN JOB = 'CLERK' THEN SAL END) AS CLERK. UNPIVOT gives one row per source row
// and IN entry, the entry's name beside its column's value (UNION ALL over the source, which a
// WITH names once), and leaves out the NULL values unless INCLUDE NULLS.
#ifndef ZENQUILL_OCILITE_SQLPIVOT_H
#define ZENQUILL_OCILITE_SQLPIVOT_H

#include <string>
#include <vector>

#include "oracle/OraError.h"
#include "sql/SqlAst.h"

namespace ocilite {

// Makes `table` (a table or subquery with its PIVOT or UNPIVOT) a subquery, over the source's
// columns in order. False with `error` for what Oracle refuses or ocilite does not run.
bool ExpandPivot(TableRef& table, const std::vector<std::string>& sourceColumns, OraError& error);

}  // namespace ocilite

#endif
