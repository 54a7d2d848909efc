#include "SettingsScratch.h"

#include <windows.h>

#include <fstream>
#include <iterator>

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

std::string SettingsFileBytes() {
  ForgetCachedProfile();
  std::ifstream file(kIniFile, std::ios::binary);
  return file ? std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()) : "<absent>";
}

std::string StoredSetting(const char* key) {
  char value[4096] = {};
  GetPrivateProfileStringA("Zenquill", key, "<absent>", value, sizeof value, kIniFile);
  return value;
}
