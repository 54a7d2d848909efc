// The number format model elements beyond the digits (NumberText.h's FormatNumber): the signs
// S, MI and PR, scientific EEEE, V and hexadecimal X; and TO_NUMBER(text, model) by the same.
#ifndef ZENQUILL_OCILITE_NUMBERMODELS_H
#define ZENQUILL_OCILITE_NUMBERMODELS_H

#include <string>

namespace ocilite {

// A number by any of the number format models ocilite knows: FormatNumber's, with the signs
// S, MI and PR, EEEE, V and X; false when the model is not one.
bool FormatNumberModel(double value, const std::string& format, std::string& text);

}  // namespace ocilite

#endif
