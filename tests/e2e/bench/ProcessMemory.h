// Memory of another process as the system's process list reports it. Under Wine,
// GetProcessMemoryInfo answers 0 for another process, while the list carries the figures
// Wine reads from the host (peak working set is the host's high-water mark of resident memory).
#ifndef ZENQUILL_TESTS_E2E_BENCH_PROCESSMEMORY_H
#define ZENQUILL_TESTS_E2E_BENCH_PROCESSMEMORY_H

#include <windows.h>

#include <cstdint>

namespace programbench {

struct ProcessMemory {
  std::uint64_t workingSet = 0;
  std::uint64_t peakWorkingSet = 0;
  std::uint64_t privateBytes = 0;
};

// False when the process is not in the list.
bool ReadProcessMemoryFigures(DWORD processId, ProcessMemory& memory);

}  // namespace programbench

#endif
