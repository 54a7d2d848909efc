#include <windows.h>

#include <vector>

#include "LocalMachineSeam.h"
#include "TextBuffer.h"

// Read access only: asking for more fails for every user who is not an administrator.
bool LookupLocalMachineText(const char* subkey, const char* valueName, std::string& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  value.clear();
  DWORD size = 0;
  bool read = RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
  if (read && size > 0) {
    std::vector<char> buffer(size);
    read = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
           ERROR_SUCCESS;
    if (read) value = TextUpToZero(buffer.data(), size);
  }
  RegCloseKey(key);
  return read;
}

std::vector<std::string> LocalMachineSubkeys(const char* subkey) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  char name[256];  // the longest key name the registry allows, and its zero
  DWORD length = sizeof name;
  for (DWORD index = 0; RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++index, length = sizeof name)
    names.emplace_back(name, length);
  RegCloseKey(key);
  return names;
}

// The C library's copy of the environment misses what SetEnvironmentVariableA added later.
std::string ProcessEnvironment(const char* name) {
  char value[32767];  // the longest value the environment holds
  DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}
