// The framework's window classes in-process, on the program's real resources: routing,
// enabling, accelerators, bars, prompts, tooltips, caption, fitting, data exchange.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "App.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "DocTemplate.h"
#include "FormView.h"
#include "MainFrame.h"
#include "Resources.h"
#include "resource.h"

namespace {

// The workspace form with a few commands of its own; it records what reaches it.
class ProbeView : public fw::FormView {
 public:
  ProbeView() : fw::FormView(IDD_ZENQUILL_FORM) {}

  bool OnCommand(unsigned id) override {
    if (id != ID_DATABASE_EXECUTE && id != ID_EDIT_COPY && id != ID_HELP) return false;
    received.push_back(id);
    return true;
  }
  bool OnUpdateCommand(fw::CmdUI& ui) override {
    if (ui.id != ID_DATABASE_EXECUTE) return false;
    ui.enabled = executeEnabled;
    return true;
  }

  bool executeEnabled = false;
  std::vector<unsigned> received;
};

class ProbeApp : public fw::App {
 public:
  bool OpenNew() {
    AddDocTemplate(fw::MakeDocTemplate<fw::Document, CMainFrame, ProbeView>(IDR_MAINFRAME));
    return ProcessShellCommand(fw::ShellCommand());
  }
  bool OnCommand(unsigned id) override {
    if (id != ID_APP_ABOUT) return fw::App::OnCommand(id);
    ++aboutCount;
    return true;
  }
  int aboutCount = 0;
};

void DrainQuit() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

struct Shell : ::testing::Test {
  void SetUp() override {
    DrainQuit();
    // A mouse left over the toolbar by an earlier test would put a button's prompt in the
    // status bar.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ASSERT_TRUE(app.OpenNew());
    frame = app.MainFrame();
    view = static_cast<ProbeView*>(frame->GetActiveView());
    ShowWindow(frame->Hwnd(), SW_SHOW);
    Pump();
  }
  void TearDown() override { DrainQuit(); }

  // Runs queued messages the way the application's loop does.
  void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      if (!frame->PreTranslateMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  // A key pressed with the focus in window, with the given modifier keys held.
  void PressKey(HWND window, UINT key, std::initializer_list<int> held = {}) {
    BYTE keys[256] = {};
    for (int vk : held) keys[vk] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    Pump();
    BYTE none[256] = {};
    SetKeyboardState(none);
  }
  HWND ToolBar() const { return GetDlgItem(frame->Hwnd(), ID_VIEW_TOOLBAR); }
  HWND StatusBar() const { return GetDlgItem(frame->Hwnd(), ID_VIEW_STATUS_BAR); }
  std::string Pane(int index) const {
    char text[256] = "";
    SendMessageA(StatusBar(), SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // The state of item id in popup number popup of the menu bar, after the popup's
  // update handlers ran; the test fails when the popup lacks the item.
  UINT MenuState(int popup, UINT id) {
    HMENU menu = GetSubMenu(GetMenu(frame->Hwnd()), popup);
    SendMessageA(frame->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), popup);
    const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    EXPECT_NE(static_cast<UINT>(-1), state) << "no item " << id << " in popup " << popup;
    return state;
  }
  RECT ViewRect() const {
    RECT r;
    GetWindowRect(view->Hwnd(), &r);
    MapWindowPoints(nullptr, frame->Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  ProbeApp app;
  fw::FrameWnd* frame = nullptr;
  ProbeView* view = nullptr;
};

TEST_F(Shell, CaptionIsDocumentTitleThenFrameTitle) {
  EXPECT_EQ("Untitled - Zenquill Professional", fw::WindowText(frame->Hwnd()));
  frame->GetActiveDocument()->SetTitle("C:\\scripts\\a.sql");
  EXPECT_EQ("C:\\scripts\\a.sql - Zenquill Professional", fw::WindowText(frame->Hwnd()));
}

TEST_F(Shell, CommandsGoToViewThenFrameThenApplication) {
  EXPECT_TRUE(frame->ExecuteCommand(ID_EDIT_COPY));
  EXPECT_TRUE(frame->ExecuteCommand(ID_APP_ABOUT));
  EXPECT_TRUE(frame->ExecuteCommand(ID_HELP_FINDER));  // the frame passes it on as ID_HELP
  EXPECT_FALSE(frame->ExecuteCommand(ID_NEXT_PANE));
  EXPECT_EQ((std::vector<unsigned>{ID_EDIT_COPY, ID_HELP}), view->received);
  EXPECT_EQ(1, app.aboutCount);
}

TEST_F(Shell, DisabledCommandDoesNotRun) {
  EXPECT_FALSE(frame->ExecuteCommand(ID_DATABASE_EXECUTE));
  view->executeEnabled = true;
  EXPECT_TRUE(frame->ExecuteCommand(ID_DATABASE_EXECUTE));
  EXPECT_EQ(std::vector<unsigned>{ID_DATABASE_EXECUTE}, view->received);
}

TEST_F(Shell, AcceleratorsAreTranslatedBeforeTheFocusedControlSeesTheKey) {
  HWND list = view->Item(IDC_RESULT_LIST);
  SetFocus(list);
  PressKey(list, 'C', {VK_CONTROL});
  PressKey(list, VK_F5);  // disabled: nothing
  view->executeEnabled = true;
  PressKey(list, VK_F5);
  PressKey(list, VK_F6);  // no window handles the next-pane command
  EXPECT_EQ((std::vector<unsigned>{ID_EDIT_COPY, ID_DATABASE_EXECUTE}), view->received);
}

TEST_F(Shell, MenuItemsFollowTheUpdateHandlers) {
  const int database = 2;
  const int viewMenu = 6;
  EXPECT_TRUE(MenuState(database, ID_DATABASE_EXECUTE) & MF_GRAYED);
  EXPECT_FALSE(MenuState(database, ID_DATABASE_CONNECT) & MF_GRAYED);
  view->executeEnabled = true;
  EXPECT_FALSE(MenuState(database, ID_DATABASE_EXECUTE) & MF_GRAYED);
  EXPECT_TRUE(MenuState(viewMenu, ID_VIEW_TOOLBAR) & MF_CHECKED);
  EXPECT_TRUE(MenuState(viewMenu, ID_VIEW_STATUS_BAR) & MF_CHECKED);
}

TEST_F(Shell, ToolbarButtonsFollowTheUpdateHandlersWhenIdle) {
  frame->OnIdleUpdate();
  EXPECT_FALSE(SendMessageA(ToolBar(), TB_ISBUTTONENABLED, ID_DATABASE_EXECUTE, 0));
  EXPECT_TRUE(SendMessageA(ToolBar(), TB_ISBUTTONENABLED, ID_FILE_NEW, 0));
  view->executeEnabled = true;
  frame->OnIdleUpdate();
  EXPECT_TRUE(SendMessageA(ToolBar(), TB_ISBUTTONENABLED, ID_DATABASE_EXECUTE, 0));
}

TEST_F(Shell, ToolbarHoldsTheThirteenButtonsInOrderWithSeparators) {
  const int expected[] = {ID_FILE_NEW,
                          ID_FILE_OPEN,
                          ID_FILE_SAVE,
                          0,
                          ID_DATABASE_EXECUTE,
                          ID_DATABASE_CANCEL,
                          0,
                          ID_DATABASE_CONNECT,
                          ID_DATABASE_DISCONNECT,
                          0,
                          ID_EDIT_CUT,
                          ID_EDIT_COPY,
                          ID_EDIT_PASTE,
                          0,
                          ID_SQL_BACK,
                          ID_SQL_FORWARD,
                          0,
                          ID_HELP};
  const int count = static_cast<int>(SendMessageA(ToolBar(), TB_BUTTONCOUNT, 0, 0));
  ASSERT_EQ(18, count);
  int image = 0;
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageA(ToolBar(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    const bool separator = (button.fsStyle & BTNS_SEP) != 0;
    EXPECT_EQ(expected[i] == 0, separator) << "item " << i;
    if (separator) continue;
    EXPECT_EQ(expected[i], button.idCommand) << "item " << i;
    EXPECT_EQ(image++, button.iBitmap) << "item " << i;
  }
  EXPECT_TRUE(GetWindowLongA(ToolBar(), GWL_STYLE) & TBSTYLE_FLAT);
  EXPECT_TRUE(GetWindowLongA(ToolBar(), GWL_STYLE) & TBSTYLE_TOOLTIPS);
}

TEST_F(Shell, TooltipsAreTheTextAfterTheLineBreak) {
  const struct {
    UINT id;
    const char* tip;
  } cases[] = {{ID_FILE_NEW, "New"},
               {ID_FILE_OPEN, "Open"},
               {ID_FILE_SAVE, "Save"},
               {ID_DATABASE_EXECUTE, "Execute"},
               {ID_DATABASE_CANCEL, "Cancel"},
               {ID_DATABASE_CONNECT, "Connect"},
               {ID_DATABASE_DISCONNECT, "Disconnect"},
               {ID_EDIT_CUT, "Cut"},
               {ID_EDIT_COPY, "Copy"},
               {ID_EDIT_PASTE, "Paste"},
               {ID_SQL_BACK, "Previos SQL"},
               {ID_SQL_FORWARD, "Next SQL"},
               {ID_HELP, "Help"},
               {ID_APP_ABOUT, "About"}};
  for (const auto& c : cases) {
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = ToolBar();
    info.hdr.idFrom = c.id;
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(frame->Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(nullptr, info.lpszText) << c.id;
    EXPECT_STREQ(c.tip, info.lpszText) << c.id;
  }
}

TEST_F(Shell, StatusBarShowsTheHighlightedItemsPromptThenTheIdleText) {
  EXPECT_EQ("For Help, press F1", Pane(0));
  HMENU file = GetSubMenu(GetMenu(frame->Hwnd()), 0);
  const struct {
    UINT id;
    const char* prompt;
  } cases[] = {{ID_DATABASE_EXECUTE, "Execute the SQL statement"},
               {ID_SQL_SELECT_COLUMNS, "Copy Select  columns to editor"},
               {ID_FILE_SAVE_XML, "Save data as XML and view it formated"},
               {ID_FILE_SAVE_CSV, "Save the result list as a CSV file"},
               {ID_APP_EXIT, "Quit the application; prompts to save documents"},
               {ID_VIEW_STATUS_BAR, "Show or hide the status bar"}};
  for (const auto& c : cases) {
    SendMessageA(frame->Hwnd(), WM_MENUSELECT, MAKEWPARAM(c.id, MF_HILITE), reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(c.prompt, Pane(0));
  }
  SendMessageA(frame->Hwnd(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ("For Help, press F1", Pane(0));
}

TEST_F(Shell, KeyIndicatorsShowTheToggledKeys) {
  BYTE keys[256] = {};
  keys[VK_CAPITAL] = 1;
  keys[VK_SCROLL] = 1;
  SetKeyboardState(keys);
  frame->OnIdleUpdate();
  EXPECT_EQ("CAP", Pane(1));
  EXPECT_EQ("", Pane(2));
  EXPECT_EQ("SCRL", Pane(3));
  BYTE none[256] = {};
  SetKeyboardState(none);
  frame->OnIdleUpdate();
  EXPECT_EQ("", Pane(1));
  EXPECT_EQ("", Pane(3));
}

TEST_F(Shell, HidingAndShowingTheToolbarKeepsItDockedOnTop) {
  const RECT before = ViewRect();
  ASSERT_GT(before.top, 0);
  ASSERT_TRUE(frame->ExecuteCommand(ID_VIEW_TOOLBAR));
  EXPECT_FALSE(IsWindowVisible(ToolBar()));
  EXPECT_EQ(0, ViewRect().top);
  EXPECT_FALSE(MenuState(6, ID_VIEW_TOOLBAR) & MF_CHECKED);
  ASSERT_TRUE(frame->ExecuteCommand(ID_VIEW_TOOLBAR));
  EXPECT_TRUE(IsWindowVisible(ToolBar()));
  RECT bar;
  GetWindowRect(ToolBar(), &bar);
  MapWindowPoints(nullptr, frame->Hwnd(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(0, bar.top);
  EXPECT_EQ(before.top, ViewRect().top);
  EXPECT_EQ(before.bottom, ViewRect().bottom);
}

TEST_F(Shell, HidingTheStatusBarGivesTheViewTheBottom) {
  RECT client;
  GetClientRect(frame->Hwnd(), &client);
  ASSERT_LT(ViewRect().bottom, client.bottom);
  ASSERT_TRUE(frame->ExecuteCommand(ID_VIEW_STATUS_BAR));
  EXPECT_EQ(client.bottom, ViewRect().bottom);
  EXPECT_FALSE(MenuState(6, ID_VIEW_STATUS_BAR) & MF_CHECKED);
}

TEST_F(Shell, FrameShrinksToTheFormButNeverGrows) {
  RECT form;
  SetWindowPos(frame->Hwnd(), nullptr, 0, 0, 1200, 900, SWP_NOMOVE | SWP_NOZORDER);
  view->ResizeParentToFit();
  GetWindowRect(view->Hwnd(), &form);
  const SIZE fitted = {form.right - form.left, form.bottom - form.top};
  EXPECT_LT(fitted.cx, 1200);
  SetWindowPos(frame->Hwnd(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  view->ResizeParentToFit();
  RECT small;
  GetWindowRect(frame->Hwnd(), &small);
  EXPECT_EQ(400, small.right - small.left);
  EXPECT_EQ(300, small.bottom - small.top);
  // Wide but short: only the width shrinks.
  SetWindowPos(frame->Hwnd(), nullptr, 0, 0, 1200, 300, SWP_NOMOVE | SWP_NOZORDER);
  view->ResizeParentToFit();
  GetWindowRect(view->Hwnd(), &form);
  EXPECT_EQ(fitted.cx, form.right - form.left);
  GetWindowRect(frame->Hwnd(), &small);
  EXPECT_EQ(300, small.bottom - small.top);
}

TEST_F(Shell, ExitClosesTheMainWindow) {
  HWND window = frame->Hwnd();
  EXPECT_TRUE(frame->ExecuteCommand(ID_APP_EXIT));
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(Shell, TextExchangeLeavesAnEqualShortTextAndItsCaretAlone) {
  HWND editor = view->Item(IDC_SQL_EDIT);
  const struct {
    std::string text;
    bool replaced;
  } cases[] = {{"SELECT 1 FROM DUAL", false},
               {std::string(255, 'x'), false},
               {std::string(256, 'x'), true},
               {std::string(4000, 'y'), true}};
  for (const auto& c : cases) {
    SetWindowTextA(editor, c.text.c_str());
    SendMessageA(editor, EM_SETSEL, 3, 5);
    EXPECT_EQ(c.replaced, fw::SetWindowTextIfChanged(editor, c.text)) << c.text.size();
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(c.replaced ? 0u : 3u, start) << c.text.size();
    EXPECT_EQ(c.replaced ? 0u : 5u, end) << c.text.size();
    EXPECT_EQ(c.text, fw::WindowText(editor));
  }
  SetWindowTextA(editor, std::string(300, 'z').c_str());
  EXPECT_TRUE(fw::SetWindowTextIfChanged(editor, std::string(255, 'z')));
  EXPECT_EQ(std::string(255, 'z'), fw::WindowText(editor));
}

// The Configuration template with a 10-character text and a check box.
class SeparatorDialog : public fw::Dialog {
 public:
  SeparatorDialog() : fw::Dialog(IDD_CONFIGURATION) {}
  std::string separator = "abc";
  int autocommit = 1;

 protected:
  void DoDataExchange(fw::DataExchange& dx) override {
    dx.Text(IDC_CONFIG_SQL_SEPARATOR, separator);
    dx.MaxChars(IDC_CONFIG_SQL_SEPARATOR, separator, 10);
    dx.Check(IDC_CONFIG_AUTOCOMMIT, autocommit);
  }
};

// Waits, from a second thread, for a visible dialog of this thread's process.
HWND WaitForDialog(const char* caption) {
  for (int i = 0; i < 400; ++i) {
    HWND found = FindWindowA("#32770", caption);
    if (found && IsWindowVisible(found)) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return nullptr;
}

bool WaitForGone(HWND window) {
  for (int i = 0; i < 400 && IsWindow(window); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(25));
  return !IsWindow(window);
}

// A quit message left by an earlier test's frame would end the modal loop at once.
struct DialogExchange : ::testing::Test {
  void SetUp() override { DrainQuit(); }
};

TEST_F(DialogExchange, TooLongTextIsRefusedWithTheMessageAndTheDialogStays) {
  SeparatorDialog dialog;
  const DWORD dialogThread = GetCurrentThreadId();
  std::string loaded, message, focusedClass;
  int loadedCheck = -1;
  bool stayed = false;
  std::thread user([&] {
    HWND box = WaitForDialog("Configuration");
    if (!box) return;
    HWND edit = GetDlgItem(box, IDC_CONFIG_SQL_SEPARATOR);
    loaded = fw::WindowText(edit);
    loadedCheck = static_cast<int>(SendMessageA(GetDlgItem(box, IDC_CONFIG_AUTOCOMMIT), BM_GETCHECK, 0, 0));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("123456789012"));
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    HWND refusal = WaitForDialog("Zenquill");
    if (!refusal) return;
    message = fw::WindowText(GetDlgItem(refusal, 0xFFFF));
    PostMessageA(GetDlgItem(refusal, IDOK), BM_CLICK, 0, 0);
    WaitForGone(refusal);
    stayed = IsWindowVisible(box) != 0;
    GUITHREADINFO info = {sizeof info};
    GetGUIThreadInfo(dialogThread, &info);
    stayed = stayed && info.hwndFocus == edit;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1234567890"));
    SendMessageA(GetDlgItem(box, IDC_CONFIG_AUTOCOMMIT), BM_SETCHECK, BST_UNCHECKED, 0);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  });
  const INT_PTR result = dialog.DoModal();
  user.join();
  EXPECT_EQ("abc", loaded);
  EXPECT_EQ(BST_CHECKED, loadedCheck);
  EXPECT_EQ("Please enter no more than 10 characters.", message);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("1234567890", dialog.separator);
  EXPECT_EQ(0, dialog.autocommit);
}

TEST_F(DialogExchange, CancelKeepsTheMembers) {
  SeparatorDialog dialog;
  std::thread user([&] {
    HWND box = WaitForDialog("Configuration");
    if (!box) return;
    SendMessageA(GetDlgItem(box, IDC_CONFIG_SQL_SEPARATOR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    PostMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  user.join();
  EXPECT_EQ("abc", dialog.separator);
  EXPECT_EQ(1, dialog.autocommit);
}

}  // namespace
