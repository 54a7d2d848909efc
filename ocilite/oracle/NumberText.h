// Numbers as Oracle writes them: a NUMBER fetched or turned into text, and TO_CHAR's format models.
#ifndef ZENQUILL_OCILITE_NUMBERTEXT_H
#define ZENQUILL_OCILITE_NUMBERTEXT_H

#include <string>

namespace ocilite {

// A floating-point value as Oracle writes a number: 1250.5, .5, -.25, 3.
std::string OracleNumberText(double value);

// A number by an Oracle number format model (9 0 , . $ FM); false when the model is not one.
bool FormatNumber(double value, const std::string& format, std::string& text);

}  // namespace ocilite

#endif
