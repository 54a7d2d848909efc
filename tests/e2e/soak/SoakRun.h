// A soak run: cycles through the real program with resource samples at the start, after a
// tenth of the cycles (the fifth at the earliest) and at the end.
#ifndef ZENQUILL_TESTS_E2E_SOAK_SOAKRUN_H
#define ZENQUILL_TESTS_E2E_SOAK_SOAKRUN_H

#include <cstdio>
#include <string>
#include <vector>

#include "ResourceSample.h"

namespace soak {

struct SoakReport {
  int cyclesRun = 0;
  double seconds = 0;
  ResourceSample start, baseline, end;
  std::string error;               // a cycle that went wrong, or the program not starting
  std::vector<std::string> grown;  // resources that grew by more than 2% after the baseline
};

// Runs `cycles` cycles (at least 10) in the scratch folder `name`; writes one line per sample
// and progress to `log` as it goes (null: silent).
SoakReport RunSoak(int cycles, const std::string& name, std::FILE* log);

constexpr double kAllowedGrowth = 0.02;

}  // namespace soak

#endif
