// What this machine shows of its Oracle clients: environment variables, the registry under
// HKEY_LOCAL_MACHINE (read only) and files. Behind an interface so the rules that search
// them are tested against a made-up machine.
#ifndef ZENQUILL_DB_CLIENTMACHINE_H
#define ZENQUILL_DB_CLIENTMACHINE_H

#include <string>
#include <vector>

class ClientMachine {
 public:
  virtual ~ClientMachine() = default;
  // Empty when unset.
  virtual std::string Environment(const char* name) const = 0;
  // False when the key or the value is missing.
  virtual bool RegistryText(const std::string& subkey, const char* valueName, std::string& value) const = 0;
  // The names of the key's subkeys, in the registry's order.
  virtual std::vector<std::string> RegistrySubkeys(const std::string& subkey) const = 0;
  virtual bool Exists(const std::string& path) const = 0;
  // False when the file cannot be read.
  virtual bool ReadFile(const std::string& path, std::string& text) const = 0;
};

// This machine. The environment is the process's own, as a library loaded later sees it.
const ClientMachine& LocalClientMachine();

#endif
