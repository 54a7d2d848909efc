#include "RegistryLookup.h"

// No registry here: every lookup fails, as on a machine without an Oracle client.
bool LookupLocalMachineText(const char*, const char*, std::string&) { return false; }
