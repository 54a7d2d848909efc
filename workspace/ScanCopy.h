// The splitter's view of a script: the same bytes at the same positions, upper-cased, with
// the insides of literals and whole "--" comments blanked, so that keywords and separators
// are only ever found in code.
#ifndef ZENQUILL_WORKSPACE_SCANCOPY_H
#define ZENQUILL_WORKSPACE_SCANCOPY_H

#include <string>

std::string BuildScanCopy(const std::string& text);

// The scan copy's upper-casing: ASCII letters only, so that the outcome does not depend on
// the locale (the keywords are ASCII).
char UpperAscii(char c);

#endif
