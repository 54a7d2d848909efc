// Wall-clock seconds from the performance counter: GetTickCount's 10-16 ms steps are too
// coarse for a sort click.
#ifndef ZENQUILL_TESTS_E2E_BENCH_STOPWATCH_H
#define ZENQUILL_TESTS_E2E_BENCH_STOPWATCH_H

#include <windows.h>

namespace programbench {

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }
  double Seconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) / frequency.QuadPart;
  }

 private:
  LARGE_INTEGER start_;
};

}  // namespace programbench

#endif
