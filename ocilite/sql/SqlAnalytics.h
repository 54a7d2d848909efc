// What the checks know of the aggregate, analytic and numeric functions beyond the everyday
// ones, and the rewrite of nested aggregates (MAX(SUM(SAL)) ... GROUP BY DEPTNO) into an
// aggregate over the grouped rows.
#ifndef ZENQUILL_OCILITE_SQLANALYTICS_H
#define ZENQUILL_OCILITE_SQLANALYTICS_H

#include <string>

#include "sql/SqlAst.h"

namespace ocilite {

// COUNT, SUM, ..., STDDEV_POP, MEDIAN: a function that aggregates its group's rows.
bool IsAggregateName(const std::string& name);

// The type of what a function gives, for those beyond the everyday ones (LN, VAR_POP,
// REGEXP_COUNT, an INTERVAL literal's call, ...); Unknown for the rest.
SqlType KnownType(const std::string& name);

// A core whose select list nests aggregates becomes one over its own grouped rows: the inner
// aggregates (and GROUP BY expressions under an outer one) are the columns of a subquery that
// groups as the core did. False when the core nests none.
bool SplitNestedAggregates(SelectCore& core);

}  // namespace ocilite

#endif
