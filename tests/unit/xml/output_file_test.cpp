#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutputFile.h"
#include "TestSupport.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr std::size_t kBuffer = 64 * 1024;

// Writes around the buffer's size, in every combination, reach the file whole and in order.
TEST(OutputFile, WritesOfAnySizeArriveInOrder) {
  const std::vector<std::vector<std::size_t>> cases = {
      {}, {1}, {kBuffer}, {kBuffer - 1, 2}, {10, 3 * kBuffer + 7, 0, 10}, std::vector<std::size_t>(5000, 37)};
  const std::string path = xmltest::ScratchFolder("output_chunks") + "out.bin";
  for (const std::vector<std::size_t>& sizes : cases) {
    std::string expected;
    xml::OutputFile file;
    ASSERT_TRUE(file.Create(path));
    for (const std::size_t size : sizes) {
      const std::string chunk(size, static_cast<char>('a' + expected.size() % 26));
      file.Write(chunk);
      expected += chunk;
    }
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(expected, xmltest::ReadWholeFile(path)) << sizes.size() << " writes";
  }
}

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
  EXPECT_FALSE(std::filesystem::exists(folder + "b.bin"));
}

TEST(OutputFile, AFailedWriteStillInTheBufferIsReportedByClose) {
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(xmltest::kFullDevice));
  file.Write("a few bytes");
  EXPECT_FALSE(file.Failed());
  EXPECT_FALSE(file.Close());
}

#ifdef _WIN32
TEST(OutputFile, OthersMayReadAndWriteWhileOpen) {
  const std::string path = xmltest::ScratchFolder("output_share") + "shared.xml";
  xml::OutputFile file;
  ASSERT_TRUE(file.Create(path));
  for (const DWORD access : {DWORD(GENERIC_READ), DWORD(GENERIC_WRITE)}) {
    const HANDLE other = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, other) << access;
    CloseHandle(other);
  }
  EXPECT_TRUE(file.Close());
}
#endif

}  // namespace
