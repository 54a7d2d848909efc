// The long soak run, by hand (scripts/soak-program): soak_program [cycles], 2000 by default.
// Prints the samples, the cycle rate and the resources that kept growing; exit code 1 on a
// failed cycle or growth beyond 2% between the tenth of the run and its end.
#include <cstdio>
#include <cstdlib>

#include "SoakRun.h"

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 2000;
  if (cycles < 10) {
    std::fprintf(stderr, "soak: at least 10 cycles, not \"%s\"\n", argv[1]);
    return 2;
  }
  const soak::SoakReport report = soak::RunSoak(cycles, "soak-program", stdout);
  std::printf("%d cycles in %.1f s: %.2f cycles/s\n", report.cyclesRun, report.seconds,
              report.seconds > 0 ? report.cyclesRun / report.seconds : 0.0);
  if (!report.error.empty()) std::printf("FAILED: %s\n", report.error.c_str());
  for (const std::string& name : report.grown) std::printf("FAILED: %s grew by more than 2%%\n", name.c_str());
  return report.error.empty() && report.grown.empty() ? 0 : 1;
}
