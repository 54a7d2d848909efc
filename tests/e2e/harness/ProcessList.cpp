#include "ProcessList.h"

#include <winternl.h>

#include <vector>

namespace harness {

bool ReadProcessListEntry(DWORD processId, ProcessListEntry& figures) {
  std::vector<char> list(1 << 20);
  ULONG length = 0;
  if (NtQuerySystemInformation(SystemProcessInformation, list.data(), static_cast<ULONG>(list.size()), &length) != 0)
    return false;
  for (std::size_t at = 0;;) {
    const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(list.data() + at);
    if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == processId) {
      figures.handles = entry->HandleCount;
      figures.workingSet = entry->VirtualMemoryCounters.WorkingSetSize;
      figures.peakWorkingSet = entry->VirtualMemoryCounters.PeakWorkingSetSize;
      figures.privateBytes = entry->VirtualMemoryCounters.PagefileUsage;
      return true;
    }
    if (entry->NextEntryOffset == 0) return false;
    at += entry->NextEntryOffset;
  }
}

}  // namespace harness
