#include "oracle/OraError.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "oracle/OracleFunctionNames.h"

namespace ocilite {

namespace {

struct Message {
  int code;
  const char* format;  // %s takes the detail
};

// The texts the real server sends for the errors this library can raise.
const Message kMessages[] = {
    {1, "unique constraint (%s) violated"},
    {54, "resource busy and acquire with NOWAIT specified or timeout expired"},
    {600, "internal error code, arguments: [ocilite], [%s]"},
    {900, "invalid SQL statement"},
    {903, "invalid table name"},
    {905, "missing keyword"},
    {906, "missing left parenthesis"},
    {907, "missing right parenthesis"},
    {908, "missing NULL keyword"},
    {909, "invalid number of arguments"},
    {918, "column ambiguously defined"},
    {923, "FROM keyword not found where expected"},
    {926, "missing VALUES keyword"},
    {927, "missing equal sign"},
    {928, "missing SELECT keyword"},
    {932, "inconsistent datatypes: expected %s"},
    {934, "group function is not allowed here"},
    {936, "missing expression"},
    {937, "not a single-group group function"},
    {979, "not a GROUP BY expression"},
    {904, "%s: invalid identifier"},
    {911, "invalid character"},
    {933, "SQL command not properly ended"},
    {942, "table or view does not exist"},
    {955, "name is already used by an existing object"},
    {1004, "default username feature not supported; logon denied"},
    {1013, "user requested cancel of current operation"},
    {1017, "invalid username/password; logon denied"},
    {1031, "insufficient privileges"},
    {1086, "savepoint '%s' never established in this session or is invalid"},
    {1400, "cannot insert NULL into (%s)"},
    {1405, "fetched column value is NULL"},
    {1434, "private synonym to be dropped does not exist"},
    {2011, "duplicate database link name"},
    {2024, "database link not found"},
    {24337, "statement handle not prepared"},
    {24338, "statement handle not executed"},
    {24315, "illegal attribute type"},
    {24313, "user already authenticated"},
    {24327, "need explicit attach before authenticating a user"},
    {1403, "no data found"},
    {1427, "single-row subquery returns more than one row"},
    {1438, "value larger than specified precision allowed for this column"},
    {1476, "divisor is equal to zero"},
    {1481, "invalid number format model"},
    {1748, "only simple column names allowed here"},
    {1898, "too many precision specifiers"},
    {1821, "date format not recognized"},
    {1830, "date format picture ends before converting entire input string"},
    {1839, "date not valid for month specified"},
    {1843, "not a valid month"},
    {1846, "not a valid day of the week"},
    {1847, "day of month must be between 1 and last day of month"},
    {1849, "hour must be between 1 and 12"},
    {1850, "hour must be between 0 and 23"},
    {1851, "minutes must be between 0 and 59"},
    {1852, "seconds must be between 0 and 59"},
    {1855, "AM/A.M. or PM/P.M. required"},
    {1858, "a non-numeric character was found where a numeric was expected"},
    {1861, "literal does not match format string"},
    {2292, "integrity constraint (%s) violated - child record found"},
    {1406, "fetched column value was truncated"},
    {1756, "quoted string not properly terminated"},
    {1722, "invalid number"},
    {1918, "user '%s' does not exist"},
    {2289, "sequence does not exist"},
    {2290, "check constraint (%s) violated"},
    {2291, "integrity constraint (%s) violated - parent key not found"},
    {3001, "unimplemented feature: %s"},
    {3114, "not connected to ORACLE"},
    {4043, "object %s does not exist"},
    {6550, "line 1, column 1: PLS-00000: %s"},
    {8002, "sequence %s.CURRVAL is not yet defined in this session"},
    {8004, "sequence %s.NEXTVAL exceeds MAXVALUE and cannot be instantiated"},
    {12899, "value too large for column %s"},
    {12154, "TNS:could not resolve the connect identifier specified"},
    {12162, "TNS:net service name is incorrectly specified"},
    {24333, "zero iteration count"},
    {24347, "Warning of a NULL column in an aggregate function"},
    {24334, "no descriptor for this position"},
    {28000, "the account is locked"},
    {28002, "the password will expire within 7 days"},
    {1980, "synonym %s does not exist"},
    {1428, "argument %s is out of range"},
    {902, "invalid datatype"},
    {1468, "a predicate may reference only one outer-joined table"},
    {1436, "CONNECT BY loop in user data"},
    {1788, "CONNECT BY clause required in this query block"},
    {30929, "ORDER SIBLINGS BY clause not allowed here"},
    {12722, "regular expression internal error"},
    {12725, "unmatched parentheses in regular expression"},
    {12726, "unmatched bracket in regular expression"},
    {12727, "invalid back reference in regular expression"},
    {12728, "invalid range in regular expression"},
    {1789, "query block has incorrect number of result columns"},
    {1790, "expression must have same datatype as corresponding expression"},
    {25154, "column part of USING clause cannot have qualifier"},
    {25155, "column used in NATURAL join cannot have qualifier"},
    {1407, "cannot update (%s) to NULL"},
    {2449, "unique/primary keys in table referenced by foreign keys"},
    {1430, "column being added already exists in table"},
    {957, "duplicate column name"},
    {2443, "Cannot drop constraint  - nonexistent constraint"},
    {1735, "invalid ALTER TABLE option"},
    {1758, "table must be empty to add mandatory (NOT NULL) column"},
    {2293, "cannot validate (%s) - check constraint violated"},
    {2296, "cannot enable (%s) - null values found"},
    {2298, "cannot validate (%s) - parent keys not found"},
    {2299, "cannot validate (%s) - duplicate keys found"},
    {12983, "cannot drop all columns in a table"},
    {2273, "this unique/primary key is referenced by some foreign keys"},
    {2260, "table can have only one primary key"},
    {2270, "no matching unique or primary key for this column-list"},
    {1441, "cannot decrease column length because some value is too big"},
    {42399, "cannot perform a DML operation on a read-only view"},
    {1426, "numeric overflow"},
    {1862, "the numeric value does not match the length of the format item"},
    {1867, "the interval is invalid"},
    {1873, "the leading precision of the interval is too small"},
    {1796, "this operator cannot be used with lists"},
    {56902, "expect aggregate function inside pivot operation"},
    {30009, "Not enough memory for CONNECT BY operation"},
    {30485, "missing ORDER BY expression in the window clause"},
    {30487, "ORDER BY not allowed here"},
};

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The part of an SQLite message after `prefix`, e.g. the column of "no such column: X".
std::string After(const std::string& text, const char* prefix) {
  size_t at = text.find(prefix);
  return at == std::string::npos ? std::string() : text.substr(at + std::strlen(prefix));
}

// "EMP.ENAME" (as SQLite names a column) to ("EMP"."ENAME"), the way Oracle quotes it.
std::string QuotedPath(const std::string& dotted) {
  std::string quoted = "\"";
  for (char c : dotted) quoted += c == '.' ? std::string("\".\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

OraError MakeOraError(int code, const std::string& detail, size_t offset) {
  const char* format = "%s";
  for (const Message& message : kMessages) {
    if (message.code == code) format = message.format;
  }
  std::string body = format;
  size_t slot = body.find("%s");
  if (slot != std::string::npos) body.replace(slot, 2, detail);
  char number[16];
  std::snprintf(number, sizeof number, "ORA-%05d: ", code);
  return OraError{code, number + body, offset};
}

OraError OraErrorFromSqlite(int sqliteCode, const std::string& message, size_t offset) {
  // Our own SQL functions raise their errors already in Oracle's words.
  if (message.compare(0, 4, "ORA-") == 0) {
    return OraError{std::atoi(message.c_str() + 4), message, offset};
  }
  int primary = sqliteCode & 0xff;
  if (primary == 5 || primary == 6) return MakeOraError(54, "", offset);  // busy, locked
  if (primary == 9) return MakeOraError(1013);                            // interrupted by a break
  if (Contains(message, "no such table") || Contains(message, "no such view")) return MakeOraError(942, "", offset);
  if (Contains(message, "no such column: \"")) {
    // Every name we hand SQLite is quoted; its message then quotes it again with advice.
    std::string name = After(message, "no such column: \"");
    return MakeOraError(904, QuotedPath(name.substr(0, name.find('"'))), offset);
  }
  if (Contains(message, "no such column"))
    return MakeOraError(904, QuotedPath(After(message, "no such column: ")), offset);
  if (Contains(message, "no such function")) {
    std::string name = After(message, "no such function: ");
    if (IsOracleFunction(name)) return MakeOraError(3001, name, offset);
    return MakeOraError(904, QuotedPath(name), offset);
  }
  if (Contains(message, "has more than one primary key")) return MakeOraError(2260, "", offset);
  if (Contains(message, "foreign key mismatch")) return MakeOraError(2270, "", offset);
  if (Contains(message, "because it is a view")) return MakeOraError(3001, "DML on a view", offset);
  if (Contains(message, "ambiguous column name")) return MakeOraError(918, "", offset);
  if (Contains(message, "misuse of aggregate")) return MakeOraError(934, "", offset);
  if (Contains(message, "wrong number of arguments")) return MakeOraError(909, "", offset);
  if (Contains(message, "already exists")) return MakeOraError(955, "", offset);
  if (Contains(message, "UNIQUE constraint failed")) return MakeOraError(1, After(message, "failed: "), offset);
  if (Contains(message, "NOT NULL constraint failed")) {
    return MakeOraError(1400, QuotedPath(After(message, "failed: ")), offset);
  }
  if (Contains(message, "CHECK constraint failed: length(")) {
    std::string check = After(message, "length(");
    std::string column = check.substr(0, check.find(')'));
    return MakeOraError(12899, column + " (maximum: " + After(check, "<= ") + ")", offset);
  }
  if (Contains(message, "CHECK constraint failed: round(abs(")) return MakeOraError(1438, "", offset);
  if (Contains(message, "CHECK constraint failed")) return MakeOraError(2290, After(message, "failed: "), offset);
  if (Contains(message, "FOREIGN KEY constraint failed")) return MakeOraError(2291, "FOREIGN KEY", offset);
  if (Contains(message, "syntax error") || Contains(message, "incomplete input")) return MakeOraError(933, "", offset);
  if (Contains(message, "not authorized")) return MakeOraError(1031, "", offset);
  return MakeOraError(600, message, offset);
}

}  // namespace ocilite
