// What a process holds of the system: handles, GDI and USER objects, private bytes. A soak
// run samples these and fails when any keeps growing.
#ifndef ZENQUILL_TESTS_E2E_SOAK_RESOURCESAMPLE_H
#define ZENQUILL_TESTS_E2E_SOAK_RESOURCESAMPLE_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace soak {

struct ResourceSample {
  std::uint64_t handles = 0;
  std::uint64_t gdiObjects = 0;
  std::uint64_t userObjects = 0;
  std::uint64_t privateBytes = 0;
  std::uint64_t windows = 0;  // USER objects that Wine, whose GetGuiResources says 0, can count
};

// Samples process `processId`; false when the system does not list it. Handles and private
// bytes come from the system's process list, which Wine fills (GetProcessHandleCount and
// GetProcessMemoryInfo give 0 there for another process).
bool SampleResources(DWORD processId, ResourceSample& sample);

// The names of the resources that grew by more than `allowedGrowth` (0.02 for 2%) from
// `before` to `after`. A resource that was 0 before may not grow at all.
std::vector<std::string> GrownBeyond(const ResourceSample& before, const ResourceSample& after, double allowedGrowth);

// "handles 212, GDI 77, USER 95, windows 31, private 18.40 MB"
std::string Describe(const ResourceSample& sample);

}  // namespace soak

#endif
