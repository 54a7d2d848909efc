// The soak run's short form for CI, and the growth rule it applies.
#include <gtest/gtest.h>

#include "SoakRun.h"

namespace soak {
namespace {

ResourceSample Sample(std::uint64_t handles, std::uint64_t gdi, std::uint64_t user, std::uint64_t bytes,
                      std::uint64_t windows = 30) {
  ResourceSample sample;
  sample.windows = windows;
  sample.handles = handles;
  sample.gdiObjects = gdi;
  sample.userObjects = user;
  sample.privateBytes = bytes;
  return sample;
}

TEST(GrowthRule, NamesWhatGrewByMoreThanTheAllowance) {
  const ResourceSample before = Sample(200, 50, 100, 10000000);
  const struct {
    const char* name;
    ResourceSample after;
    std::vector<std::string> grown;
  } cases[] = {
      {"unchanged", before, {}},
      {"shrunk", Sample(150, 40, 90, 9000000), {}},
      {"exactly 2% more", Sample(204, 51, 102, 10200000), {}},
      {"one handle past 2%", Sample(205, 50, 100, 10000000), {"handles"}},
      {"one GDI object past 2%", Sample(200, 52, 100, 10000000), {"GDI objects"}},
      {"USER objects and bytes", Sample(200, 50, 103, 10200001), {"USER objects", "private bytes"}},
      {"one window more", Sample(200, 50, 100, 10000000, 31), {"windows"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.grown, GrownBeyond(before, c.after, kAllowedGrowth)) << c.name;
}

TEST(GrowthRule, NothingMayAppearFromNothing) {
  EXPECT_EQ(std::vector<std::string>{"GDI objects"},
            GrownBeyond(Sample(1, 0, 1, 1), Sample(1, 1, 1, 1), kAllowedGrowth));
}

// Twenty cycles, sampled after the second and the last: enough to see a handle or an object
// left behind per cycle, short enough for every run.
TEST(Soak, TwentyCyclesLeaveNoGrowingResource) {
  const SoakReport report = RunSoak(20, "soak-ci", stdout);
  ASSERT_EQ("", report.error);
  EXPECT_EQ(20, report.cyclesRun);
  EXPECT_GT(report.end.handles, 0u) << "the system reported no handles at all";
  EXPECT_GT(report.end.privateBytes, 0u) << "the system reported no private bytes";
  EXPECT_GT(report.end.windows, 0u) << "no window of the program found";
  EXPECT_TRUE(report.grown.empty()) << "grew: " << ::testing::PrintToString(report.grown)
                                    << "\nat the baseline: " << Describe(report.baseline)
                                    << "\nat the end: " << Describe(report.end);
}

}  // namespace
}  // namespace soak
