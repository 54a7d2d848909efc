// The arithmetic and wording of the whole-program benchmark's figures, kept apart from the
// measuring so that it can be checked on its own. A negative time means the step never
// finished; every figure derived from one is reported as failed rather than as a number.
#ifndef ZENQUILL_TESTS_E2E_BENCH_FIGURES_H
#define ZENQUILL_TESTS_E2E_BENCH_FIGURES_H

#include <cstdint>
#include <string>
#include <vector>

namespace benchfig {

// `seconds` over `baselineSeconds`; -1 when either is not a positive time.
double Ratio(double seconds, double baselineSeconds);
// Decimal megabytes (10^6 bytes) per second; -1 when the time is not positive.
double MegabytesPerSecond(std::uint64_t bytes, double seconds);
// (after - before) / rows in bytes; -1 when there are no rows or the memory shrank.
double BytesPerRow(std::uint64_t before, std::uint64_t after, int rows);
// The middle sample (the mean of the two middle ones for an even count); -1 for none or
// when any sample failed, since a failed click spoils the series.
double Median(std::vector<double> samples);

// One row of the results table: "| what | 12.35 s |", or "| what | failed |" for a
// negative value. `decimals` digits after the point.
std::string TableRow(const std::string& what, double value, const std::string& unit, int decimals = 2);

}  // namespace benchfig

#endif
