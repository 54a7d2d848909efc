#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecoveryCopy.h"
#include "ScriptFile.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) : "<missing>";
}

class Recovery : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(folder), fs::create_directories(folder); }
  void TearDown() override { fs::remove_all(folder); }

  const fs::path folder = fs::current_path() / "recovery-scratch";
  const fs::path path = folder / kRecoveryFile;
};

TEST_F(Recovery, WritesOnlyChangedTextAndLeavesItForTheNextStart) {
  RecoveryCopy copy(path.string());
  std::string left;
  copy.Keep("");
  EXPECT_EQ("<missing>", Bytes(path)) << "an untouched empty editor needs no copy";
  EXPECT_FALSE(copy.Take(left));
  const std::string text = "SELECT 'x' FROM DUAL;\r\n\t-- \xE9\r\n";
  copy.Keep(text);
  EXPECT_EQ(text, Bytes(path));
  EXPECT_FALSE(fs::exists(ScriptSavingPath(path.string()))) << "written through a temporary file";
  fs::remove(path);
  copy.Keep(text);
  EXPECT_EQ("<missing>", Bytes(path)) << "unchanged text is not written again";
  copy.Keep("A");
  RecoveryCopy next(path.string());
  next.Discard();
  EXPECT_EQ("A", Bytes(path)) << "a run that never took the file leaves it alone";
  ASSERT_TRUE(next.Take(left));
  EXPECT_EQ("A", left);
  copy.Keep("");
  EXPECT_FALSE(RecoveryCopy(path.string()).Take(left)) << "an emptied editor leaves nothing to restore";
  next.Discard();
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(Recovery, AdoptedTextIsNotWrittenAgainAndAFailedWriteIsRetried) {
  RecoveryCopy copy(path.string());
  copy.Adopt("restored");
  copy.Keep("restored");
  EXPECT_EQ("<missing>", Bytes(path));
  RecoveryCopy nowhere((folder / "no-such-folder" / kRecoveryFile).string());
  nowhere.Keep("typed");  // fails without a word
  fs::create_directories(folder / "no-such-folder");
  nowhere.Keep("typed");
  EXPECT_EQ("typed", Bytes(folder / "no-such-folder" / kRecoveryFile));
}

}  // namespace
