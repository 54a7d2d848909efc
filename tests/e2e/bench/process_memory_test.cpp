// Memory figures read from the process list: this process's own, which must move when it
// touches memory, and a process that does not exist.
#include <gtest/gtest.h>

#include <vector>

#include "ProcessMemory.h"

namespace {

using programbench::ProcessMemory;
using programbench::ReadProcessMemoryFigures;

TEST(ProcessMemory, PeakWorkingSetRisesWithTouchedMemory) {
  ProcessMemory before;
  ASSERT_TRUE(ReadProcessMemoryFigures(GetCurrentProcessId(), before));
  EXPECT_GT(before.workingSet, 0u);
  EXPECT_GE(before.peakWorkingSet, before.workingSet);

  const std::size_t size = 64u << 20;
  std::vector<char> block(size, 1);  // written, so every page becomes resident
  ProcessMemory after;
  ASSERT_TRUE(ReadProcessMemoryFigures(GetCurrentProcessId(), after));
  EXPECT_GE(after.peakWorkingSet, before.workingSet + size * 3 / 4) << "the peak must count the touched block";
  EXPECT_GE(after.privateBytes, before.privateBytes + size * 3 / 4);
  EXPECT_EQ(1, block[size - 1]);
}

TEST(ProcessMemory, ProcessNotListedIsRefused) {
  ProcessMemory memory;
  EXPECT_FALSE(ReadProcessMemoryFigures(0xFFFFFFF0u, memory));
  EXPECT_EQ(0u, memory.peakWorkingSet);
}

}  // namespace
