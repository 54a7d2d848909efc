// The Oracle homes the registry lists: "SOFTWARE\ORACLE" (clients before 10g keep their home
// there) and one "SOFTWARE\ORACLE\KEY_<home name>" key per home of every later client.
#ifndef ZENQUILL_DB_ORACLEHOMES_H
#define ZENQUILL_DB_ORACLEHOMES_H

#include <string>
#include <vector>

class ClientMachine;

constexpr char kOracleRegistryKey[] = "SOFTWARE\\ORACLE";

// The KEY_* home keys as full subkey paths, in the registry's order.
std::vector<std::string> OracleHomeKeys(const ClientMachine& machine);

// The value from "SOFTWARE\ORACLE", else from the first home key that has it; an empty
// value counts as none.
bool FindOracleRegistryValue(const ClientMachine& machine, const char* valueName, std::string& value);

#endif
