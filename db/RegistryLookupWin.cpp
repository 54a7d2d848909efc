#include <windows.h>

#include <vector>

#include "RegistryLookup.h"
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
