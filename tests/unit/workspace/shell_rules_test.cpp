#include <gtest/gtest.h>

#include "StartupRules.h"
#include "ViewLayout.h"

namespace {

void ExpectPlace(const ControlPlace& expected, const ControlPlace& actual, const char* what) {
  EXPECT_EQ(expected.x, actual.x) << what;
  EXPECT_EQ(expected.y, actual.y) << what;
  EXPECT_EQ(expected.width, actual.width) << what;
  EXPECT_EQ(expected.height, actual.height) << what;
}

TEST(WorkspaceLayout, ClientAreasGiveTheFourPlaces) {
  const struct {
    int cx, cy;
    ControlPlace tree, editor, list, message;
  } cases[] = {
      // Odd height: the list ends one pixel above the message line.
      {800, 601, {0, 0, 200, 581}, {200, 0, 600, 300}, {200, 300, 600, 280}, {0, 581, 800, 20}},
      {800, 600, {0, 0, 200, 580}, {200, 0, 600, 300}, {200, 300, 600, 280}, {0, 580, 800, 20}},
      {1024, 501, {0, 0, 200, 481}, {200, 0, 824, 250}, {200, 250, 824, 230}, {0, 481, 1024, 20}},
      // No minimum: too small an area gives empty or negative extents.
      {150, 30, {0, 0, 200, 10}, {200, 0, -50, 15}, {200, 15, -50, -5}, {0, 10, 150, 20}},
      {0, 0, {0, 0, 200, -20}, {200, 0, -200, 0}, {200, 0, -200, -20}, {0, -20, 0, 20}},
  };
  for (const auto& c : cases) {
    const WorkspaceLayout layout = LayoutWorkspace(c.cx, c.cy);
    SCOPED_TRACE(testing::Message() << c.cx << "x" << c.cy);
    ExpectPlace(c.tree, layout.schemaTree, "tree");
    ExpectPlace(c.editor, layout.sqlEditor, "editor");
    ExpectPlace(c.list, layout.resultList, "list");
    ExpectPlace(c.message, layout.messageLine, "message line");
  }
}

TEST(WorkspaceLayout, ControlsTileTheWholeClientArea) {
  for (int cx = 201; cx < 1300; cx += 97) {
    for (int cy = 41; cy < 900; cy += 53) {
      const WorkspaceLayout l = LayoutWorkspace(cx, cy);
      EXPECT_EQ(cx, l.sqlEditor.x + l.sqlEditor.width);
      EXPECT_EQ(cx, l.resultList.x + l.resultList.width);
      EXPECT_EQ(l.sqlEditor.height, l.resultList.y);
      EXPECT_EQ(l.schemaTree.height, l.messageLine.y);
      EXPECT_EQ(cy, l.messageLine.y + l.messageLine.height);
      // Odd heights leave one pixel row between the list and the message line.
      EXPECT_EQ(cy % 2, l.messageLine.y - (l.resultList.y + l.resultList.height));
    }
  }
}

TEST(StartupRules, HomePageOnEveryFifthStart) {
  const struct {
    int start;
    bool opens;
  } cases[] = {{1, false}, {4, false}, {5, true},  {6, false}, {9, false},
               {10, true}, {15, true}, {0, false}, {-5, false}};
  for (const auto& c : cases) EXPECT_EQ(c.opens, OpensHomePage(c.start)) << c.start;
}

TEST(StartupRules, SplashDurationOverrideOnlyForPlainNumbers) {
  const struct {
    const char* value;
    unsigned ms;
  } cases[] = {{nullptr, 4000},
               {"", 4000},
               {"0", 0},
               {"150", 150},
               {"600000", 600000},
               {"600001", 4000},
               {"99999999999999999999", 4000},
               {"-1", 4000},
               {"12ms", 4000},
               {" 12", 4000}};
  for (const auto& c : cases) EXPECT_EQ(c.ms, SplashDurationMs(c.value)) << (c.value ? c.value : "null");
  EXPECT_EQ(30000u, RecoveryIntervalMs(nullptr));
  EXPECT_EQ(30000u, RecoveryIntervalMs("12ms"));
  EXPECT_EQ(150u, RecoveryIntervalMs("150"));
}

}  // namespace
