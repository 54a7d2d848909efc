#include "OracleHomes.h"

#include <cctype>

#include "ClientMachine.h"

namespace {

bool IsHomeKeyName(const std::string& name) {
  const char prefix[] = "KEY_";
  if (name.size() < sizeof prefix) return false;
  for (size_t i = 0; i + 1 < sizeof prefix; ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != prefix[i]) return false;
  return true;
}

}  // namespace

std::vector<std::string> OracleHomeKeys(const ClientMachine& machine) {
  std::vector<std::string> keys;
  for (const std::string& name : machine.RegistrySubkeys(kOracleRegistryKey))
    if (IsHomeKeyName(name)) keys.push_back(std::string(kOracleRegistryKey) + "\\" + name);
  return keys;
}

bool FindOracleRegistryValue(const ClientMachine& machine, const char* valueName, std::string& value) {
  std::vector<std::string> keys = OracleHomeKeys(machine);
  keys.insert(keys.begin(), kOracleRegistryKey);
  for (const std::string& key : keys)
    if (machine.RegistryText(key, valueName, value) && !value.empty()) return true;
  return false;
}
