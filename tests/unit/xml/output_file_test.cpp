#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutputFile.h"
#include "TestFiles.h"
#include "XmlWriter.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using xmltest::kFullDevice;

struct ChunkCase {
  const char* name;
  std::vector<std::size_t> sizes;
};

class OutputFileChunks : public testing::TestWithParam<ChunkCase> {};

// Writes around the buffer's size in every combination must reach the file in order.
TEST_P(OutputFileChunks, FileHoldsEveryByteInOrder) {
  const std::string path = xmltest::ScratchFolder(std::string("chunks_") + GetParam().name) + "out.bin";
  std::string expected;
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(path));
  char next = 'a';
  for (const std::size_t size : GetParam().sizes) {
    const std::string chunk(size, next);
    next = next == 'z' ? 'a' : static_cast<char>(next + 1);
    file.Write(chunk);
    expected += chunk;
  }
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(expected, xmltest::ReadWholeFile(path));
}

constexpr std::size_t kBuffer = 64 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Sizes, OutputFileChunks,
    testing::Values(ChunkCase{"Nothing", {}}, ChunkCase{"OneByte", {1}},
                    ChunkCase{"ExactlyOneBuffer", {kBuffer}},
                    ChunkCase{"FillThenOverflowByOne", {kBuffer - 1, 2}},
                    ChunkCase{"SmallThenHuge", {10, 3 * kBuffer + 7, 10}},
                    ChunkCase{"ManyLines", std::vector<std::size_t>(5000, 37)},
                    ChunkCase{"EmptyWritesBetween", {0, 5, 0, kBuffer, 0}}),
    [](const testing::TestParamInfo<ChunkCase>& info) { return std::string(info.param.name); });

TEST(OutputFile, CreateTruncatesAndRefusesASecondCreate) {
  const std::string folder = xmltest::ScratchFolder("output_truncate");
  std::ofstream(folder + "a.bin") << std::string(100, 'x');
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(folder + "a.bin"));
  EXPECT_FALSE(file.Create(folder + "b.bin"));
  file.Write("new");
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.Close());
  EXPECT_EQ("new", xmltest::ReadWholeFile(folder + "a.bin"));
  EXPECT_FALSE(xmltest::Exists(folder + "b.bin"));
}

TEST(OutputFile, FailedWritesAreReportedByClose) {
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(kFullDevice));
  file.Write("a few bytes stay in the buffer");
  EXPECT_FALSE(file.Failed());
  EXPECT_FALSE(file.Close());
}

TEST(OutputFile, HugeWriteFailsAtOnce) {
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(kFullDevice));
  file.Write(std::string(2 * kBuffer, 'x'));
  EXPECT_TRUE(file.Failed());
  EXPECT_FALSE(file.Close());
}

TEST(XmlWriterOnFullDisk, LaterCallsAndCloseReportTheFailure) {
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(kFullDevice, ""));
  int rowsWritten = 0;
  while (rowsWritten < 100000 && writer.WriteColumn("NAME", "a cell text of some length") == 0) ++rowsWritten;
  EXPECT_LT(rowsWritten, 100000);
  EXPECT_EQ(1, writer.EndRow());
  EXPECT_EQ(1, writer.Close());
  EXPECT_EQ(1, writer.Close());  // closed after all
}

#ifdef _WIN32
TEST(OutputFile, OthersMayReadAndWriteWhileOpen) {
  const std::string path = xmltest::ScratchFolder("output_share") + "shared.xml";
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(path));
  for (const DWORD access : {DWORD(GENERIC_READ), DWORD(GENERIC_WRITE)}) {
    const HANDLE other = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, other) << "access " << access;
    CloseHandle(other);
  }
  EXPECT_TRUE(file.Close());
}
#endif

}  // namespace
