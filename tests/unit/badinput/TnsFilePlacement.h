// Puts a tnsnames.ora where the discovery finds it, and takes it away again: through a
// scratch Oracle home in the registry on Windows, at the registry-less fallback path here.
#ifndef ZENQUILL_TESTS_BADINPUT_TNSFILEPLACEMENT_H
#define ZENQUILL_TESTS_BADINPUT_TNSFILEPLACEMENT_H

#include <string>

// False when an Oracle client is registered already: its own file must not be shadowed.
bool PlaceTnsNamesFile(const std::string& bytes);
void RemoveTnsNamesFile();

#endif
