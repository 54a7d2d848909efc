#include "SortMarkGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using zq::MarkPath;
using zq::MarkPoint;
using zq::MarkRect;

bool operator==(const MarkRect& a, const MarkRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::vector<std::pair<int, int>> Points(const MarkPath& path) {
  std::vector<std::pair<int, int>> points;
  for (int i = 0; i < path.count; ++i) points.emplace_back(path.points[i].x, path.points[i].y);
  return points;
}

struct TextRectCase {
  const char* name;
  MarkRect item;
  int blank;
  bool pressed;
  bool sorted;
  MarkRect expected;
};

const TextRectCase kTextRects[] = {
    {"PlainMargins", {100, 0, 200, 20}, 3, false, false, {106, 0, 194, 20}},
    {"SortedKeepsRoomForMark", {100, 0, 200, 20}, 3, false, true, {106, 0, 176, 20}},
    {"PressedShiftsRightAndDown", {100, 0, 200, 20}, 3, true, false, {107, 2, 195, 20}},
    {"PressedAndSorted", {0, 0, 150, 24}, 4, true, true, {9, 2, 119, 24}},
    {"WiderBlank", {10, 0, 110, 30}, 7, false, true, {24, 0, 54, 30}},
};

class TextRectTest : public ::testing::TestWithParam<TextRectCase> {};

TEST_P(TextRectTest, MarginsScaleWithTheBlank) {
  const TextRectCase& c = GetParam();
  EXPECT_TRUE(zq::SortTextRect(c.item, c.blank, c.pressed, c.sorted) == c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextRectTest, ::testing::ValuesIn(kTextRects),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoomCase {
  const char* name;
  int width;
  bool sorted;
  bool room;
};

const RoomCase kRooms[] = {
    {"UnsortedJustEnough", 13, false, true},                                             // 13 - 4*3 = 1 pixel left
    {"UnsortedExactlyMargins", 12, false, false}, {"SortedJustEnough", 31, true, true},  // 31 - 10*3 = 1
    {"SortedExactlyMargins", 30, true, false},    {"SortedNarrowerThanMargins", 20, true, false},
};

class RoomTest : public ::testing::TestWithParam<RoomCase> {};

TEST_P(RoomTest, TextNeedsRoomBetweenMargins) {
  const RoomCase& c = GetParam();
  const MarkRect text = zq::SortTextRect({50, 0, 50 + c.width, 20}, 3, false, c.sorted);
  EXPECT_EQ(c.room, zq::HasRoomForText(text));
}

INSTANTIATE_TEST_SUITE_P(Cases, RoomTest, ::testing::ValuesIn(kRooms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SortMarkPaths, AscendingPointsUp) {
  // Item 100..200 by 0..20, blank 3: R-4s=188, R-3s=191, R-5s=185, 2s=6, B-2s=14.
  const zq::SortMark mark = zq::SortMarkPaths({100, 0, 200, 20}, 3, true);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{188, 5}, {191, 14}, {183, 14}}), Points(mark.light));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{184, 13}, {188, 4}}), Points(mark.dark));
}

TEST(SortMarkPaths, DescendingPointsDown) {
  const zq::SortMark mark = zq::SortMarkPaths({100, 0, 200, 20}, 3, false);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{191, 5}, {187, 15}}), Points(mark.light));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{187, 14}, {184, 5}, {191, 5}}), Points(mark.dark));
}

}  // namespace
