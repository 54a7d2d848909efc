#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace benchfig {

double Ratio(double seconds, double baselineSeconds) {
  if (seconds <= 0 || baselineSeconds <= 0) return -1;
  return seconds / baselineSeconds;
}

double MegabytesPerSecond(std::uint64_t bytes, double seconds) {
  if (seconds <= 0) return -1;
  return static_cast<double>(bytes) / 1e6 / seconds;
}

double BytesPerRow(std::uint64_t before, std::uint64_t after, int rows) {
  if (rows <= 0 || after < before) return -1;
  return static_cast<double>(after - before) / rows;
}

double Median(std::vector<double> samples) {
  if (samples.empty() || *std::min_element(samples.begin(), samples.end()) < 0) return -1;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  if (samples.size() % 2 == 1) return samples[middle];
  return (samples[middle - 1] + samples[middle]) / 2;
}

std::string TableRow(const std::string& what, double value, const std::string& unit, int decimals) {
  if (value < 0) return "| " + what + " | failed |";
  char number[64];
  std::snprintf(number, sizeof number, "%.*f", decimals, value);
  return "| " + what + " | " + number + (unit.empty() ? "" : " " + unit) + " |";
}

}  // namespace benchfig
