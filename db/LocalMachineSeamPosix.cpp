#include <cstdlib>

#include "LocalMachineSeam.h"

// No registry here: every lookup fails, as on a machine without an Oracle client.
bool LookupLocalMachineText(const char*, const char*, std::string&) { return false; }

std::vector<std::string> LocalMachineSubkeys(const char*) { return {}; }

std::string ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
