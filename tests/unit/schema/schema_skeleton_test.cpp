#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SchemaSkeleton.h"

namespace {

struct ExpectedNode {
  std::string text;
  std::string parent;
  int image;
};

// Display order, as the tree shows it after start-up.
const std::vector<ExpectedNode> kExpected = {
    {"Database", "", 1},       {"Tables", "Database", 0},       {"User", "Tables", 2},
    {"All", "Tables", 3},      {"Views", "Database", 4},        {"User", "Views", 2},
    {"All", "Views", 3},       {"Indexes", "Database", 7},      {"User", "Indexes", 2},
    {"All", "Indexes", 3},     {"Procedures", "Database", 5},   {"User", "Procedures", 2},
    {"All", "Procedures", 3},  {"Triggers", "Database", 8},     {"User", "Triggers", 2},
    {"All", "Triggers", 3},    {"Sequenses", "Database", 9},    {"User", "Sequenses", 2},
    {"All", "Sequenses", 3},   {"Synonyms", "Database", 11},    {"User", "Synonyms", 2},
    {"All", "Synonyms", 3},    {"Constraints", "Database", 10}, {"User", "Constraints", 2},
    {"All", "Constraints", 3}, {"DBLinks", "Database", 6},      {"User", "DBLinks", 2},
    {"All", "DBLinks", 3},     {"Users", "Database", 3},
};

TEST(SchemaSkeleton, NodesInDisplayOrderWithParentsAndImages) {
  ASSERT_EQ(kExpected.size(), static_cast<size_t>(kSkeletonNodeCount));
  for (int k = 0; k < kSkeletonNodeCount; ++k) {
    const SkeletonNode& node = kSchemaSkeleton[k];
    SCOPED_TRACE(k);
    EXPECT_EQ(kExpected[k].text, node.text);
    EXPECT_EQ(kExpected[k].image, static_cast<int>(node.image));
    if (kExpected[k].parent.empty()) {
      EXPECT_EQ(-1, node.parent);
    } else {
      // Parents come first, so a walk in table order can insert each node at once.
      ASSERT_GE(node.parent, 0);
      ASSERT_LT(node.parent, k);
      EXPECT_EQ(kExpected[k].parent, kSchemaSkeleton[node.parent].text);
    }
  }
}

}  // namespace
