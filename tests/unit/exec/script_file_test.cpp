#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "ScriptFile.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void SetReadOnly(const fs::path& path, bool readOnly) {
#ifdef _WIN32
  SetFileAttributesA(path.string().c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  chmod(path.c_str(), readOnly ? 0444 : 0644);
#endif
}

class ScriptFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::current_path() / "script-file-scratch";
    fs::remove_all(folder);
    fs::create_directories(folder);
    target = (folder / "script.sql").string();
  }
  void TearDown() override {
    SetReadOnly(target, false);
    fs::remove_all(folder);
  }
  bool NothingLeftBehind() const { return !fs::exists(ScriptSavingPath(target)); }

  fs::path folder;
  std::string target;
};

struct RoundTrip {
  const char* name;
  std::string bytes;
};

const RoundTrip kRoundTrips[] = {
    {"Empty", ""},
    {"CrLfKept", "SELECT *\r\nFROM EMP;\r\n\r\n"},
    {"LoneLineFeedsAndTabs", "a\nb\tc\r"},
    {"UpperHalfBytes", "SELECT '\xe9\xfc\xa3' FROM DUAL"},
    {"LargerThanOneRead", std::string(200000, 'x') + "end"},
};

class ScriptRoundTrip : public ScriptFileTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(ScriptRoundTrip, WritesAndReadsBackByteForByte) {
  ASSERT_TRUE(WriteScriptFile(target, GetParam().bytes));
  EXPECT_EQ(GetParam().bytes, Bytes(target));
  std::string text = "previous";
  ASSERT_TRUE(ReadScriptFile(target, text));
  EXPECT_EQ(GetParam().bytes, text);
  EXPECT_TRUE(NothingLeftBehind());
}

INSTANTIATE_TEST_SUITE_P(Texts, ScriptRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const ::testing::TestParamInfo<RoundTrip>& info) { return info.param.name; });

TEST_F(ScriptFileTest, ReadingStopsAtAZeroByte) {
  Put(target, std::string("SELECT 1\0garbage", 16));
  std::string text;
  ASSERT_TRUE(ReadScriptFile(target, text));
  EXPECT_EQ("SELECT 1", text);
}

TEST_F(ScriptFileTest, MissingFileIsNotReadAndTextStays) {
  std::string text = "kept";
  EXPECT_FALSE(ReadScriptFile((folder / "absent.sql").string(), text));
  EXPECT_EQ("kept", text);
}

TEST_F(ScriptFileTest, SavingReplacesAnExistingFile) {
  Put(target, "old and longer contents");
  ASSERT_TRUE(WriteScriptFile(target, "new"));
  EXPECT_EQ("new", Bytes(target));
}

// Each way a save can fail leaves the previous contents and no temporary file.
TEST_F(ScriptFileTest, FailedSavesKeepThePreviousContents) {
  struct Failure {
    const char* name;
    void (*arrange)(const std::string& target);
    void (*undo)(const std::string& target);
  };
  const Failure failures[] = {
      {"temporary file cannot be created",
       [](const std::string& t) { fs::create_directory(ScriptSavingPath(t)); },
       [](const std::string& t) { fs::remove(ScriptSavingPath(t)); }},
      {"target is read-only", [](const std::string& t) { SetReadOnly(t, true); },
       [](const std::string& t) { SetReadOnly(t, false); }},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.name);
    Put(target, "precious");
    failure.arrange(target);
    EXPECT_FALSE(WriteScriptFile(target, "replacement"));
    failure.undo(target);
    EXPECT_EQ("precious", Bytes(target));
    EXPECT_TRUE(NothingLeftBehind());
  }
}

TEST_F(ScriptFileTest, FoldersAreNeitherWrittenNorRead) {
  const std::string missing = (folder / "no-such-folder" / "x.sql").string();
  EXPECT_FALSE(WriteScriptFile(missing, "text"));
  EXPECT_FALSE(fs::exists(missing));
  fs::create_directory(target);
  EXPECT_FALSE(WriteScriptFile(target, "text"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_TRUE(NothingLeftBehind());
}

}  // namespace
