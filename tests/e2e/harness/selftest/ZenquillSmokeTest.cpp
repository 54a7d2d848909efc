// The harness against the real program: it starts, shows its caption and its menu bar.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"

namespace {

TEST(ZenquillSmoke, StartsWithAnUntitledDocument) {
  // A fresh working folder with the stand-in client library, as a user's installation has it.
  const std::string work = e2e::WindowsPath(ZQ_SMOKE_WORK);
  CreateDirectoryA(work.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(e2e::WindowsPath(ZQ_OCI_DLL).c_str(), (work + "\\oci.dll").c_str(), FALSE));

  e2e::AppProcess app;
  e2e::LaunchOptions options;
  options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
  options.workingFolder = work;
  ASSERT_TRUE(app.Start(options)) << app.Error();

  e2e::WindowQuery query;
  query.caption = "Untitled - Zenquill Professional";
  query.processId = app.Id();
  HWND main = e2e::WaitForTopWindow(query, e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, main);
  EXPECT_EQ("Untitled - Zenquill Professional", e2e::GetText(main));
  std::vector<e2e::MenuItem> menu;
  std::string error;
  ASSERT_TRUE(e2e::ReadMenuBar(main, true, menu, error)) << error;
  ASSERT_FALSE(menu.empty());
  EXPECT_EQ("File", e2e::MenuLabel(menu[0].text));
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("zenquill-smoke.png")));
  app.Kill();  // closing (through the start-up dialogs) is for the program's own tests
}

}  // namespace
