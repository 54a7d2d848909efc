#include "ProcessMemory.h"

#include <winternl.h>

#include <vector>

namespace programbench {

bool ReadProcessMemoryFigures(DWORD processId, ProcessMemory& memory) {
  std::vector<char> list(1 << 20);
  ULONG length = 0;
  if (NtQuerySystemInformation(SystemProcessInformation, list.data(), static_cast<ULONG>(list.size()), &length) != 0)
    return false;
  for (std::size_t at = 0;;) {
    const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(list.data() + at);
    if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == processId) {
      memory.workingSet = entry->VirtualMemoryCounters.WorkingSetSize;
      memory.peakWorkingSet = entry->VirtualMemoryCounters.PeakWorkingSetSize;
      memory.privateBytes = entry->VirtualMemoryCounters.PagefileUsage;
      return true;
    }
    if (entry->NextEntryOffset == 0) return false;
    at += entry->NextEntryOffset;
  }
}

}  // namespace programbench
