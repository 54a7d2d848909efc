// What the SQL functions we add share: their session, reading their arguments as Oracle does
// and raising Oracle's errors from inside SQLite.
#ifndef ZENQUILL_OCILITE_FUNCTIONARGUMENTS_H
#define ZENQUILL_OCILITE_FUNCTIONARGUMENTS_H

#include <cstddef>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace ocilite {

class Session;

// The session whose connection runs the function (FunctionRegistry.h registers every one with it).
Session* SessionOf(sqlite3_context* context);

bool AnyNull(int argc, sqlite3_value** argv);
std::string TextOf(sqlite3_value* value);

// A value as Oracle turns it into text: numbers without exponent or trailing zeros.
std::string AsText(sqlite3_value* value);

// The byte offsets of each UTF-8 character of `text`.
std::vector<size_t> CharacterStarts(const std::string& text);

// Text as a result; '' is NULL to Oracle.
void ResultText(sqlite3_context* context, const std::string& text);

// A number as a result: whole values as integers, so that they print without a fraction.
void ResultNumber(sqlite3_context* context, double number);

// Ends the call with ORA-<code>; SQLite hands the text on as the statement's error.
void RaiseOraError(sqlite3_context* context, int code, const std::string& detail = std::string());

// A number argument; false (and ORA-01722 raised) for text that is no number.
bool NumberArgument(sqlite3_context* context, sqlite3_value* value, double& number);

// Every argument as a number; false when one is NULL (the result is then NULL) or no number.
bool NumberArguments(sqlite3_context* context, int argc, sqlite3_value** argv, double* numbers);

}  // namespace ocilite

#endif
