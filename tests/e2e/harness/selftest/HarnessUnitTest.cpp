// The harness's own logic that needs no second process.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"

namespace {

struct TextCase {
  const char* name;
  std::string input;
  std::string expected;
};

class MenuLabelTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MenuLabelTest, ShowsWhatTheUserReads) { EXPECT_EQ(GetParam().expected, e2e::MenuLabel(GetParam().input)); }

const TextCase kLabels[] = {
    {"Plain", "Refresh", "Refresh"},
    {"Mnemonic", "&File", "File"},
    {"MnemonicInside", "Save &As...", "Save As..."},
    {"AcceleratorDropped", "&Execute\tF5", "Execute"},
    {"DoubleAmpersand", "Tom && &Jerry", "Tom & Jerry"},
    {"TrailingAmpersand", "Odd&", "Odd&"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, MenuLabelTest, ::testing::ValuesIn(kLabels),
                         [](const auto& info) { return std::string(info.param.name); });

class WindowsPathTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WindowsPathTest, MapsHostPathsToDriveZ) { EXPECT_EQ(GetParam().expected, e2e::WindowsPath(GetParam().input)); }

const TextCase kPaths[] = {
    {"HostPath", "/work/build/app.exe", "Z:\\work\\build\\app.exe"},
    {"HostRoot", "/", "Z:\\"},
    {"AlreadyWindows", "C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"},
    {"Relative", "oci.dll", "oci.dll"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, WindowsPathTest, ::testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<e2e::MenuItem> SampleMenu() {
  e2e::MenuItem open{"&Open...\tCtrl+O", 10, false, true, false, {}};
  e2e::MenuItem separator{"", 0, true, true, false, {}};
  e2e::MenuItem deep{"&Deep", 30, false, false, false, {}};
  e2e::MenuItem more{"&More", 0x1234, false, true, false, {deep}};
  e2e::MenuItem file{"&File", 0x1000, false, true, false, {open, separator, more}};
  e2e::MenuItem help{"&Help", 0x2000, false, true, false, {{"&About", 40, false, true, false, {}}}};
  return {file, help};
}

TEST(FindMenuItem, FollowsTextsDown) {
  const auto menu = SampleMenu();
  const e2e::MenuItem* deep = e2e::FindMenuItem(menu, {"&File", "&More", "&Deep"});
  ASSERT_NE(nullptr, deep);
  EXPECT_EQ(30u, deep->id);
  EXPECT_EQ(nullptr, e2e::FindMenuItem(menu, {"&File", "&Deep"})) << "not at that level";
  EXPECT_EQ(nullptr, e2e::FindMenuItem(menu, {"File"})) << "texts as written";
  EXPECT_EQ(&menu[1], e2e::FindMenuItem(menu, {"&Help"}));
}

TEST(FindMenuCommand, SearchesEveryLevelButNotPopups) {
  const auto menu = SampleMenu();
  ASSERT_NE(nullptr, e2e::FindMenuCommand(menu, 30));
  EXPECT_EQ("&Deep", e2e::FindMenuCommand(menu, 30)->text);
  EXPECT_EQ("&About", e2e::FindMenuCommand(menu, 40)->text);
  EXPECT_EQ(nullptr, e2e::FindMenuCommand(menu, 0x1234)) << "a popup is no command";
  EXPECT_EQ(nullptr, e2e::FindMenuCommand(menu, 0)) << "a separator is no command";
  EXPECT_EQ(nullptr, e2e::FindMenuCommand(menu, 99));
}

TEST(ArtifactPath, LiesInTheArtifactFolder) {
  const std::string path = e2e::ArtifactPath("x.png");
  ASSERT_GT(path.size(), 16u);
  EXPECT_EQ("\\artifacts\\x.png", path.substr(path.size() - 16));
  const std::string folder = path.substr(0, path.size() - 6);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.c_str())) << folder;
}

}  // namespace
