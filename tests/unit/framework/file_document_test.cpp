#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Document.h"
#include "File.h"

namespace {

// A scratch file in the working folder, removed afterwards.
struct ScratchFile {
  explicit ScratchFile(const char* name) : path(name) { std::remove(path.c_str()); }
  ~ScratchFile() { std::remove(path.c_str()); }
  std::string path;
};

std::string ReadAll(const std::string& path) {
  fw::File file;
  if (!file.Open(path, fw::File::Mode::Read)) return "<cannot open>";
  std::string text;
  char buffer[7];  // small on purpose: several reads per file
  for (std::int64_t n; (n = file.Read(buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  return text;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
  fw::File file;
  return file.Open(path, fw::File::Mode::Create) && file.Write(bytes.data(), bytes.size());
}

TEST(File, WrittenBytesComeBackExactly) {
  ScratchFile scratch("fw_file_bytes.tmp");
  const std::string bytes("line 1\r\nline 2\r\n\0after zero\xff", 29);
  ASSERT_TRUE(WriteAll(scratch.path, bytes));
  EXPECT_EQ(bytes, ReadAll(scratch.path));
  fw::File file;
  ASSERT_TRUE(file.Open(scratch.path, fw::File::Mode::Read));
  EXPECT_EQ(29, file.Length());
}

TEST(File, CreateEmptiesAnExistingFile) {
  ScratchFile scratch("fw_file_truncate.tmp");
  ASSERT_TRUE(WriteAll(scratch.path, "a much longer old content"));
  ASSERT_TRUE(WriteAll(scratch.path, "new"));
  EXPECT_EQ("new", ReadAll(scratch.path));
  ASSERT_TRUE(WriteAll(scratch.path, ""));
  EXPECT_EQ("", ReadAll(scratch.path));
}

TEST(File, MissingFileCannotBeReadAndAClosedFileDoesNothing) {
  ScratchFile scratch("fw_file_missing.tmp");
  fw::File file;
  EXPECT_FALSE(file.Open(scratch.path, fw::File::Mode::Read));
  EXPECT_FALSE(file.IsOpen());
  char c;
  EXPECT_EQ(-1, file.Read(&c, 1));
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_EQ(-1, file.Length());
}

TEST(File, AFileOpenForReadingCanStillBeWrittenByOthers) {
  ScratchFile scratch("fw_file_shared.tmp");
  ASSERT_TRUE(WriteAll(scratch.path, "first"));
  fw::File reader;
  ASSERT_TRUE(reader.Open(scratch.path, fw::File::Mode::Read));
  EXPECT_TRUE(WriteAll(scratch.path, "second"));
}

TEST(File, ReopeningClosesThePreviousFile) {
  ScratchFile one("fw_file_one.tmp");
  ScratchFile two("fw_file_two.tmp");
  fw::File file;
  ASSERT_TRUE(file.Open(one.path, fw::File::Mode::Create));
  ASSERT_TRUE(file.Write("1", 1));
  ASSERT_TRUE(file.Open(two.path, fw::File::Mode::Create));
  ASSERT_TRUE(file.Write("22", 2));
  file.Close();
  EXPECT_EQ("1", ReadAll(one.path));
  EXPECT_EQ("22", ReadAll(two.path));
}

TEST(Document, NewDocumentIsUntitledAndTellsItsListener) {
  fw::Document document;
  int told = 0;
  document.SetTitleListener([&] { ++told; });
  ASSERT_TRUE(document.OnNewDocument());
  EXPECT_EQ("Untitled", document.GetTitle());
  EXPECT_EQ("", document.GetPathName());
  EXPECT_EQ(1, told);
  document.SetTitle("C:\\x\\y.sql");
  EXPECT_EQ("C:\\x\\y.sql", document.GetTitle());
  EXPECT_EQ(2, told);
}

TEST(Document, OpeningAReadableFileNamesTheDocumentAfterIt) {
  ScratchFile scratch("fw_doc_open.sql");
  ASSERT_TRUE(WriteAll(scratch.path, "SELECT 1 FROM DUAL"));
  fw::Document document;
  ASSERT_TRUE(document.OnOpenDocument(scratch.path));
  EXPECT_EQ("fw_doc_open.sql", document.GetTitle());
  EXPECT_EQ(scratch.path, document.GetPathName());
}

TEST(Document, OpeningAMissingFileFailsAndChangesNothing) {
  ScratchFile scratch("fw_doc_missing.sql");
  fw::Document document;
  ASSERT_TRUE(document.OnNewDocument());
  EXPECT_FALSE(document.OnOpenDocument(scratch.path));
  EXPECT_EQ("Untitled", document.GetTitle());
  EXPECT_EQ("", document.GetPathName());
}

}  // namespace
