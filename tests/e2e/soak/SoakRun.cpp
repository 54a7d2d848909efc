#include "SoakRun.h"

#include <algorithm>
#include <cstdio>

#include "SoakCycle.h"

namespace soak {
namespace {

bool Sample(DWORD process, const char* label, ResourceSample& sample, SoakReport& report, std::FILE* log) {
  if (!SampleResources(process, sample)) {
    report.error = std::string("cannot sample the program's resources ") + label;
    return false;
  }
  if (log) std::fprintf(log, "%-16s %s\n", label, Describe(sample).c_str());
  return true;
}

}  // namespace

SoakReport RunSoak(int cycles, const std::string& name, std::FILE* log) {
  SoakReport report;
  exece2e::Workbench bench;
  report.error = StartForSoak(bench, name);
  if (!report.error.empty()) return report;
  const DWORD process = ProgramId(bench);
  // The baseline comes after a tenth of the cycles, and never before the fifth: the client
  // library's caches fill over the first cycles in one step, which is not growth.
  const int baseline = std::max(cycles / 10, 5);
  const DWORD started = GetTickCount();
  bool sampled = Sample(process, "start", report.start, report, log);
  for (int cycle = 0; sampled && cycle < cycles && report.error.empty(); ++cycle) {
    report.error = RunCycle(bench, cycle);
    report.cyclesRun = cycle + 1;
    if (report.cyclesRun == baseline) sampled = Sample(process, "baseline", report.baseline, report, log);
    // The samples between show whether a growth goes on or has levelled off.
    if (log && report.cyclesRun % 50 == 0) {
      ResourceSample progress;
      const std::string label = std::to_string(report.cyclesRun) + " cycles";
      sampled = Sample(process, label.c_str(), progress, report, log);
      std::fflush(log);
    }
  }
  report.seconds = (GetTickCount() - started) / 1000.0;
  if (sampled && report.error.empty() && Sample(process, "end", report.end, report, log))
    report.grown = GrownBeyond(report.baseline, report.end, kAllowedGrowth);
  if (!bench.Close() && report.error.empty()) report.error = "the program did not end cleanly";
  return report;
}

}  // namespace soak
