#include <windows.h>

#include <filesystem>
#include <fstream>

#include "TnsFilePlacement.h"

namespace {

namespace fs = std::filesystem;

const char kOracleKey[] = "SOFTWARE\\ORACLE";

fs::path ScratchHome() { return fs::current_path() / "tns-scratch-home"; }

}  // namespace

bool PlaceTnsNamesFile(const std::string& bytes) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOracleKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    RegCloseKey(key);
    return false;
  }
  fs::path folder = ScratchHome() / "network" / "admin";
  fs::create_directories(folder);
  std::ofstream(folder / "tnsnames.ora", std::ios::binary) << bytes;
  const std::string home = ScratchHome().string();
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kOracleKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG written = RegSetValueExA(key, "ORACLE_HOME", 0, REG_SZ, reinterpret_cast<const BYTE*>(home.c_str()),
                                static_cast<DWORD>(home.size() + 1));
  RegCloseKey(key);
  return written == ERROR_SUCCESS;
}

void RemoveTnsNamesFile() {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kOracleKey);
  std::error_code ignored;
  fs::remove_all(ScratchHome(), ignored);
}
