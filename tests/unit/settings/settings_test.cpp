// Runs under Wine against real files in the test's working directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
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
    SetFileAttributesA(kIniFile, FILE_ATTRIBUTE_NORMAL);
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

  static void StoreKey(const std::string& line) { Store("[Zenquill]\r\n" + line + "\r\n"); }

  static std::string Contents() {
    ForgetCachedProfile();
    std::ifstream file(kIniFile, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }

  static bool Exists() { return GetFileAttributesA(kIniFile) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(SettingsFile, AbsentFileGivesEveryDefaultAndIsNotCreatedByReading) {
  EXPECT_EQ(";", settings::SqlSeparator());
  EXPECT_EQ("/", settings::PlsqlSeparator());
  EXPECT_TRUE(settings::AutoCommit());
  EXPECT_TRUE(settings::ReadFlag(settings::kXsl));
  EXPECT_TRUE(settings::ReadFlag(settings::kViewXml));
  EXPECT_EQ("", settings::ReadText(settings::kDatabase, ""));
  EXPECT_EQ("", settings::ReadText(settings::kUser, ""));
  EXPECT_EQ(0, settings::ReadLoginType());
  EXPECT_FALSE(Exists());
}

TEST_F(SettingsFile, AbsentKeyGivesItsDefault) {
  Store("[Other]\r\nSEPARATOR=X\r\n[Zenquill]\r\nUSER=scott\r\n");
  EXPECT_EQ(";", settings::SqlSeparator());
  EXPECT_EQ("/", settings::PlsqlSeparator());
  EXPECT_TRUE(settings::AutoCommit());
  EXPECT_EQ("scott", settings::ReadText(settings::kUser, ""));
}

TEST_F(SettingsFile, EmptyValueIsEmptyNotTheDefault) {
  Store("[Zenquill]\r\nSEPARATOR=\r\nPLSEPARATOR=\r\nAUTOCOMMIT=\r\n");
  EXPECT_EQ("", settings::SqlSeparator());
  EXPECT_EQ("", settings::PlsqlSeparator());
  EXPECT_FALSE(settings::AutoCommit());
}

TEST_F(SettingsFile, BlanksAndOnePairOfQuotesAreDropped) {
  struct Case {
    const char* stored;
    const char* read;
  };
  const Case cases[] = {
      {"SEPARATOR=  ;;  ", ";;"},
      {"SEPARATOR=\"GO\"", "GO"},
      {"SEPARATOR= \" go \" ", " go "},
      {"SEPARATOR=\"\"x\"\"", "\"x\""},
      {"SEPARATOR=\"open", "\"open"},
      {"SEPARATOR=a b", "a b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    StoreKey(c.stored);
    EXPECT_EQ(c.read, settings::SqlSeparator());
  }
}

TEST_F(SettingsFile, SeparatorOfBlanksIsWrittenAsEnteredButReadsBackEmpty) {
  settings::WriteText(settings::kSeparator, "   ");
  EXPECT_NE(std::string::npos, Contents().find("SEPARATOR="));
  EXPECT_EQ("", settings::SqlSeparator());
}

TEST_F(SettingsFile, LongValueIsCutTo4095Characters) {
  StoreKey("DATABASE=" + std::string(5000, 'x'));
  EXPECT_EQ(std::string(4095, 'x'), settings::ReadText(settings::kDatabase, ""));
  StoreKey("DATABASE=" + std::string(4095, 'y'));
  EXPECT_EQ(std::string(4095, 'y'), settings::ReadText(settings::kDatabase, ""));
}

TEST_F(SettingsFile, FlagIsOnOnlyWhenItBeginsWithOne) {
  struct Case {
    const char* value;
    bool on;
  };
  const Case cases[] = {{"1", true}, {"0", false}, {"10", true}, {"1abc", true},
                        {"yes", false}, {"", false}, {"01", false}, {" 1", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    StoreKey(std::string("AUTOCOMMIT=") + c.value);
    EXPECT_EQ(c.on, settings::AutoCommit());
  }
}

TEST_F(SettingsFile, FlagsAreWrittenAsOneOrZero) {
  settings::WriteFlag(settings::kXsl, false);
  settings::WriteFlag(settings::kViewXml, true);
  EXPECT_EQ("[Zenquill]\r\nXSL=0\r\nVIEWXML=1\r\n", Contents());
  EXPECT_FALSE(settings::ReadFlag(settings::kXsl));
  EXPECT_TRUE(settings::ReadFlag(settings::kViewXml));
}

TEST_F(SettingsFile, LoginTypeOnlyForExactlyOneOrTwo) {
  struct Case {
    const char* value;
    int loginType;
  };
  const Case cases[] = {{"1", 1}, {"2", 2}, {"0", 0}, {"3", 0}, {"01", 0}, {"", 0}, {"2x", 0}, {" 2 ", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    StoreKey(std::string("MODE=") + c.value);
    EXPECT_EQ(c.loginType, settings::ReadLoginType());
  }
}

TEST_F(SettingsFile, LoginTypeIsWrittenInDecimal) {
  for (int loginType : {2, 1, 0}) {
    settings::WriteLoginType(loginType);
    EXPECT_EQ("[Zenquill]\r\nMODE=" + std::to_string(loginType) + "\r\n", Contents());
    EXPECT_EQ(loginType, settings::ReadLoginType());
  }
}

TEST_F(SettingsFile, StartCounterCountsFromWhatItReads) {
  EXPECT_EQ(1, settings::CountStart());
  EXPECT_EQ("[Zenquill]\r\nSTARTCOUNT=1\r\n", Contents());
  EXPECT_EQ(2, settings::CountStart());
  struct Case {
    const char* stored;
    int next;
  };
  const Case cases[] = {{"abc", 1}, {"41", 42}, {"", 1}, {"12abc", 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    StoreKey(std::string("STARTCOUNT=") + c.stored);
    EXPECT_EQ(c.next, settings::CountStart());
    EXPECT_EQ(std::to_string(c.next), settings::ReadText(settings::kStartCount, ""));
  }
}

TEST_F(SettingsFile, WritingReplacesOnlyItsKey) {
  Store("[Other]\r\nSEPARATOR=keep\r\n[Zenquill]\r\nUSER=scott\r\nSEPARATOR=;\r\n");
  settings::WriteText(settings::kSeparator, "GO");
  settings::WriteText(settings::kDatabase, "orcl");
  EXPECT_EQ("GO", settings::SqlSeparator());
  EXPECT_EQ("scott", settings::ReadText(settings::kUser, ""));
  EXPECT_EQ("orcl", settings::ReadText(settings::kDatabase, ""));
  const std::string contents = Contents();
  EXPECT_NE(std::string::npos, contents.find("[Other]\r\nSEPARATOR=keep"));
  EXPECT_EQ(std::string::npos, contents.find("SEPARATOR=;"));
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
  EXPECT_FALSE(Exists());
  EXPECT_EQ("", settings::ReadText(settings::kUser, ""));
  RemoveDirectoryA("elsewhere");
}

// A file that cannot be written (here: held open without sharing; the read-only attribute
// does not stop a test that runs as root) keeps its contents, and nothing is reported.
TEST_F(SettingsFile, UnwritableFileKeepsItsValue) {
  StoreKey("SEPARATOR=X");
  const HANDLE held = CreateFileA(kIniFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  settings::WriteText(settings::kSeparator, "Y");
  CloseHandle(held);
  ForgetCachedProfile();
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
  EXPECT_EQ(0, settings::ReadLoginType());
  settings::WriteText(settings::kSeparator, "GO");
  EXPECT_EQ("GO", settings::SqlSeparator());
}

}  // namespace
