// Names from the dictionary put into SQL text: they may hold any character a quoted
// identifier allows, apostrophes and double quotes included.
#ifndef ZENQUILL_SCHEMA_SQLQUOTING_H
#define ZENQUILL_SCHEMA_SQLQUOTING_H

#include <string>

// The text with every apostrophe doubled, to stand between the quotes of a literal.
std::string LiteralContent(const std::string& text);

// The name in double quotes, every double quote inside it doubled.
std::string QuotedIdentifier(const std::string& name);

#endif
