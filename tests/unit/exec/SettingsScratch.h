// The settings file of in-process window tests: ".\Zenquill.ini" in the working folder,
// removed before and after each test.
#ifndef ZENQUILL_TESTS_EXEC_SETTINGSSCRATCH_H
#define ZENQUILL_TESTS_EXEC_SETTINGSSCRATCH_H

#include <string>

// Deletes the file and makes the profile functions forget any copy they keep.
void RemoveSettingsFile();
// Replaces the file's contents with `bytes`.
void StoreSettingsFile(const std::string& bytes);
// The file's bytes, or "<absent>".
std::string SettingsFileBytes();
// The stored value of key, or "<absent>".
std::string StoredSetting(const char* key);

#endif
