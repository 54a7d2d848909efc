#include "ResourceSample.h"

#include "ProcessList.h"

#include <cstdio>

namespace soak {
namespace {

struct Measure {
  const char* name;
  std::uint64_t ResourceSample::*field;
};

const Measure kMeasures[] = {{"handles", &ResourceSample::handles},
                             {"GDI objects", &ResourceSample::gdiObjects},
                             {"USER objects", &ResourceSample::userObjects},
                             {"private bytes", &ResourceSample::privateBytes},
                             {"windows", &ResourceSample::windows}};

struct WindowCount {
  DWORD processId;
  std::uint64_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++reinterpret_cast<WindowCount*>(counter)->count;
  return TRUE;
}

BOOL CALLBACK CountTopWindow(HWND window, LPARAM counter) {
  auto* windows = reinterpret_cast<WindowCount*>(counter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != windows->processId) return TRUE;
  ++windows->count;
  EnumChildWindows(window, CountChild, counter);
  return TRUE;
}

bool FindInProcessList(DWORD processId, ResourceSample& sample) {
  harness::ProcessListEntry entry;
  if (!harness::ReadProcessListEntry(processId, entry)) return false;
  sample.handles = entry.handles;
  sample.privateBytes = entry.privateBytes;
  return true;
}

}  // namespace

bool SampleResources(DWORD processId, ResourceSample& sample) {
  if (!FindInProcessList(processId, sample)) return false;
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
  sample.gdiObjects = process ? GetGuiResources(process, GR_GDIOBJECTS) : 0;
  sample.userObjects = process ? GetGuiResources(process, GR_USEROBJECTS) : 0;
  if (process) CloseHandle(process);
  WindowCount windows = {processId, 0};
  EnumWindows(CountTopWindow, reinterpret_cast<LPARAM>(&windows));
  sample.windows = windows.count;
  return true;
}

std::vector<std::string> GrownBeyond(const ResourceSample& before, const ResourceSample& after, double allowedGrowth) {
  std::vector<std::string> grown;
  for (const Measure& measure : kMeasures) {
    const double was = static_cast<double>(before.*measure.field);
    const double is = static_cast<double>(after.*measure.field);
    if (is > was * (1.0 + allowedGrowth)) grown.push_back(measure.name);
  }
  return grown;
}

std::string Describe(const ResourceSample& sample) {
  char text[160];
  std::snprintf(text, sizeof text, "handles %llu, GDI %llu, USER %llu, windows %llu, private %.2f MB",
                static_cast<unsigned long long>(sample.handles), static_cast<unsigned long long>(sample.gdiObjects),
                static_cast<unsigned long long>(sample.userObjects), static_cast<unsigned long long>(sample.windows),
                sample.privateBytes / (1024.0 * 1024.0));
  return text;
}

}  // namespace soak
