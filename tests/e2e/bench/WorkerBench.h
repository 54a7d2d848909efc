// The window during a long run (scripts/bench-program worker): how often it answers while a
// 30-second script runs, and how long Esc takes to end the run.
#ifndef ZENQUILL_TESTS_E2E_BENCH_WORKERBENCH_H
#define ZENQUILL_TESTS_E2E_BENCH_WORKERBENCH_H

namespace programbench {

// Prints a Markdown table; false when a step failed.
bool MeasureLongRun();

}  // namespace programbench

#endif
