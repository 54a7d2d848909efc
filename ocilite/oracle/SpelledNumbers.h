// Numbers as the date format suffixes write them: SP (TWO THOUSAND TWENTY-FOUR), TH (24TH) and
// SPTH (TWENTY-FOURTH), in upper case; the caller gives them the model's case.
#ifndef ZENQUILL_OCILITE_SPELLEDNUMBERS_H
#define ZENQUILL_OCILITE_SPELLEDNUMBERS_H

#include <string>

namespace ocilite {

std::string SpelledNumber(long value, bool ordinal);
std::string OrdinalSuffix(long value);  // ST, ND, RD or TH

}  // namespace ocilite

#endif
