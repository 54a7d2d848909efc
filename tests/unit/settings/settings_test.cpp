// Runs under Wine against real files in the test's working directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "Settings.h"

namespace {

const char* const kIniFile = ".\\Zenquill.ini";

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { RemoveFile(); }
  void TearDown() override { RemoveFile(); }

  static void RemoveFile() {
    DeleteFileA(kIniFile);
    ForgetCachedProfile();
  }

  // The profile functions may keep the last file in memory; a test that writes the file
  // behind their back makes them read it again.
  static void ForgetCachedProfile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, kIniFile); }

  static void Store(const std::string& bytes) {
    std::ofstream(kIniFile, std::ios::binary) << bytes;
    ForgetCachedProfile();
  }

  static std::string Contents() {
    ForgetCachedProfile();
    std::ifstream file(kIniFile, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }
};

std::string OnOff(bool on) { return on ? "on" : "off"; }

TEST_F(SettingsFile, AbsentFileOrKeyGivesTheDefaultsAndReadingCreatesNothing) {
  for (const char* stored : {"", "[Other]\r\nSEPARATOR=X\r\nAUTOCOMMIT=0\r\n[Zenquill]\r\nUSER=scott\r\n"}) {
    if (*stored) Store(stored);
    EXPECT_EQ(";", settings::SqlSeparator());
    EXPECT_EQ("/", settings::PlsqlSeparator());
    EXPECT_TRUE(settings::AutoCommit() && settings::ReadFlag(settings::kXsl) && settings::ReadFlag(settings::kViewXml));
    EXPECT_EQ("", settings::ReadText(settings::kDatabase, ""));
    EXPECT_EQ(0, settings::ReadLoginType());
  }
  EXPECT_EQ("scott", settings::ReadText(settings::kUser, ""));
  RemoveFile();
  settings::SqlSeparator();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kIniFile));
}

TEST_F(SettingsFile, StoredValuesReadByTheRules) {
  const std::function<std::string()> separator = [] { return settings::SqlSeparator(); };
  const std::function<std::string()> flag = [] { return OnOff(settings::AutoCommit()); };
  const std::function<std::string()> mode = [] { return std::to_string(settings::ReadLoginType()); };
  struct Case {
    std::string line;
    const std::function<std::string()>& read;
    std::string expected;
  };
  const Case cases[] = {
      {"SEPARATOR=", separator, ""},  // empty, not the default
      {"SEPARATOR=  ;;  ", separator, ";;"},
      {"SEPARATOR=\"GO\"", separator, "GO"},
      {"SEPARATOR= \" go \" ", separator, " go "},
      {"SEPARATOR=\"\"x\"\"", separator, "\"x\""},
      {"SEPARATOR=\"open", separator, "\"open"},
      {"SEPARATOR=" + std::string(5000, 'x'), separator, std::string(4095, 'x')},
      {"SEPARATOR=" + std::string(4095, 'y'), separator, std::string(4095, 'y')},
      {"AUTOCOMMIT=1", flag, "on"},
      {"AUTOCOMMIT=10", flag, "on"},
      {"AUTOCOMMIT= 1abc", flag, "on"},
      {"AUTOCOMMIT=0", flag, "off"},
      {"AUTOCOMMIT=yes", flag, "off"},
      {"AUTOCOMMIT=", flag, "off"},
      {"AUTOCOMMIT=01", flag, "off"},
      {"MODE=1", mode, "1"},
      {"MODE=2", mode, "2"},
      {"MODE= 2 ", mode, "2"},
      {"MODE=0", mode, "0"},
      {"MODE=3", mode, "0"},
      {"MODE=01", mode, "0"},
      {"MODE=", mode, "0"},
      {"MODE=2x", mode, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.substr(0, 40));
    Store("[Zenquill]\r\n" + c.line + "\r\n");
    EXPECT_EQ(c.expected, c.read());
  }
}

TEST_F(SettingsFile, FlagsAndLoginTypeAreWrittenAsDigits) {
  settings::WriteFlag(settings::kXsl, false);
  settings::WriteFlag(settings::kViewXml, true);
  settings::WriteLoginType(2);
  EXPECT_EQ("[Zenquill]\r\nXSL=0\r\nVIEWXML=1\r\nMODE=2\r\n", Contents());
  EXPECT_EQ("off", OnOff(settings::ReadFlag(settings::kXsl)));
  EXPECT_EQ(2, settings::ReadLoginType());
}

TEST_F(SettingsFile, StartCounterCountsFromWhatItReads) {
  EXPECT_EQ(1, settings::CountStart());
  EXPECT_EQ("[Zenquill]\r\nSTARTCOUNT=1\r\n", Contents());
  EXPECT_EQ(2, settings::CountStart());
  const std::pair<const char*, int> cases[] = {{"abc", 1}, {"41", 42}, {"", 1}, {"12abc", 13}};
  for (const auto& c : cases) {
    Store(std::string("[Zenquill]\r\nSTARTCOUNT=") + c.first + "\r\n");
    EXPECT_EQ(c.second, settings::CountStart()) << c.first;
    EXPECT_EQ(std::to_string(c.second), settings::ReadText(settings::kStartCount, "")) << c.first;
  }
}

TEST_F(SettingsFile, WritingReplacesOnlyItsKey) {
  Store("[Other]\r\nSEPARATOR=keep\r\n[Zenquill]\r\nUSER=scott\r\nSEPARATOR=;\r\n");
  settings::WriteText(settings::kPlSeparator, "GO");
  settings::WriteText(settings::kSeparator, "$$");
  EXPECT_EQ("[Other]\r\nSEPARATOR=keep\r\n[Zenquill]\r\nUSER=scott\r\nSEPARATOR=$$\r\nPLSEPARATOR=GO\r\n", Contents());
  // Blanks are handed over as entered; whatever the file keeps of them, they read back empty.
  settings::WriteText(settings::kSeparator, "   ");
  EXPECT_EQ("", settings::SqlSeparator());
  EXPECT_EQ("GO", settings::PlsqlSeparator());
}

TEST_F(SettingsFile, PathFollowsTheCurrentDirectory) {
  char home[MAX_PATH];
  ASSERT_NE(0u, GetCurrentDirectoryA(MAX_PATH, home));
  CreateDirectoryA("elsewhere", nullptr);
  ASSERT_TRUE(SetCurrentDirectoryA("elsewhere"));
  settings::WriteText(settings::kUser, "moved");
  EXPECT_EQ("moved", settings::ReadText(settings::kUser, ""));
  RemoveFile();
  ASSERT_TRUE(SetCurrentDirectoryA(home));
  RemoveDirectoryA("elsewhere");
  EXPECT_EQ("", settings::ReadText(settings::kUser, ""));
}

// Held open without sharing: the read-only attribute does not stop a test that runs as root.
TEST_F(SettingsFile, UnwritableFileKeepsItsValueSilently) {
  Store("[Zenquill]\r\nSEPARATOR=X\r\n");
  const HANDLE held = CreateFileA(kIniFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  settings::WriteText(settings::kSeparator, "Y");
  CloseHandle(held);
  EXPECT_EQ("[Zenquill]\r\nSEPARATOR=X\r\n", Contents());
  EXPECT_EQ("X", settings::SqlSeparator());
}

TEST_F(SettingsFile, FolderInPlaceOfTheFileGivesDefaults) {
  ASSERT_TRUE(CreateDirectoryA(kIniFile, nullptr));
  settings::WriteText(settings::kSeparator, "Y");
  EXPECT_EQ(";", settings::SqlSeparator());
  EXPECT_EQ(1, settings::CountStart());
  EXPECT_TRUE(RemoveDirectoryA(kIniFile));
}

TEST_F(SettingsFile, BinaryFileGivesDefaultsAndCanBeWrittenOver) {
  std::string garbage;
  for (int k = 0; k < 512; ++k) garbage += static_cast<char>((k * 37) % 256);
  Store(garbage);
  EXPECT_EQ(";", settings::SqlSeparator());
  EXPECT_TRUE(settings::AutoCommit());
  settings::WriteText(settings::kSeparator, "GO");
  EXPECT_EQ("GO", settings::SqlSeparator());
}

}  // namespace
