// The start-up sequence and the About box through the real program: the start dialog,
// the start counter, the maker's home page on every fifth start, the Connect dialog,
// and the About box's hyperlink.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "Addresses.h"
#include "ShellSession.h"
#include "resource.h"

namespace shelle2e {
namespace {

using Clock = std::chrono::steady_clock;

const std::string kHomePageLine = std::string(ZQ_HOME_PAGE) + "\n";

// The start dialog: a window of the program's without caption, on top of the others.
HWND FindStartDialog(DWORD processId) {
  for (HWND window : e2e::TopWindowsOf(processId)) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && e2e::GetText(window).empty() && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

class StartUp : public ::testing::Test {
 protected:
  RecordingBrowser browser;
  ShellSession s;
};

TEST_F(StartUp, FirstStartShowsTheStartDialogForFourSecondsThenConnect) {
  ASSERT_TRUE(s.Start("first_start", nullptr, 0));
  HWND start = nullptr;
  ASSERT_TRUE(e2e::WaitUntil([&] { return (start = FindStartDialog(s.Id())) != nullptr; }));
  const Clock::time_point shown = Clock::now();
  EXPECT_TRUE(GetWindowLongA(start, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT client;
  GetClientRect(start, &client);
  EXPECT_GE(client.right, 390);
  EXPECT_GE(client.bottom, 255);
  Sleep(300);
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("start-dialog.png")));

  // Neither Enter, nor Esc, nor a close request ends it.
  e2e::PostKey(start, VK_RETURN);
  e2e::PostKey(start, VK_ESCAPE);
  PostMessageA(start, WM_CLOSE, 0, 0);
  PostMessageA(start, WM_COMMAND, IDCANCEL, 0);
  Sleep(500);
  EXPECT_TRUE(IsWindowVisible(start));

  ASSERT_TRUE(e2e::WaitForGone(start, 8000));
  const double seconds = std::chrono::duration<double>(Clock::now() - shown).count();
  EXPECT_GT(seconds, 3.4);
  EXPECT_LT(seconds, 5.5);
  HWND connect = e2e::WaitForDialog("Connect", s.Id(), e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, connect);
  EXPECT_NE(std::string::npos, s.Settings().find("STARTCOUNT=1\r\n")) << s.Settings();
  EXPECT_EQ("", s.OpenedAddresses());
  e2e::PostClick(GetDlgItem(connect, IDCANCEL));
  EXPECT_TRUE(e2e::WaitForGone(connect, e2e::kDefaultTimeoutMs));
  EXPECT_TRUE(s.Close());
}

TEST_F(StartUp, EveryFifthStartOpensTheHomePageBeforeConnect) {
  const struct {
    const char* stored;
    const char* written;
    bool homePage;
  } cases[] = {{"4", "5", true}, {"9", "10", true}, {"3", "4", false}, {"abc", "1", false}, {"14", "15", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    ShellSession run;
    const std::string ini = std::string("[Zenquill]\r\nSTARTCOUNT=") + c.stored + "\r\n";
    ASSERT_TRUE(run.Start(std::string("count_") + c.stored, ini.c_str()));
    HWND connect = e2e::WaitForDialog("Connect", run.Id(), e2e::kDefaultTimeoutMs);
    ASSERT_NE(nullptr, connect);
    // The shell was asked before the Connect dialog opened: its address is there by now.
    if (c.homePage) e2e::WaitUntil([&] { return !run.OpenedAddresses().empty(); }, 3000);
    EXPECT_EQ(c.homePage ? kHomePageLine : "", run.OpenedAddresses());
    EXPECT_NE(std::string::npos, run.Settings().find(std::string("STARTCOUNT=") + c.written + "\r\n"))
        << run.Settings();
    e2e::PostClick(GetDlgItem(connect, IDCANCEL));
    ASSERT_TRUE(e2e::WaitForGone(connect, e2e::kDefaultTimeoutMs));
    EXPECT_TRUE(run.Close());
  }
}

TEST_F(StartUp, ClickingTheStartDialogOpensTheHomePageAndLeavesItUp) {
  ASSERT_TRUE(s.Start("click_start", kQuietStart, 1500));
  HWND start = nullptr;
  ASSERT_TRUE(e2e::WaitUntil([&] { return (start = FindStartDialog(s.Id())) != nullptr; }));
  PostMessageA(start, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  PostMessageA(start, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
  EXPECT_TRUE(e2e::WaitUntil([&] { return s.OpenedAddresses() == kHomePageLine; }, 3000));
  EXPECT_TRUE(IsWindow(start));
  ASSERT_TRUE(e2e::WaitForGone(start, 8000));
  EXPECT_NE(nullptr, e2e::WaitForDialog("Connect", s.Id(), e2e::kDefaultTimeoutMs));
}

TEST_F(StartUp, CancellingConnectLeavesTheWorkspaceOpenAndNotConnected) {
  ASSERT_TRUE(s.StartPastConnect("cancel_connect"));
  EXPECT_EQ("Connect to database!", Text(s.MessageLine()));
  std::vector<e2e::MenuItem> menu;
  std::string error;
  ASSERT_TRUE(e2e::ReadMenuBar(s.Main(), true, menu, error)) << error;
  EXPECT_TRUE(e2e::FindMenuCommand(menu, ID_DATABASE_CONNECT)->enabled);
  EXPECT_FALSE(e2e::FindMenuCommand(menu, ID_DATABASE_EXECUTE)->enabled);
  EXPECT_FALSE(e2e::FindMenuCommand(menu, ID_DATABASE_DISCONNECT)->enabled);
  EXPECT_TRUE(IsWindowVisible(s.Main()));
  EXPECT_EQ(nullptr, e2e::FindTopWindow({"#32770", nullptr, s.Id()}));
  EXPECT_TRUE(s.Close());
}

// How many pixels of the link's rectangle on the screen have exactly this colour.
int PixelsOfColour(HWND control, COLORREF colour) {
  RECT r;
  GetWindowRect(control, &r);
  HDC screen = GetDC(nullptr);
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) count += GetPixel(screen, x, y) == colour;
  ReleaseDC(nullptr, screen);
  return count;
}

TEST_F(StartUp, AboutBoxLinkOpensTheHomePageAndTurnsPurple) {
  const COLORREF link = RGB(0, 0, 250);
  const COLORREF visited = RGB(128, 0, 128);
  ASSERT_TRUE(s.StartPastConnect("about"));
  e2e::PostCommand(s.Main(), ID_APP_ABOUT);
  HWND about = e2e::WaitForDialog("About Zenquill Professional", s.Id(), e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, about);
  HWND linkText = GetDlgItem(about, IDC_ABOUT_LINK);
  EXPECT_EQ("Zenquill version 2.1 for Oracle", Text(GetDlgItem(about, IDC_ABOUT_VERSION)));
  EXPECT_EQ(ZQ_HOME_PAGE, Text(linkText));
  EXPECT_EQ("OK", Text(GetDlgItem(about, IDOK)));
  ASSERT_TRUE(e2e::WaitUntil([&] { return PixelsOfColour(linkText, link) > 20; }));
  EXPECT_EQ(0, PixelsOfColour(linkText, visited));
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("about-box.png")));

  for (int click = 1; click <= 2; ++click) {
    PostMessageA(linkText, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(linkText, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    std::string expected;
    for (int i = 0; i < click; ++i) expected += kHomePageLine;
    EXPECT_TRUE(e2e::WaitUntil([&] { return s.OpenedAddresses() == expected; })) << s.OpenedAddresses();
    EXPECT_TRUE(e2e::WaitUntil([&] { return PixelsOfColour(linkText, visited) > 20; })) << "click " << click;
    EXPECT_EQ(0, PixelsOfColour(linkText, link)) << "click " << click;
  }
  e2e::SaveScreenshot(e2e::ArtifactPath("about-box-visited.png"));
  e2e::PostClick(GetDlgItem(about, IDOK));
  EXPECT_TRUE(e2e::WaitForGone(about, e2e::kDefaultTimeoutMs));
  EXPECT_TRUE(s.Close());
}

}  // namespace
}  // namespace shelle2e
