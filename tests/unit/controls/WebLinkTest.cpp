#include <windows.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Settle.h"
#include "WebLink.h"

namespace {

const COLORREF kLink = RGB(0, 0, 250);
const COLORREF kVisited = RGB(128, 0, 128);
const char kAddress[] = "http://www.example.com/zenquill";

class FakeShell : public LinkShell {
 public:
  explicit FakeShell(INT_PTR result) : result_(result) {}
  INT_PTR Open(const char* address) override {
    opened.push_back(address);
    return result_;
  }
  void Beep() override { ++beeps; }

  std::vector<std::string> opened;
  int beeps = 0;

 private:
  INT_PTR result_;
};

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* link = reinterpret_cast<CWebLink*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  LRESULT result = 0;
  if (link && link->HandleParentMessage(msg, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A window (standing in for a dialog) with one static that is made a link, and one that is not.
class LinkHost {
 public:
  explicit LinkHost(DWORD staticStyle = SS_LEFT) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZqLinkHost";
    RegisterClassA(&wc);  // fails harmlessly once registered
    parent = CreateWindowExA(0, "ZqLinkHost", "link host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
    control = CreateWindowExA(0, "STATIC", kAddress, WS_CHILD | WS_VISIBLE | staticStyle, 10, 10, 300, 20, parent,
                              reinterpret_cast<HMENU>(1015), wc.hInstance, nullptr);
    other = CreateWindowExA(0, "STATIC", "plain", WS_CHILD | WS_VISIBLE, 10, 40, 300, 20, parent,
                            reinterpret_cast<HMENU>(1016), wc.hInstance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    SetWindowLongPtrA(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&link));
  }
  ~LinkHost() { DestroyWindow(parent); }

  bool Attach() {
    link.SetShell(shell);
    return link.Attach(control);
  }

  // Paints the static through its parent's colour request, as on screen.
  std::unique_ptr<Canvas> Paint() {
    auto canvas = std::make_unique<Canvas>(300, 20);
    canvas->Fill(RGB(255, 255, 255));
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->Dc()), PRF_CLIENT);
    return canvas;
  }

  LONG Style() const { return GetWindowLongA(control, GWL_STYLE); }

  HWND parent = nullptr;
  HWND control = nullptr;
  HWND other = nullptr;
  FakeShell shell{42};
  CWebLink link;
};

const RECT kWhole = {0, 0, 300, 20};

TEST(WebLink, StartsUnvisitedInLinkColour) {
  CWebLink link;
  EXPECT_EQ(kLink, link.LinkColour());
  EXPECT_EQ(kVisited, link.VisitedColour());
  EXPECT_FALSE(link.Visited());
  EXPECT_EQ(kLink, link.TextColour());
  EXPECT_TRUE(link.Address().empty());
}

TEST(WebLink, AttachesToStaticsOnly) {
  LinkHost host;
  HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 10, 10, host.parent, nullptr, nullptr, nullptr);
  EXPECT_FALSE(host.link.Attach(nullptr));
  EXPECT_FALSE(host.link.Attach(button));
  EXPECT_TRUE(host.Attach());
  EXPECT_EQ(host.control, host.link.Handle());
}

TEST(WebLinkColour, UnderlinedLinkColourTransparentNullBrush) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());
  Canvas canvas(10, 10);

  HBRUSH brush = host.link.OnCtlColor(canvas.Dc());

  EXPECT_EQ(GetStockObject(NULL_BRUSH), brush);
  EXPECT_EQ(kLink, GetTextColor(canvas.Dc()));
  EXPECT_EQ(TRANSPARENT, GetBkMode(canvas.Dc()));
  LOGFONTA used = {}, own = {};
  GetObjectA(GetCurrentObject(canvas.Dc(), OBJ_FONT), sizeof used, &used);
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof own, &own);
  EXPECT_TRUE(used.lfUnderline);
  EXPECT_EQ(own.lfHeight, used.lfHeight);
  EXPECT_STREQ(own.lfFaceName, used.lfFaceName);
}

TEST(WebLinkColour, AddsNotifyStyle) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());
  ASSERT_FALSE(host.Style() & SS_NOTIFY);
  Canvas canvas(10, 10);
  host.link.OnCtlColor(canvas.Dc());
  EXPECT_TRUE(host.Style() & SS_NOTIFY);
}

TEST(WebLinkColour, MakesTheUnderlinedFontOnceAndDeletesIt) {
  HFONT font = nullptr;
  {
    LinkHost host;
    ASSERT_TRUE(host.Attach());
    Canvas first(10, 10), second(10, 10);
    host.link.OnCtlColor(first.Dc());
    host.link.OnCtlColor(second.Dc());
    font = static_cast<HFONT>(GetCurrentObject(first.Dc(), OBJ_FONT));
    EXPECT_EQ(font, GetCurrentObject(second.Dc(), OBJ_FONT));
    SelectObject(first.Dc(), GetStockObject(SYSTEM_FONT));
    SelectObject(second.Dc(), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(OBJ_FONT, static_cast<int>(GetObjectType(font)));
  }
  EXPECT_EQ(0u, GetObjectType(font)) << "deleted with the link";
}

struct StaticKind {
  const char* name;
  DWORD style;
  bool text;
};

class StaticKindTest : public ::testing::TestWithParam<StaticKind> {};

TEST_P(StaticKindTest, OnlyTextStaticsArePaintedAsLinks) {
  LinkHost host(GetParam().style);
  ASSERT_TRUE(host.Attach());
  Canvas canvas(10, 10);
  SetTextColor(canvas.Dc(), RGB(1, 2, 3));

  HBRUSH brush = host.link.OnCtlColor(canvas.Dc());

  EXPECT_TRUE(host.Style() & SS_NOTIFY) << "every kind reports clicks";
  EXPECT_EQ(GetParam().text, brush != nullptr);
  EXPECT_EQ(GetParam().text ? kLink : RGB(1, 2, 3), GetTextColor(canvas.Dc()));
}

const StaticKind kStaticKinds[] = {
    {"Left", SS_LEFT, true},
    {"Centre", SS_CENTER, true},
    {"Right", SS_RIGHT, true},
    {"Icon", SS_ICON, false},
    {"BlackFrame", SS_BLACKFRAME, false},
    {"Simple", SS_SIMPLE, false},
    {"EtchedLine", SS_ETCHEDHORZ, false},
    {"OwnerDrawn", SS_OWNERDRAW, false},
};

INSTANTIATE_TEST_SUITE_P(Kinds, StaticKindTest, ::testing::ValuesIn(kStaticKinds),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClickCase {
  const char* name;
  INT_PTR shellResult;
  bool opens;
};

class WebLinkClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(WebLinkClickTest, VisitedOnlyWhenTheShellOpens) {
  const ClickCase& c = GetParam();
  LinkHost host;
  FakeShell shell(c.shellResult);
  ASSERT_TRUE(host.link.Attach(host.control));
  host.link.SetShell(shell);

  host.link.OnClicked();

  EXPECT_EQ(std::vector<std::string>{kAddress}, shell.opened) << "address taken from the text";
  EXPECT_EQ(kAddress, host.link.Address());
  EXPECT_EQ(c.opens, host.link.Visited());
  EXPECT_EQ(c.opens ? kVisited : kLink, host.link.TextColour());
  EXPECT_EQ(c.opens ? 0 : 1, shell.beeps);
}

const ClickCase kClickCases[] = {
    {"NoMemory", 0, false},
    {"FileNotFound", ERROR_FILE_NOT_FOUND, false},
    {"NoAssociation", SE_ERR_NOASSOC, false},
    {"ThirtyTwoFails", 32, false},
    {"ThirtyThreeOpens", 33, true},
    {"Opens", 42, true},
};

INSTANTIATE_TEST_SUITE_P(Results, WebLinkClickTest, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WebLinkClick, SecondClickOpensAgainAndStaysVisited) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());
  host.link.OnClicked();
  SetWindowTextA(host.control, "changed text is not the address any more");
  host.link.OnClicked();
  EXPECT_EQ((std::vector<std::string>{kAddress, kAddress}), host.shell.opened);
  EXPECT_TRUE(host.link.Visited());
}

TEST(WebLinkClick, GivenAddressWinsOverText) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());
  host.link.SetAddress("http://www.example.org/");
  host.link.OnClicked();
  EXPECT_EQ(std::vector<std::string>{"http://www.example.org/"}, host.shell.opened);
}

TEST(WebLinkParent, PaintsInLinkThenVisitedColour) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());

  auto before = host.Paint();
  EXPECT_GT(before->Count(kWhole, kLink), 0);
  EXPECT_EQ(0, before->Count(kWhole, kVisited));

  host.link.OnClicked();
  auto after = host.Paint();
  EXPECT_GT(after->Count(kWhole, kVisited), 0);
  EXPECT_EQ(0, after->Count(kWhole, kLink));
}

TEST(WebLinkParent, OnlyAnOpenedLinkRepaints) {
  for (INT_PTR result : {INT_PTR{2}, INT_PTR{42}}) {
    LinkHost host;
    FakeShell shell(result);
    ASSERT_TRUE(host.link.Attach(host.control));
    host.link.SetShell(shell);
    ShowSettled(host.parent);  // hidden windows collect no update region
    ASSERT_FALSE(GetUpdateRect(host.control, nullptr, FALSE));

    host.link.OnClicked();

    EXPECT_EQ(result > 32, GetUpdateRect(host.control, nullptr, FALSE) != FALSE) << result;
  }
}

TEST(WebLinkParent, MouseClickOpensOnceNotifyIsSet) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());
  SendMessageA(host.control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(host.control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(host.shell.opened.empty()) << "a plain static reports no clicks";

  host.Paint();  // the first colour request adds the notify style
  SendMessageA(host.control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(host.control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(1u, host.shell.opened.size());
  EXPECT_TRUE(host.link.Visited());
}

TEST(WebLinkParent, IgnoresOtherControls) {
  LinkHost host;
  ASSERT_TRUE(host.Attach());
  Canvas canvas(10, 10);
  LRESULT result = 7;
  EXPECT_FALSE(host.link.HandleParentMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()),
                                             reinterpret_cast<LPARAM>(host.other), result));
  EXPECT_FALSE(host.link.HandleParentMessage(WM_COMMAND, MAKEWPARAM(1016, STN_CLICKED),
                                             reinterpret_cast<LPARAM>(host.other), result));
  EXPECT_FALSE(host.link.HandleParentMessage(WM_COMMAND, MAKEWPARAM(1015, STN_DBLCLK),
                                             reinterpret_cast<LPARAM>(host.control), result));
  EXPECT_EQ(7, result);
  EXPECT_TRUE(host.shell.opened.empty());
}

}  // namespace
