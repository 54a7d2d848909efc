// The benchmark's figures: ratios, rates, per-row memory, the median of the sort clicks and
// the table rows they are written as, including every way a measurement can have failed.
#include <gtest/gtest.h>

#include "Figures.h"

namespace {

using namespace benchfig;

struct RatioCase {
  const char* name;
  double seconds;
  double baseline;
  double expected;
};

TEST(BenchFigures, Ratio) {
  const RatioCase cases[] = {
      {"slower than the baseline", 6.0, 1.5, 4.0},
      {"faster than the baseline", 0.5, 2.0, 0.25},
      {"failed step", -1.0, 2.0, -1.0},
      {"failed baseline", 3.0, -1.0, -1.0},
      {"baseline of no time", 3.0, 0.0, -1.0},
  };
  for (const RatioCase& c : cases) EXPECT_DOUBLE_EQ(c.expected, Ratio(c.seconds, c.baseline)) << c.name;
}

TEST(BenchFigures, MegabytesPerSecondCountsDecimalMegabytes) {
  EXPECT_DOUBLE_EQ(12.5, MegabytesPerSecond(25000000, 2.0));
  EXPECT_DOUBLE_EQ(0.0, MegabytesPerSecond(0, 1.0)) << "an empty file is a rate, not a failure";
  EXPECT_DOUBLE_EQ(-1.0, MegabytesPerSecond(1000, 0.0));
  EXPECT_DOUBLE_EQ(-1.0, MegabytesPerSecond(1000, -1.0));
}

TEST(BenchFigures, BytesPerRow) {
  EXPECT_DOUBLE_EQ(250.0, BytesPerRow(1000000, 26000000, 100000));
  EXPECT_DOUBLE_EQ(0.0, BytesPerRow(5000, 5000, 10));
  EXPECT_DOUBLE_EQ(-1.0, BytesPerRow(5000, 4000, 10)) << "memory that shrank must not wrap around";
  EXPECT_DOUBLE_EQ(-1.0, BytesPerRow(0, 4000, 0));
}

struct MedianCase {
  const char* name;
  std::vector<double> samples;
  double expected;
};

TEST(BenchFigures, Median) {
  const MedianCase cases[] = {
      {"one sample", {2.5}, 2.5},
      {"odd count, unsorted", {3.0, 1.0, 2.0}, 2.0},
      {"even count averages the middle two", {4.0, 1.0, 3.0, 2.0}, 2.5},
      {"an outlier does not move it", {1.0, 1.1, 90.0}, 1.1},
      {"no samples", {}, -1.0},
      {"a failed click spoils the series", {1.0, -1.0, 2.0}, -1.0},
  };
  for (const MedianCase& c : cases) EXPECT_DOUBLE_EQ(c.expected, Median(c.samples)) << c.name;
}

struct RowCase {
  const char* name;
  double value;
  const char* unit;
  int decimals;
  const char* expected;
};

TEST(BenchFigures, TableRow) {
  const RowCase cases[] = {
      {"rounded to two places", 12.346, "s", 2, "| step | 12.35 s |"},
      {"no unit", 3.0, "", 1, "| step | 3.0 |"},
      {"whole numbers", 254.4, "bytes", 0, "| step | 254 bytes |"},
      {"zero is a figure", 0.0, "s", 2, "| step | 0.00 s |"},
      {"failed", -1.0, "s", 2, "| step | failed |"},
  };
  for (const RowCase& c : cases) EXPECT_EQ(c.expected, TableRow("step", c.value, c.unit, c.decimals)) << c.name;
}

}  // namespace
