// Seam over what the platform keeps outside the program: the registry under
// HKEY_LOCAL_MACHINE, read only, and the process's environment.
#ifndef ZENQUILL_DB_LOCALMACHINESEAM_H
#define ZENQUILL_DB_LOCALMACHINESEAM_H

#include <string>
#include <vector>

// False, with value unchanged, when the key cannot be opened; false with value empty when
// the value cannot be read. The value's bytes up to the first zero byte, whatever its type.
bool LookupLocalMachineText(const char* subkey, const char* valueName, std::string& value);

// The key's subkey names in the registry's order; none when it cannot be opened.
std::vector<std::string> LocalMachineSubkeys(const char* subkey);

// The variable as the process holds it, including what it set itself; empty when unset.
std::string ProcessEnvironment(const char* name);

#endif
