// Seam over the registry: reads a text value under HKEY_LOCAL_MACHINE, read-only.
#ifndef ZENQUILL_DB_REGISTRYLOOKUP_H
#define ZENQUILL_DB_REGISTRYLOOKUP_H

#include <string>

// False, with value unchanged, when the key cannot be opened; false with value empty when
// the value cannot be read. The value's bytes up to the first zero byte, whatever its type.
bool LookupLocalMachineText(const char* subkey, const char* valueName, std::string& value);

#endif
