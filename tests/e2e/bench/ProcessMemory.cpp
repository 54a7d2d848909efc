#include "ProcessMemory.h"

#include "ProcessList.h"

namespace programbench {

bool ReadProcessMemoryFigures(DWORD processId, ProcessMemory& memory) {
  harness::ProcessListEntry entry;
  if (!harness::ReadProcessListEntry(processId, entry)) return false;
  memory.workingSet = entry.workingSet;
  memory.peakWorkingSet = entry.peakWorkingSet;
  memory.privateBytes = entry.privateBytes;
  return true;
}

}  // namespace programbench
