// The harness against the real program: it starts with its caption and menu bar, and the
// result list of a query sorts when a column heading is clicked.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"

namespace {

class Zenquill : public ::testing::Test {
 protected:
  void SetUp() override {
    // A fresh working folder with the stand-in client library, as an installation has it.
    const std::string work = e2e::WindowsPath(ZQ_SMOKE_WORK);
    CreateDirectoryA(work.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(e2e::WindowsPath(ZQ_OCI_DLL).c_str(), (work + "\\oci.dll").c_str(), FALSE));
    // Every test here kills the program, which leaves the editor's recovery copy behind;
    // its question would come before the Connect dialog.
    DeleteFileA((work + "\\Zenquill.recover.sql").c_str());
    e2e::LaunchOptions options;
    options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
    options.workingFolder = work;
    ASSERT_TRUE(app.Start(options)) << app.Error();
    e2e::WindowQuery query;
    query.caption = "Untitled - Zenquill Professional";
    query.processId = app.Id();
    main = e2e::WaitForTopWindow(query, e2e::kDefaultTimeoutMs);
    ASSERT_NE(nullptr, main);
  }
  // Closing (through the start-up dialogs) is for the program's own tests.
  void TearDown() override { app.Kill(); }

  void ConnectToTheDemo() {
    HWND connect = e2e::WaitForDialog("Connect", app.Id(), e2e::kDefaultTimeoutMs);
    ASSERT_NE(nullptr, connect);
    e2e::SetText(GetDlgItem(connect, 1020), "DEMO");
    e2e::SetText(GetDlgItem(connect, 1005), "scott");
    e2e::SetText(GetDlgItem(connect, 1006), "tiger");
    e2e::PostClick(GetDlgItem(connect, IDOK));
    ASSERT_TRUE(e2e::WaitForGone(connect, e2e::kDefaultTimeoutMs));
  }

  e2e::AppProcess app;
  HWND main = nullptr;
};

TEST_F(Zenquill, StartsWithAnUntitledDocument) {
  EXPECT_EQ("Untitled - Zenquill Professional", e2e::GetText(main));
  std::vector<e2e::MenuItem> menu;
  std::string error;
  ASSERT_TRUE(e2e::ReadMenuBar(main, true, menu, error)) << error;
  ASSERT_FALSE(menu.empty());
  EXPECT_EQ("File", e2e::MenuLabel(menu[0].text));
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("zenquill-smoke.png")));
}

TEST_F(Zenquill, SortsTheResultByAClickedHeading) {
  ConnectToTheDemo();
  e2e::SetText(e2e::WaitForControl(main, 1000, e2e::kDefaultTimeoutMs), "select ename, job from emp");
  e2e::PostKey(main, VK_F5);
  e2e::ListViewReader result(e2e::FindControl(main, 1001));
  ASSERT_TRUE(e2e::WaitUntil([&] { return result.RowCount() == 14; }));

  ASSERT_TRUE(result.ClickHeading(1));
  EXPECT_TRUE(e2e::WaitUntil([&] { return result.Cell(0, 1) == "ANALYST"; }));
  EXPECT_EQ("SALESMAN", result.Cell(13, 1));
  ASSERT_TRUE(result.ClickHeading(1));
  EXPECT_TRUE(e2e::WaitUntil([&] { return result.Cell(0, 1) == "SALESMAN"; }));
  EXPECT_EQ("ANALYST", result.Cell(13, 1));
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("zenquill-sorted-descending.png")));
}

}  // namespace
