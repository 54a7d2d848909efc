// Gives each test its own copy of the demo database: seeded once per test program into a
// pristine folder, copied into a fresh folder per test, named by OCILITE_DATA.
#ifndef ZENQUILL_TESTS_OCILITE_SCRATCHDATA_H
#define ZENQUILL_TESTS_OCILITE_SCRATCHDATA_H

#include <string>

// `seed` makes the demo database in the folder OCILITE_DATA names (by connecting once).
void UseFreshDemoCopy(const std::string& programName, void (*seed)());

// Points OCILITE_DATA (or any variable) somewhere; an empty value removes it.
void SetEnvironment(const std::string& name, const std::string& value);

#endif
