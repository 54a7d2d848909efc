#include "oracle/OracleFunctionNames.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace ocilite {

namespace {

// Oracle's single-row, aggregate and analytic functions, sorted.
// clang-format off
const char* const kNames[] = {
    "ABS", "ACOS", "ADD_MONTHS", "APPROX_COUNT_DISTINCT", "ASCII", "ASCIISTR", "ASIN", "ATAN", "ATAN2", "AVG",
    "BIN_TO_NUM", "BITAND", "CARDINALITY", "CAST", "CEIL", "CHARTOROWID", "CHR", "COALESCE", "COLLECT", "COMPOSE",
    "CONCAT", "CONVERT", "CORR", "COS", "COSH", "COUNT", "COVAR_POP", "COVAR_SAMP", "CUME_DIST", "CURRENT_DATE",
    "CURRENT_TIMESTAMP", "DBTIMEZONE", "DECODE", "DECOMPOSE", "DENSE_RANK", "DUMP", "EMPTY_BLOB", "EMPTY_CLOB", "EXP",
    "EXTRACT", "FIRST", "FIRST_VALUE", "FLOOR", "FROM_TZ", "GREATEST", "GROUPING", "GROUPING_ID", "GROUP_ID",
    "HEXTORAW", "INITCAP", "INSTR", "JSON_ARRAY", "JSON_OBJECT", "JSON_QUERY", "JSON_VALUE", "LAG", "LAST",
    "LAST_DAY", "LAST_VALUE", "LEAD", "LEAST", "LENGTH", "LISTAGG", "LN", "LNNVL", "LOCALTIMESTAMP", "LOG", "LOWER",
    "LPAD", "LTRIM", "MAX", "MEDIAN", "MIN", "MOD", "MONTHS_BETWEEN", "NANVL", "NEW_TIME", "NEXT_DAY", "NLSSORT",
    "NLS_INITCAP", "NLS_LOWER", "NLS_UPPER", "NTH_VALUE", "NTILE", "NULLIF", "NUMTODSINTERVAL", "NUMTOYMINTERVAL",
    "NVL", "NVL2", "ORA_HASH", "PERCENTILE_CONT", "PERCENTILE_DISC", "PERCENT_RANK", "POWER", "RANK",
    "RATIO_TO_REPORT", "RAWTOHEX", "REGEXP_COUNT", "REGEXP_INSTR", "REGEXP_LIKE", "REGEXP_REPLACE", "REGEXP_SUBSTR",
    "REGR_AVGX", "REGR_AVGY", "REGR_COUNT", "REGR_INTERCEPT", "REGR_R2", "REGR_SLOPE", "REGR_SXX", "REGR_SXY",
    "REGR_SYY", "REMAINDER", "REPLACE", "ROUND", "ROWIDTOCHAR", "ROW_NUMBER", "RPAD", "RTRIM", "SESSIONTIMEZONE",
    "SIGN", "SIN", "SINH", "SOUNDEX", "SQRT", "STANDARD_HASH", "STATS_MODE", "STDDEV", "STDDEV_POP", "STDDEV_SAMP",
    "SUBSTR", "SUM", "SYS_CONNECT_BY_PATH", "SYS_CONTEXT", "SYS_EXTRACT_UTC", "SYS_GUID", "TAN", "TANH",
    "TO_BINARY_DOUBLE", "TO_BINARY_FLOAT", "TO_CHAR", "TO_CLOB", "TO_DATE", "TO_DSINTERVAL", "TO_LOB",
    "TO_MULTI_BYTE", "TO_NCHAR", "TO_NUMBER", "TO_SINGLE_BYTE", "TO_TIMESTAMP", "TO_TIMESTAMP_TZ", "TO_YMINTERVAL",
    "TRANSLATE", "TRIM", "TRUNC", "TZ_OFFSET", "UID", "UNISTR", "UPPER", "USERENV", "VALIDATE_CONVERSION",
    "VARIANCE", "VAR_POP", "VAR_SAMP", "VSIZE", "WIDTH_BUCKET", "XMLAGG", "XMLELEMENT"};
// clang-format on

}  // namespace

bool IsOracleFunction(const std::string& upperName) {
  return std::binary_search(std::begin(kNames), std::end(kNames), upperName.c_str(),
                            [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

}  // namespace ocilite
