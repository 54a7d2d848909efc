// The settings file ".\Zenquill.ini", section "Zenquill": the only code that touches it.
// The path is relative on purpose: it resolves against the current directory at each access.
#ifndef ZENQUILL_SETTINGS_SETTINGS_H
#define ZENQUILL_SETTINGS_SETTINGS_H

#include <string>

namespace settings {

extern const char* const kSeparator;
extern const char* const kPlSeparator;
extern const char* const kAutoCommit;
extern const char* const kXsl;
extern const char* const kViewXml;
extern const char* const kDatabase;
extern const char* const kUser;
extern const char* const kMode;
extern const char* const kStartCount;

// At most 4095 characters of a value are seen. An absent key yields the default; a present,
// empty one the empty string. Blanks around a value and one pair of enclosing quotes are
// dropped by the profile functions.
std::string ReadText(const char* key, const char* defaultValue);
// On when, and only when, the value begins with '1'; absent keys are on.
bool ReadFlag(const char* key);
// Failures (read-only file or folder) are ignored: the next read shows what the file holds.
void WriteText(const char* key, const std::string& value);
void WriteFlag(const char* key, bool on);

// The Connect dialog's login type: exactly "1" is SYSOPER (1), exactly "2" SYSDBA (2),
// anything else Normal (0).
int ReadLoginType();
void WriteLoginType(int loginType);

// Reads the start counter (0 when absent or not a number), adds 1, writes it back and
// returns the number of this start.
int CountStart();

std::string SqlSeparator();    // default ";"
std::string PlsqlSeparator();  // default "/"
bool AutoCommit();             // default on

}  // namespace settings

#endif
