// The harness against its own test program: every reader and driver on known contents.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Harness.h"
#include "TestAppIds.h"

namespace {

using e2e::WindowsPath;
using Texts = std::vector<std::string>;

class TestApp : public ::testing::Test {
 protected:
  void SetUp() override {
    work = WindowsPath(ZQ_TESTAPP_WORK);
    CreateDirectoryA(work.c_str(), nullptr);
    e2e::LaunchOptions options;
    options.program = WindowsPath(ZQ_TESTAPP);
    options.arguments = "--flag value";
    options.workingFolder = work;
    // The given value must replace the harness's own, whatever the case of the name.
    SetEnvironmentVariableA("ZQ_TESTAPP_NOTE", "the harness's own value");
    options.environment = {"zq_testapp_note=hello"};
    ASSERT_TRUE(app.Start(options)) << app.Error();
    e2e::WindowQuery query;
    query.className = "ZqHarnessTestApp";
    query.caption = "Harness Test App";
    query.processId = app.Id();
    main = e2e::WaitForTopWindow(query, e2e::kDefaultTimeoutMs);
    ASSERT_NE(nullptr, main);
    note = e2e::WaitForControl(main, IDC_NOTE, e2e::kDefaultTimeoutMs);
    ASSERT_NE(nullptr, note);
  }

  void TearDown() override {
    app.Close();
    SetEnvironmentVariableA("ZQ_TESTAPP_NOTE", nullptr);
  }

  bool NoteBecomes(const std::string& text) {
    return e2e::WaitUntil([&] { return e2e::GetText(note) == text; });
  }

  std::string work;
  e2e::AppProcess app;
  HWND main = nullptr;
  HWND note = nullptr;
};

TEST_F(TestApp, StartsInItsFolderWithEnvironmentAndArguments) {
  const std::string started = e2e::GetText(note);
  const std::string folder = started.substr(0, started.find('|'));
  EXPECT_EQ(0, lstrcmpiA(work.c_str(), folder.c_str())) << folder;
  EXPECT_EQ("|hello|--flag value", started.substr(folder.size()));
  EXPECT_TRUE(app.Running());
}

TEST_F(TestApp, SetsAndGetsControlTexts) {
  for (const std::string& text : Texts{"", "plain", "tab\there", std::string(3000, 'q')}) {
    EXPECT_TRUE(e2e::SetText(note, text));
    EXPECT_EQ(text, e2e::GetText(note));
  }
}

TEST_F(TestApp, ReadsComboItemsAndSelection) {
  HWND combo = GetDlgItem(main, IDC_COMBO);
  EXPECT_EQ((Texts{"alpha", "beta", "gamma"}), e2e::ComboItems(combo));
  EXPECT_EQ(1, e2e::ComboSelection(combo));
}

TEST_F(TestApp, ReadsListHeadingsAndCells) {
  e2e::ListViewReader list(GetDlgItem(main, IDC_LIST));
  EXPECT_EQ((Texts{"Name", "City", "Note"}), list.Columns());
  EXPECT_EQ(3, list.RowCount());
  const std::vector<Texts> expected = {
      {"Smith", "London", "short"}, {"Jones", "Paris", std::string(3000, 'n')}, {"Ng", "", ""}};
  EXPECT_EQ(expected, list.Rows());
  EXPECT_EQ("Paris", list.Cell(1, 1));
  EXPECT_EQ("", list.Cell(7, 0)) << "no such row";
  EXPECT_EQ(-1, list.SelectedRow());
}

TEST_F(TestApp, ClicksAColumnHeading) {
  e2e::ListViewReader list(GetDlgItem(main, IDC_LIST));
  const RECT city = list.HeadingRect(1);
  EXPECT_EQ(120, city.left);
  EXPECT_EQ(240, city.right);
  ASSERT_TRUE(list.ClickHeading(2));
  EXPECT_TRUE(NoteBecomes("column clicked: 2"));
  EXPECT_FALSE(list.ClickHeading(9)) << "no such column";
}

TEST_F(TestApp, ReadsTheWholeTree) {
  e2e::TreeViewReader tree(GetDlgItem(main, IDC_TREE));
  const std::vector<e2e::TreeNode> roots = tree.Roots();
  ASSERT_EQ(2u, roots.size());
  const e2e::TreeNode& database = roots[0];
  EXPECT_EQ("Database", database.text);
  EXPECT_TRUE(database.expanded);
  ASSERT_EQ(2u, database.children.size());
  const e2e::TreeNode& tables = database.children[0];
  EXPECT_EQ("Tables", tables.text);
  EXPECT_FALSE(tables.expanded);
  EXPECT_EQ(1, tables.image);
  EXPECT_EQ(1, tables.childrenFlag);
  ASSERT_EQ(2u, tables.children.size()) << "collapsed items are read too";
  EXPECT_EQ("User", tables.children[0].text);
  EXPECT_EQ(2, tables.children[1].image);
  EXPECT_EQ(3, tables.children[1].selectedImage);
  EXPECT_EQ(0, tables.children[1].childrenFlag);
  EXPECT_EQ("Views", database.children[1].text);
  EXPECT_TRUE(database.children[1].children.empty());
  EXPECT_EQ("Users", roots[1].text);
  EXPECT_EQ(4, roots[1].image);
}

TEST_F(TestApp, FindsSelectsAndExpandsTreeItems) {
  e2e::TreeViewReader tree(GetDlgItem(main, IDC_TREE));
  EXPECT_EQ(nullptr, tree.Find({"Database", "Nothing"}));
  HTREEITEM tables = tree.Find({"Database", "Tables"});
  HTREEITEM all = tree.Find({"Database", "Tables", "All"});
  ASSERT_NE(nullptr, all);

  EXPECT_TRUE(tree.Select(all));
  EXPECT_TRUE(NoteBecomes("selected: All")) << "the program saw the selection change";
  EXPECT_EQ(all, tree.Selected());
  EXPECT_TRUE(tree.Item(all).selected);
  EXPECT_TRUE(tree.Item(tables).expanded) << "selecting shows the item";

  EXPECT_TRUE(tree.Expand(tables, false));
  EXPECT_FALSE(tree.Item(tables).expanded);
}

TEST_F(TestApp, ReadsMenuTextsAndStates) {
  std::vector<e2e::MenuItem> menu;
  std::string error;
  ASSERT_TRUE(e2e::ReadMenuBar(main, false, menu, error)) << error;
  ASSERT_EQ(2u, menu.size());
  EXPECT_EQ("&File", menu[0].text);
  ASSERT_EQ(3u, menu[0].items.size());
  EXPECT_EQ("&Open Dialog...\tCtrl+O", menu[0].items[0].text);
  EXPECT_EQ(static_cast<UINT>(ID_OPEN_DIALOG), menu[0].items[0].id);
  EXPECT_TRUE(menu[0].items[1].separator);
  EXPECT_EQ("E&xit", menu[0].items[2].text);

  const e2e::MenuItem* undo = e2e::FindMenuItem(menu, {"&Edit", "&Undo\tCtrl+Z"});
  ASSERT_NE(nullptr, undo);
  EXPECT_TRUE(undo->enabled) << "as the resource has it";
  const e2e::MenuItem* wrap = e2e::FindMenuCommand(menu, ID_WRAP);
  ASSERT_NE(nullptr, wrap);
  EXPECT_TRUE(wrap->checked);
  const e2e::MenuItem* deep = e2e::FindMenuItem(menu, {"&Edit", "&More", "&Deep"});
  ASSERT_NE(nullptr, deep);
  EXPECT_FALSE(deep->enabled);
  EXPECT_FALSE(deep->checked);
}

TEST_F(TestApp, RefreshRunsTheProgramsUpdateHandlers) {
  std::vector<e2e::MenuItem> menu;
  std::string error;
  ASSERT_TRUE(e2e::ReadMenuBar(main, true, menu, error)) << error;
  const e2e::MenuItem* undo = e2e::FindMenuCommand(menu, ID_UNDO);
  ASSERT_NE(nullptr, undo);
  EXPECT_FALSE(undo->enabled);
  EXPECT_TRUE(e2e::FindMenuCommand(menu, ID_EXIT)->enabled);
}

TEST_F(TestApp, FillsAndConfirmsAModalDialog) {
  ASSERT_TRUE(e2e::PostCommand(main, ID_OPEN_DIALOG));
  HWND dialog = e2e::WaitForDialog("Harness Dialog", app.Id(), e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, dialog);
  ASSERT_TRUE(e2e::SetText(GetDlgItem(dialog, IDC_DIALOG_TEXT), "typed in the dialog"));
  e2e::Click(GetDlgItem(dialog, IDOK));
  EXPECT_TRUE(e2e::WaitForGone(dialog, e2e::kDefaultTimeoutMs));
  EXPECT_TRUE(NoteBecomes("typed in the dialog"));
}

TEST_F(TestApp, PostedKeyGoesThroughAccelerators) {
  ASSERT_TRUE(e2e::PostKey(main, VK_F5));
  EXPECT_TRUE(NoteBecomes("F5 pressed"));
}

TEST_F(TestApp, MeasuresClientAndChildRectangles) {
  const RECT client = e2e::ClientRect(main);
  EXPECT_EQ(600, client.right);
  EXPECT_EQ(400, client.bottom);
  const RECT edit = e2e::ChildRect(main, note);
  EXPECT_EQ((std::vector<LONG>{10, 10, 290, 34}), (std::vector<LONG>{edit.left, edit.top, edit.right, edit.bottom}));
  const RECT tree = e2e::ChildRect(main, GetDlgItem(main, IDC_TREE));
  EXPECT_EQ((std::vector<LONG>{400, 50, 590, 250}), (std::vector<LONG>{tree.left, tree.top, tree.right, tree.bottom}));
}

TEST_F(TestApp, FindsControlsAtAnyDepth) {
  HWND nested = e2e::FindControl(main, IDC_NESTED);
  ASSERT_NE(nullptr, nested);
  EXPECT_EQ(GetDlgItem(main, IDC_PANEL), GetParent(nested));
  EXPECT_EQ(GetDlgItem(main, IDC_LIST), e2e::FindControl(main, IDC_LIST));
  EXPECT_EQ(nullptr, e2e::FindControl(main, 4242));
}

TEST_F(TestApp, ClosesByItself) {
  EXPECT_TRUE(app.Close());
  EXPECT_FALSE(app.Running());
  EXPECT_EQ(0u, app.ExitCode());
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(TestApp, SavesAScreenshot) {
  const std::string path = e2e::ArtifactPath("harness-test-app.png");
  DeleteFileA(path.c_str());
  ASSERT_TRUE(e2e::SaveScreenshot(path));
  unsigned char head[24] = {};
  FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(nullptr, file);
  const size_t read = std::fread(head, 1, sizeof head, file);
  std::fclose(file);
  ASSERT_EQ(sizeof head, read);
  EXPECT_EQ(0, std::memcmp(head, "\x89PNG\r\n\x1a\n", 8));
  const auto big = [&](int at) { return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3]; };
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), big(16));
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), big(20));
}

TEST_F(TestApp, RemoteBufferKeepsWithinItsSize) {
  e2e::RemoteBuffer buffer(main, 16);
  ASSERT_TRUE(buffer.Valid());
  EXPECT_TRUE(buffer.Write(8, "abcdefgh", 8));
  char back[8] = {};
  EXPECT_TRUE(buffer.Read(8, back, 8));
  EXPECT_EQ(0, std::memcmp(back, "abcdefgh", 8));
  EXPECT_FALSE(buffer.Write(9, "abcdefgh", 8));
  EXPECT_FALSE(buffer.Read(16, back, 1));
}

TEST(AppProcessStart, ReportsAProgramThatCannotStart) {
  e2e::AppProcess app;
  e2e::LaunchOptions options;
  options.program = "Z:\\no\\such\\program.exe";
  EXPECT_FALSE(app.Start(options));
  EXPECT_NE(std::string::npos, app.Error().find("program.exe"));
  EXPECT_FALSE(app.Running());
}

TEST(WindowFind, GivesUpAfterTheTimeout) {
  e2e::WindowQuery query;
  query.caption = "No window has this caption";
  const DWORD start = GetTickCount();
  EXPECT_EQ(nullptr, e2e::WaitForTopWindow(query, 300));
  EXPECT_GE(GetTickCount() - start, 300u);
}

}  // namespace
