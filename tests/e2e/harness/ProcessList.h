// Another process's figures as the system's process list reports them. Under Wine,
// GetProcessMemoryInfo, GetProcessHandleCount and GetGuiResources answer 0 or nothing for
// another process, while the list carries the figures the Wine server keeps.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_PROCESSLIST_H
#define ZENQUILL_TESTS_E2E_HARNESS_PROCESSLIST_H

#include <windows.h>

#include <cstdint>

namespace harness {

struct ProcessListEntry {
  std::uint64_t handles = 0;  // Wine reports the size of the handle table: coarse
  std::uint64_t workingSet = 0;
  std::uint64_t peakWorkingSet = 0;
  std::uint64_t privateBytes = 0;
};

// False when the process is not in the list.
bool ReadProcessListEntry(DWORD processId, ProcessListEntry& entry);

}  // namespace harness

#endif
