// The functions that give SQLite Oracle's value semantics where the two differ: NUMBER
// division (never truncating, ORA-01476 on zero), || over NULLs, SUBSTR's positions, a
// case-sensitive LIKE, MOD, '' as NULL, single-row subqueries (ORA-01427), TO_CHAR of numbers
// by a format model, and the date functions (SqlChecker.h says which rewrite calls which).
#ifndef ZENQUILL_OCILITE_VALUEFUNCTIONS_H
#define ZENQUILL_OCILITE_VALUEFUNCTIONS_H

#include <string>

struct sqlite3;

namespace ocilite {

void RegisterValueFunctions(sqlite3* db);

// The date functions (DateFunctions.cpp), which RegisterValueFunctions registers too.
void RegisterDateFunctions(sqlite3* db);

// The everyday number and text functions SQLite lacks or answers otherwise (CommonFunctions.cpp),
// and REGEXP_LIKE/SUBSTR/INSTR/REPLACE over POSIX extended expressions (RegexpFunctions.cpp).
void RegisterCommonFunctions(sqlite3* db);
void RegisterRegexpFunctions(sqlite3* db);

// LN, EXP, LOG, the trigonometric functions and the rest of Oracle's numeric ones (MathFunctions.cpp).
void RegisterMathFunctions(sqlite3* db);

// STDDEV, VARIANCE, their _SAMP and _POP forms and MEDIAN, as aggregates and over windows
// (StatisticalAggregates.cpp).
void RegisterStatisticalAggregates(sqlite3* db);

// The session's NLS_DATE_FORMAT (ALTER SESSION SET NLS_DATE_FORMAT changes it).
const std::string& SessionDateFormat(sqlite3* db);
void SetSessionDateFormat(sqlite3* db, const std::string& format);

// A number by an Oracle number format model (9 0 , . $ FM); false when the model is not one.
bool FormatNumber(double value, const std::string& format, std::string& text);

// A number by any of the number format models ocilite knows: FormatNumber's, with the signs
// S, MI and PR, EEEE, V and X (NumberModels.cpp); false when the model is not one.
bool FormatNumberModel(double value, const std::string& format, std::string& text);

// ZQ_KEEP, which runs MIN(x) KEEP (DENSE_RANK FIRST|LAST ORDER BY ...) and the like (KeepAggregate.cpp).
void RegisterKeepAggregate(sqlite3* db);

// TO_NUMBER(text, model), by the same models (NumberModels.cpp).
void RegisterNumberModelFunctions(sqlite3* db);

}  // namespace ocilite

#endif
