#include "Settings.h"

#include <windows.h>

#include <cstdio>

namespace settings {

const char* const kSeparator = "SEPARATOR";
const char* const kPlSeparator = "PLSEPARATOR";
const char* const kAutoCommit = "AUTOCOMMIT";
const char* const kXsl = "XSL";
const char* const kViewXml = "VIEWXML";
const char* const kDatabase = "DATABASE";
const char* const kUser = "USER";
const char* const kMode = "MODE";
const char* const kStartCount = "STARTCOUNT";

namespace {

const char* const kSection = "Zenquill";
// The leading ".\" makes the profile functions use the current directory, not Windows'.
const char* const kFile = ".\\Zenquill.ini";
const DWORD kBufferSize = 4096;

std::string DecimalText(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

}  // namespace

std::string ReadText(const char* key, const char* defaultValue) {
  char buffer[kBufferSize] = {};
  GetPrivateProfileStringA(kSection, key, defaultValue, buffer, kBufferSize, kFile);
  return buffer;
}

bool ReadFlag(const char* key) { return ReadText(key, "1")[0] == '1'; }

void WriteText(const char* key, const std::string& value) {
  WritePrivateProfileStringA(kSection, key, value.c_str(), kFile);
}

void WriteFlag(const char* key, bool on) { WriteText(key, on ? "1" : "0"); }

int ReadLoginType() {
  const std::string mode = ReadText(kMode, "");
  if (mode == "1") return 1;
  if (mode == "2") return 2;
  return 0;
}

void WriteLoginType(int loginType) { WriteText(kMode, DecimalText(loginType)); }

int CountStart() {
  const int count = static_cast<int>(GetPrivateProfileIntA(kSection, kStartCount, 0, kFile)) + 1;
  WriteText(kStartCount, DecimalText(count));
  return count;
}

std::string SqlSeparator() { return ReadText(kSeparator, ";"); }

std::string PlsqlSeparator() { return ReadText(kPlSeparator, "/"); }

bool AutoCommit() { return ReadFlag(kAutoCommit); }

}  // namespace settings
