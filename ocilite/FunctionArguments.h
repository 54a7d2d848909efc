// What the SQL functions we add share: reading their arguments as Oracle does and raising
// Oracle's errors from inside SQLite.
#ifndef ZENQUILL_OCILITE_FUNCTIONARGUMENTS_H
#define ZENQUILL_OCILITE_FUNCTIONARGUMENTS_H

#include <string>

struct sqlite3_context;
struct sqlite3_value;

bool AnyNull(int argc, sqlite3_value** argv);
std::string TextOf(sqlite3_value* value);

// Ends the call with ORA-<code>; SQLite hands the text on as the statement's error.
void RaiseOraError(sqlite3_context* context, int code, const std::string& detail = std::string());

// A number argument; false (and ORA-01722 raised) for text that is no number.
bool NumberArgument(sqlite3_context* context, sqlite3_value* value, double& number);

#endif
