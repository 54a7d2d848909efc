#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "ScriptEncoding.h"
#include "ScriptFile.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void SetReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
  SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  chmod(path.c_str(), readOnly ? 0444 : 0644);
#endif
}

class ScriptFile : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(folder), fs::create_directories(folder); }
  void TearDown() override { SetReadOnly(path, false), fs::remove_all(folder); }
  void Put(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

  const fs::path folder = fs::current_path() / "script-file-scratch";
  const std::string path = (folder / "script.sql").string();
};

TEST_F(ScriptFile, RoundTripsByteForByte) {
  for (const std::string& bytes : {std::string(), std::string("SELECT *\r\nFROM EMP;\r\n\r\n"),
                                   std::string("a\nb\tc\r '\xe9\xfc'"), std::string(200000, 'x') + "end"}) {
    ASSERT_TRUE(WriteScriptFile(path, bytes));
    EXPECT_EQ(bytes, Bytes(path));
    std::string text = "previous";
    ASSERT_TRUE(ReadScriptFile(path, text));
    EXPECT_EQ(bytes, text);
    EXPECT_FALSE(fs::exists(ScriptSavingPath(path)));
  }
}

TEST_F(ScriptFile, ReadingStopsAtAZeroByteAndMissingFilesAreNotRead) {
  Put(std::string("SELECT 1\0garbage", 16));
  std::string text;
  ASSERT_TRUE(ReadScriptFile(path, text));
  EXPECT_EQ("SELECT 1", text);
  EXPECT_FALSE(ReadScriptFile((folder / "absent.sql").string(), text));
  EXPECT_EQ("SELECT 1", text);
}

// Open reads a file into the editor's code page; Save writes it back in its own encoding.
TEST_F(ScriptFile, EncodingsRoundTripThroughTheEditor) {
  const std::string bom = "\xEF\xBB\xBF";
  const struct {
    const char* name;
    std::string file, editor;
    ScriptEncoding encoding;
    std::size_t unmappable;
    std::string saved;  // the file again
  } cases[] = {
      {"ASCII", "SELECT 1\r\n", "SELECT 1\r\n", ScriptEncoding::Ansi, 0, "SELECT 1\r\n"},
      {"ANSI", "SELECT '\xE9'", "SELECT '\xE9'", ScriptEncoding::Ansi, 0, "SELECT '\xE9'"},
      {"not UTF-8 stays ANSI", "'\xC3(' '\xC0\x80'", "'\xC3(' '\xC0\x80'", ScriptEncoding::Ansi, 0,
       "'\xC3(' '\xC0\x80'"},
      {"UTF-8", "SELECT 'caf\xC3\xA9 \xE2\x82\xAC'", "SELECT 'caf\xE9 \x80'", ScriptEncoding::Utf8, 0,
       "SELECT 'caf\xC3\xA9 \xE2\x82\xAC'"},
      {"UTF-8 with BOM", bom + "CREATE PACKAGE p", "CREATE PACKAGE p", ScriptEncoding::Utf8WithBom, 0,
       bom + "CREATE PACKAGE p"},
      {"outside the code page", bom + "'\xCE\xA9 \xF0\x9F\x98\x80 \xC3\xA9'", "'? ? \xE9'", ScriptEncoding::Utf8WithBom,
       2, bom + "'? ? \xC3\xA9'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Put(c.file);
    std::string bytes;
    ASSERT_TRUE(ReadScriptFile(path, bytes));
    const DecodedScript script = DecodeScript(bytes);
    EXPECT_EQ(c.editor, script.text);
    EXPECT_EQ(c.encoding, script.encoding);
    EXPECT_EQ(c.unmappable, script.unmappable);
    ASSERT_TRUE(WriteScriptFile(path, EncodeScript(script.text, script.encoding)));
    EXPECT_EQ(c.saved, Bytes(path));
  }
}

// Each way a save can fail leaves the previous contents and no temporary file behind.
TEST_F(ScriptFile, FailedSavesKeepThePreviousContents) {
  const std::string saving = ScriptSavingPath(path);
  const struct {
    const char* name;
    std::function<void()> arrange, undo;
  } failures[] = {
      {"temporary file cannot be made", [&] { fs::create_directory(saving); }, [&] { fs::remove(saving); }},
      {"target is read-only", [&] { SetReadOnly(path, true); }, [&] { SetReadOnly(path, false); }},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.name);
    Put("precious");
    failure.arrange();
    EXPECT_FALSE(WriteScriptFile(path, "replacement"));
    failure.undo();
    EXPECT_EQ("precious", Bytes(path));
    EXPECT_FALSE(fs::exists(saving));
  }
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_FALSE(WriteScriptFile(path, "text")) << "a folder is no script";
  EXPECT_FALSE(WriteScriptFile((folder / "missing" / "x.sql").string(), "text"));
  EXPECT_FALSE(fs::exists(saving));
}

}  // namespace
