#include "SettingsScratch.h"

#include <windows.h>

#include <fstream>

namespace {

const char kIniFile[] = ".\\Zenquill.ini";

void ForgetCachedProfile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, kIniFile); }

}  // namespace

void RemoveSettingsFile() {
  DeleteFileA(kIniFile);
  ForgetCachedProfile();
}

void StoreSettingsFile(const std::string& bytes) {
  std::ofstream(kIniFile, std::ios::binary) << bytes;
  ForgetCachedProfile();
}

bool SettingsFileExists() { return GetFileAttributesA(kIniFile) != INVALID_FILE_ATTRIBUTES; }

std::string StoredSetting(const char* key) {
  char value[4096] = {};
  GetPrivateProfileStringA("Zenquill", key, "<absent>", value, sizeof value, kIniFile);
  return value;
}
