// The checks and typed rewrites between the parser and the SQL generator. Knowing each
// column's type from the dictionary, it raises what Oracle raises before running a statement
// (ORA-00937, ORA-00979, ORA-00942 for hidden names) and rewrites what SQLite would answer
// differently: NUMBER division, date arithmetic and implicit conversions, '' as NULL,
// || over NULLs, Oracle's NULL ordering, single-row subqueries and the functions whose
// meaning depends on their argument's type (TO_CHAR, TRUNC, ROUND).
#ifndef ZENQUILL_OCILITE_SQLCHECKER_H
#define ZENQUILL_OCILITE_SQLCHECKER_H

#include <functional>
#include <string>
#include <vector>

#include "oracle/OraError.h"
#include "sql/SqlAst.h"

namespace ocilite {

struct CatalogColumn {
  std::string name;
  SqlType type;
  int scale = -1;  // NUMBER(p,s): the places a stored value is rounded to
};

// The columns of a table or view named [schema.]name; false when there is no such object.
using CatalogLookup = std::function<bool(const std::vector<std::string>& names, std::vector<CatalogColumn>& columns)>;

// The SQLite SQL of a column's DEFAULT, empty when it has none.
using DefaultLookup = std::function<std::string(const std::vector<std::string>& table, const std::string& column)>;

struct CheckOptions {
  CatalogLookup catalog;
  DefaultLookup columnDefault;
  bool isDba = false;
};

// Checks and rewrites the statement in place; `resultTypes` gets the type of each column a
// query returns (dates are shown by the session's date format). False with `error` set.
bool CheckStatement(DmlStatement& statement, const CheckOptions& options, std::string_view sql,
                    std::vector<SqlType>& resultTypes, OraError& error);

// Checks and rewrites a query on its own (the body of CREATE VIEW).
bool CheckQuery(Query& query, const CheckOptions& options, std::string_view sql, OraError& error);

}  // namespace ocilite

#endif
