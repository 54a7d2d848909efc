// The main window through the real program: caption, menus, enabling while not
// connected, layout on resizing, the edit commands' accelerators, the exchange rule,
// F6, the toolbar's docking and closing without questions.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "Addresses.h"
#include "RemoteBuffer.h"
#include "ShellSession.h"
#include "resource.h"

namespace shelle2e {
namespace {

struct ExpectedItem {
  const char* text;  // null for a separator
  UINT id;
};

struct ExpectedPopup {
  const char* text;
  std::vector<ExpectedItem> items;
};

const std::vector<ExpectedPopup> kMenuBar = {
    {"&File",
     {{"&New\tCtrl+N", 57600},
      {"&Open...\tCtrl+O", 57601},
      {"&Save\tCtrl+S", 57603},
      {"Save as...", 57604},
      {"Save XML &data ...\tCtrl+D", 32817},
      {"Save &CSV data ...", 32829},
      {nullptr, 0},
      {"E&xit", 57665}}},
    {"&Edit",
     {{"&Undo\tCtrl+Z", 57643},
      {nullptr, 0},
      {"Cu&t\tCtrl+X", 57635},
      {"&Copy\tCtrl+C", 57634},
      {"&Paste\tCtrl+V", 57637}}},
    {"&Database",
     {{"E&xecute\tF5", 32772},
      {"Execute &Statement\tCtrl+Enter", 32825},
      {"&Cancel\tEsc", 32826},
      {nullptr, 0},
      {"&Connect\tF7", 32773},
      {"D&isconnect\tF8", 32774}}},
    {"&Sql",
     {{"&Back", 32789},
      {"&Forward", 32790},
      {nullptr, 0},
      {"Se&lect", 32780},
      {"Select cou&nt", 32815},
      {"Select &version", 32808},
      {"Select all &tables", 32809},
      {"Select all &columns", 32810},
      {nullptr, 0},
      {"&Insert", 32781},
      {"&Update", 32816},
      {"&Delete", 32782},
      {nullptr, 0},
      {"Create &table", 32783},
      {"Drop t&able", 32784},
      {nullptr, 0},
      {"&Commit", 32812},
      {"&Rollback", 32814}}},
    {"&Links",
     {{"&Halvern", 32803},
      {"Halvern &download", 32804},
      {nullptr, 0},
      {"&Oracle", 32805},
      {"Oracle &technet", 32806},
      {"Oracle &metalink", 32807},
      {nullptr, 0},
      {"&Google", 32811}}},
    {"Se&tup", {{"&Configuration", 32801}}},
    {"&View", {{"&Toolbar", 59392}, {"&Status Bar", 59393}}},
    {"&Help", {{"&Help Topics", 57670}, {nullptr, 0}, {"&About Zenquill...", 57664}}},
};

// One program for the read-only checks of this suite; tests that change the window
// start their own.
class MainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    session = new ShellSession;
    started = session->StartPastConnect("main_window");
  }
  static void TearDownTestSuite() {
    session->Close();
    delete session;
  }
  void SetUp() override { ASSERT_TRUE(started); }

  static std::vector<e2e::MenuItem> Menu(bool refresh) {
    std::vector<e2e::MenuItem> menu;
    std::string error;
    EXPECT_TRUE(e2e::ReadMenuBar(session->Main(), refresh, menu, error)) << error;
    return menu;
  }

  static ShellSession* session;
  static ::testing::AssertionResult started;
};
ShellSession* MainWindow::session = nullptr;
::testing::AssertionResult MainWindow::started = ::testing::AssertionFailure();

TEST_F(MainWindow, CaptionOfAFreshProgram) {
  EXPECT_EQ("Untitled - Zenquill Professional", Text(session->Main()));
  EXPECT_EQ("Connect to database!", Text(session->MessageLine()));
  EXPECT_EQ("", Text(session->Editor()));
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("shell-main-window.png")));
}

TEST_F(MainWindow, EveryMenuItemWithItsTextAndCommand) {
  const std::vector<e2e::MenuItem> menu = Menu(false);
  ASSERT_EQ(kMenuBar.size(), menu.size());
  for (std::size_t p = 0; p < kMenuBar.size(); ++p) {
    SCOPED_TRACE(kMenuBar[p].text);
    EXPECT_EQ(kMenuBar[p].text, menu[p].text);
    ASSERT_EQ(kMenuBar[p].items.size(), menu[p].items.size());
    for (std::size_t i = 0; i < kMenuBar[p].items.size(); ++i) {
      const ExpectedItem& expected = kMenuBar[p].items[i];
      const e2e::MenuItem& actual = menu[p].items[i];
      EXPECT_EQ(expected.text == nullptr, actual.separator) << "item " << i;
      if (!expected.text) continue;
      EXPECT_EQ(expected.text, actual.text) << "item " << i;
      EXPECT_EQ(expected.id, actual.id) << expected.text;
    }
  }
}

TEST_F(MainWindow, EnablingWhileNotConnected) {
  const std::vector<e2e::MenuItem> menu = Menu(true);
  const struct {
    UINT id;
    bool enabled;
  } cases[] = {{ID_DATABASE_EXECUTE, false},
               {ID_DATABASE_EXECUTE_STATEMENT, false},
               {ID_DATABASE_DISCONNECT, false},
               {ID_FILE_SAVE_AS, false},
               {ID_DATABASE_CONNECT, true},
               {ID_FILE_NEW, true},
               {ID_FILE_SAVE_XML, true},
               {ID_FILE_SAVE_CSV, true},
               {ID_EDIT_COPY, true},
               {ID_LINKS_GOOGLE, true},
               {ID_SQL_SELECT, true},
               {ID_APP_ABOUT, true},
               {ID_HELP, true}};
  for (const auto& c : cases) {
    const e2e::MenuItem* item = e2e::FindMenuCommand(menu, c.id);
    ASSERT_NE(nullptr, item) << c.id;
    EXPECT_EQ(c.enabled, item->enabled) << item->text;
  }
  EXPECT_TRUE(e2e::FindMenuCommand(menu, ID_VIEW_TOOLBAR)->checked);
  EXPECT_TRUE(e2e::FindMenuCommand(menu, ID_VIEW_STATUS_BAR)->checked);
  HWND bar = session->ToolBar();
  EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, ID_DATABASE_EXECUTE, 0));
  EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, ID_DATABASE_DISCONNECT, 0));
  EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, ID_DATABASE_CONNECT, 0));
  EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, ID_FILE_NEW, 0));
}

TEST_F(MainWindow, F5WhileNotConnectedAndF6DoNothing) {
  e2e::SetText(session->Editor(), "select * from dept");
  e2e::SetText(session->MessageLine(), "unchanged");
  const std::size_t windows = e2e::TopWindowsOf(session->Id()).size();
  e2e::PostKey(session->Main(), VK_F5);
  e2e::PostKey(session->Main(), VK_F6);
  e2e::PostKey(session->Main(), VK_F6);
  // Posted messages run in order: once the status bar has gone, the keys were handled.
  HWND statusBar = GetDlgItem(session->Main(), ID_VIEW_STATUS_BAR);
  e2e::PostCommand(session->Main(), ID_VIEW_STATUS_BAR);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(statusBar); }));
  e2e::PostCommand(session->Main(), ID_VIEW_STATUS_BAR);
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(statusBar) != 0; }));
  EXPECT_EQ("unchanged", Text(session->MessageLine()));
  EXPECT_EQ("select * from dept", Text(session->Editor()));
  EXPECT_EQ(windows, e2e::TopWindowsOf(session->Id()).size());
  EXPECT_EQ(0, e2e::ListViewReader(session->List()).RowCount());
}

// Resizes the frame so that the form's client area is cx by cy.
void SizeForm(ShellSession& s, int cx, int cy) {
  RECT frame, form;
  GetWindowRect(s.Main(), &frame);
  form = e2e::ClientRect(s.View());
  SetWindowPos(s.Main(), nullptr, 0, 0, frame.right - frame.left + cx - form.right,
               frame.bottom - frame.top + cy - form.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

::testing::AssertionResult At(const RECT& r, int x, int y, int width, int height) {
  if (r.left == x && r.top == y && r.right - r.left == width && r.bottom - r.top == height)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "at " << r.left << "," << r.top << " " << r.right - r.left << "x"
                                       << r.bottom - r.top << ", wanted " << x << "," << y << " " << width << "x"
                                       << height;
}

TEST(Layout, ControlsTileTheFormAtEverySize) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("layout"));
  const struct {
    int cx, cy;
    int half;
  } sizes[] = {{800, 601, 300}, {900, 480, 240}, {640, 333, 166}, {960, 560, 280}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
    SizeForm(s, size.cx, size.cy);
    const RECT client = e2e::ClientRect(s.View());
    ASSERT_EQ(size.cx, client.right);
    ASSERT_EQ(size.cy, client.bottom);
    EXPECT_TRUE(At(e2e::ChildRect(s.View(), s.Tree()), 0, 0, 200, size.cy - 20));
    EXPECT_TRUE(At(e2e::ChildRect(s.View(), s.Editor()), 200, 0, size.cx - 200, size.half));
    EXPECT_TRUE(At(e2e::ChildRect(s.View(), s.List()), 200, size.half, size.cx - 200, size.half - 20));
    EXPECT_TRUE(At(e2e::ChildRect(s.View(), s.MessageLine()), 0, size.cy - 20, size.cx, 20));
    // The form never scrolls.
    EXPECT_FALSE(GetWindowLongA(s.View(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
  }
  SizeForm(s, 800, 601);
  e2e::SaveScreenshot(e2e::ArtifactPath("shell-layout-800x601.png"));
  EXPECT_TRUE(s.Close());
}

// Holds down keys in the program's foreground window, as a user would type them.
void Type(std::initializer_list<WORD> held, WORD key) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD vk : held) add(vk, false);
  add(key, false);
  add(key, true);
  for (WORD vk : held) add(vk, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string ClipboardText() {
  std::string text;
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(25);
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

HWND FocusOf(DWORD processId) {
  GUITHREADINFO info = {sizeof info};
  const DWORD thread = GetWindowThreadProcessId(e2e::TopWindowsOf(processId).front(), nullptr);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

TEST(EditCommands, SelectAllAndCopyActOnTheEditorWhileTheListHasTheFocus) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("edit_commands"));
  std::string script;
  for (int line = 1; line <= 120; ++line) script += "select " + std::to_string(line) + " from dual;\r\n";
  e2e::SetText(s.Editor(), script);
  SetForegroundWindow(s.Main());
  PostMessageA(s.List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 40));
  PostMessageA(s.List(), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
  ASSERT_TRUE(e2e::WaitUntil([&] { return FocusOf(s.Id()) == s.List(); })) << "the list did not take the focus";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();

  Type({VK_CONTROL}, 'A');
  ASSERT_TRUE(e2e::WaitUntil([&] { return Selection(s.Editor()).second == script.size(); }));
  EXPECT_EQ(0u, Selection(s.Editor()).first);
  // The caret at the end of the selection was scrolled into view.
  EXPECT_GT(SendMessageA(s.Editor(), EM_GETFIRSTVISIBLELINE, 0, 0), 60);
  // Opening the clipboard here while the program copies would make its copy fail: wait
  // for the clipboard to change first.
  const DWORD sequence = GetClipboardSequenceNumber();
  Type({VK_CONTROL}, 'C');
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetClipboardSequenceNumber() != sequence; }));
  EXPECT_EQ(script, ClipboardText());
  EXPECT_EQ(s.List(), FocusOf(s.Id()));
  EXPECT_TRUE(s.Close());
}

// Cancelling the Connect dialog reads the controls and writes them back: an exchange
// that changes nothing but the message line.
void ConnectAndCancel(ShellSession& s) {
  e2e::PostCommand(s.Main(), ID_DATABASE_CONNECT);
  HWND connect = e2e::WaitForDialog("Connect", s.Id(), e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, connect);
  e2e::PostClick(GetDlgItem(connect, IDCANCEL));
  ASSERT_TRUE(e2e::WaitForGone(connect, e2e::kDefaultTimeoutMs));
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(s.MessageLine()) == "Connect to database!"; }));
}

TEST(DataExchange, AnEqualEditorTextUpTo255CharactersKeepsItsCaretALongerOneIsRewritten) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("exchange_rule"));
  const struct {
    std::size_t length;
    bool rewritten;
  } cases[] = {{20, false}, {255, false}, {256, true}, {1000, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string text(c.length, 'q');
    e2e::SetText(s.Editor(), text);
    SendMessageA(s.Editor(), EM_SETSEL, 7, 11);
    e2e::SetText(s.MessageLine(), "before");
    ConnectAndCancel(s);
    EXPECT_EQ(text, Text(s.Editor()));
    const auto selection = Selection(s.Editor());
    EXPECT_EQ(c.rewritten ? 0u : 7u, selection.first);
    EXPECT_EQ(c.rewritten ? 0u : 11u, selection.second);
  }
  EXPECT_TRUE(s.Close());
}

TEST(ToolBar, HiddenAndShownAgainItStaysDockedOnTop) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("toolbar"));
  const RECT formBefore = e2e::ChildRect(s.Main(), s.View());
  ASSERT_GT(formBefore.top, 0);
  e2e::PostCommand(s.Main(), ID_VIEW_TOOLBAR);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(s.ToolBar()); }));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ChildRect(s.Main(), s.View()).top == 0; }));
  e2e::PostCommand(s.Main(), ID_VIEW_TOOLBAR);
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(s.ToolBar()) != 0; }));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ChildRect(s.Main(), s.View()).top == formBefore.top; }));
  EXPECT_EQ(0, e2e::ChildRect(s.Main(), s.ToolBar()).top);
  EXPECT_TRUE(s.Close());
}

TEST(Closing, UnsavedEditorTextIsDiscardedWithoutAQuestion) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("closing"));
  e2e::SetText(s.Editor(), "update emp set sal = sal * 2");
  EXPECT_TRUE(s.Close()) << "the program asked something or failed to end";
  EXPECT_FALSE(s.Process().Running());
}

TEST(Closing, FileExitEndsTheProgram) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("file_exit"));
  e2e::SetText(s.Editor(), "unsaved");
  e2e::PostCommand(s.Main(), ID_APP_EXIT);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !s.Process().Running(); }));
  EXPECT_EQ(0u, s.Process().ExitCode());
}

TEST(Links, EachLinkCommandHandsItsAddressToTheShell) {
  RecordingBrowser browser;
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("links"));
  const UINT links[] = {ID_LINKS_HALVERN,        ID_LINKS_HALVERN_DOWNLOAD, ID_LINKS_ORACLE,
                        ID_LINKS_ORACLE_TECHNET, ID_LINKS_ORACLE_METALINK,  ID_LINKS_GOOGLE};
  std::string expected;
  for (UINT id : links) {
    e2e::PostCommand(s.Main(), id);
    const std::size_t lines = std::count(expected.begin(), expected.end(), '\n') + 1;
    ASSERT_TRUE(e2e::WaitUntil([&] {
      const std::string opened = s.OpenedAddresses();
      return static_cast<std::size_t>(std::count(opened.begin(), opened.end(), '\n')) == lines;
    })) << id;
    expected = s.OpenedAddresses();
  }
  EXPECT_EQ(std::string(ZQ_HOME_PAGE) + "\n" + ZQ_DOWNLOAD_PAGE + "\n" + ZQ_ORACLE_PAGE + "\n" +
                ZQ_ORACLE_TECHNET_PAGE + "\n" + ZQ_ORACLE_SUPPORT_PAGE + "\n" + ZQ_SEARCH_PAGE + "\n",
            s.OpenedAddresses());
  EXPECT_TRUE(s.Close());
}

// Rests the mouse on a toolbar button as a user would.
void HoverButton(HWND toolBar, UINT id) {
  RECT r = {};
  e2e::RemoteBuffer rect(toolBar, sizeof r);
  SendMessageA(toolBar, TB_GETRECT, id, rect.Param());
  rect.Read(0, &r, sizeof r);
  POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(toolBar, &p);
  SetCursorPos(p.x - 3, p.y - 3);
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = p.x * 65535 / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = p.y * 65535 / GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

std::string VisibleTooltip(DWORD processId) {
  for (HWND window : e2e::TopWindowsOf(processId)) {
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "tooltips_class32" && IsWindowVisible(window)) return Text(window);
  }
  return "";
}

TEST(ToolBar, RestingOnAButtonShowsItsTooltipAndItsPrompt) {
  ShellSession s;
  ASSERT_TRUE(s.StartPastConnect("tooltips"));
  SetForegroundWindow(s.Main());
  HWND statusBar = GetDlgItem(s.Main(), ID_VIEW_STATUS_BAR);
  const struct {
    UINT id;
    const char* tip;
    const char* prompt;
  } cases[] = {{ID_SQL_BACK, "Previos SQL", "Previous SQL statement"},
               {ID_FILE_OPEN, "Open", "Open existing SQL"},
               {ID_HELP, "Help", "Display help"}};
  for (const auto& c : cases) {
    HoverButton(s.ToolBar(), c.id);
    EXPECT_TRUE(e2e::WaitUntil([&] { return VisibleTooltip(s.Id()) == c.tip; })) << VisibleTooltip(s.Id());
    EXPECT_TRUE(e2e::WaitUntil([&] { return Text(statusBar) == c.prompt; })) << Text(statusBar);
    if (c.id == ID_SQL_BACK) e2e::SaveScreenshot(e2e::ArtifactPath("shell-tooltip.png"));
  }
  // The pointer left on a button would show its prompt in the next test's window.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  EXPECT_TRUE(s.Close());
}

std::string RecentFile(int number) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Zenquill\\Zenquill\\Recent File List", 0, KEY_READ, &key))
    return "<no key>";
  char value[MAX_PATH] = "";
  DWORD size = sizeof value;
  const std::string name = "File" + std::to_string(number);
  const bool found = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == 0;
  RegCloseKey(key);
  return found ? value : "<none>";
}

TEST(CommandLine, AFileArgumentNamesTheDocumentAndEntersTheRecentFileList) {
  ShellSession s;
  const std::string folder = e2e::WindowsPath(ZQ_SHELL_E2E_WORK);
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string script = folder + "\\argument script.sql";
  std::ofstream(script, std::ios::binary) << "select 1 from dual;";
  s.caption = "argument script.sql - Zenquill Professional";
  ASSERT_TRUE(s.StartPastConnect("command_line", kQuietStart, "\"" + script + "\""));
  // The document has no format of its own: the editor stays empty.
  EXPECT_EQ("", Text(s.Editor()));
  EXPECT_TRUE(s.Close());
  EXPECT_EQ(script, RecentFile(1));
  DeleteFileA(script.c_str());
}

TEST(CommandLine, AFileThatCannotBeOpenedIsReportedAndEndsTheProgram) {
  ShellSession s;
  const std::string missing = e2e::WindowsPath(ZQ_SHELL_E2E_WORK) + "\\no such script.sql";
  ASSERT_TRUE(s.Launch("command_line_missing", kQuietStart, 1, "\"" + missing + "\""));
  HWND report = e2e::WaitForDialog("Zenquill", s.Id(), e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, report);
  EXPECT_EQ("Cannot open the file \"" + missing + "\".", Text(GetDlgItem(report, 0xFFFF)));
  e2e::PostClick(GetDlgItem(report, IDOK));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !s.Process().Running(); }));
  EXPECT_NE(0u, s.Process().ExitCode());
  e2e::WindowQuery query;
  query.caption = "Untitled - Zenquill Professional";
  query.processId = s.Id();
  query.visibleOnly = false;
  EXPECT_EQ(nullptr, e2e::FindTopWindow(query));
}

}  // namespace
}  // namespace shelle2e
