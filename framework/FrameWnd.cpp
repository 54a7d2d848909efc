#include "FrameWnd.h"

#include <commctrl.h>

#include "App.h"
#include "CommandRouter.h"
#include "Document.h"
#include "FormView.h"
#include "FrameworkIds.h"
#include "FrameworkText.h"
#include "Resources.h"
#include "StatusBar.h"
#include "ToolBar.h"
#include "WindowBinding.h"

namespace fw {
namespace {

const char kFrameClass[] = "ZenquillFrame";

bool RegisterFrameClass(WNDPROC procedure, unsigned resourceId) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(ResourceInstance(), kFrameClass, &wc)) return true;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ResourceInstance();
  wc.hIcon = LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(resourceId));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFrameClass;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace

FrameWnd::~FrameWnd() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool FrameWnd::LoadFrame(unsigned resourceId) {
  if (!RegisterFrameClass(WindowProc, resourceId)) return false;
  accelerators_ = LoadAcceleratorsA(ResourceInstance(), MAKEINTRESOURCEA(resourceId));
  HMENU menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(resourceId));
  // hwnd_ is set on WM_NCCREATE, and cleared again when the creation fails.
  CreateWindowExA(0, kFrameClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, ResourceInstance(), this);
  if (hwnd_) UpdateCaption();
  return hwnd_ != nullptr;
}

void FrameWnd::SetTitle(const std::string& title) {
  title_ = title;
  UpdateCaption();
}

void FrameWnd::UpdateCaption() {
  if (!hwnd_) return;
  const std::string caption = FrameCaption(document_ ? document_->GetTitle() : "", title_);
  if (WindowText(hwnd_) != caption) SetWindowTextA(hwnd_, caption.c_str());
}

void FrameWnd::DockBars(ToolBar* toolBar, StatusBar* statusBar) {
  toolBar_ = toolBar;
  statusBar_ = statusBar;
  ShowPrompt(0);
  RecalcLayout();
}

void FrameWnd::RecalcLayout() {
  if (!hwnd_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  int top = 0;
  int bottom = client.bottom;
  if (toolBar_ && toolBar_->IsVisible()) {
    SendMessageA(toolBar_->Hwnd(), TB_AUTOSIZE, 0, 0);
    top = toolBar_->Height();
  }
  if (statusBar_ && statusBar_->IsVisible()) {
    statusBar_->Resize();
    bottom -= statusBar_->Height();
  }
  if (view_ && view_->Hwnd()) {
    SetWindowPos(view_->Hwnd(), nullptr, 0, top, client.right, bottom > top ? bottom - top : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool FrameWnd::ExecuteCommand(unsigned id) {
  if (!QueryCommand(id).enabled) return false;
  return RouteCommand({view_, this, App::Current()}, id);
}

CmdUI FrameWnd::QueryCommand(unsigned id) { return fw::QueryCommand({view_, this, App::Current()}, id); }

bool FrameWnd::PreTranslateMessage(MSG& msg) {
  const bool isKey = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
  const bool inFrame = msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd);
  const bool escape = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
  if (escape && inFrame && escapeCommand_ && ExecuteCommand(escapeCommand_)) return true;
  if (isKey && inFrame && accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_, &msg)) return true;
  return view_ && view_->PreTranslateMessage(msg);
}

void FrameWnd::OnIdleUpdate() {
  if (toolBar_ && toolBar_->IsVisible()) toolBar_->UpdateButtons(*this);
  if (statusBar_ && statusBar_->IsVisible()) statusBar_->UpdateIndicators();
}

void FrameWnd::ShowPrompt(unsigned commandId) {
  if (!statusBar_) return;
  statusBar_->SetMessage(commandId == 0 ? LoadResString(IDS_IDLE_MESSAGE)
                                        : SplitCommandText(LoadResString(commandId)).prompt);
}

bool FrameWnd::OnCommand(unsigned id) {
  switch (id) {
    case ID_VIEW_TOOLBAR: ToggleBar(toolBar_ ? toolBar_->Hwnd() : nullptr); return true;
    case ID_VIEW_STATUS_BAR: ToggleBar(statusBar_ ? statusBar_->Hwnd() : nullptr); return true;
    // Every way of asking for help ends in the application's help command.
    case ID_HELP_FINDER:
    case ID_CONTEXT_HELP:
    case ID_DEFAULT_HELP: return RouteCommand({view_, App::Current()}, ID_HELP);
  }
  return false;
}

bool FrameWnd::OnUpdateCommand(CmdUI& ui) {
  switch (ui.id) {
    case ID_VIEW_TOOLBAR: ui.checked = toolBar_ && toolBar_->IsVisible(); return true;
    case ID_VIEW_STATUS_BAR: ui.checked = statusBar_ && statusBar_->IsVisible(); return true;
  }
  return false;
}

int FrameWnd::OnCreate(CREATESTRUCTA*) { return 0; }

void FrameWnd::ToggleBar(HWND bar) {
  if (!bar) return;
  ShowWindow(bar, (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) ? SW_HIDE : SW_SHOW);
  RecalcLayout();
}

void FrameWnd::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
  const bool fromMenuOrKeys = lParam == 0 && (HIWORD(wParam) == 0 || HIWORD(wParam) == 1);
  const bool fromToolBar = toolBar_ && reinterpret_cast<HWND>(lParam) == toolBar_->Hwnd();
  if (fromMenuOrKeys || fromToolBar) ExecuteCommand(LOWORD(wParam));
}

void FrameWnd::OnInitMenuPopup(HMENU menu, LPARAM lParam) {
  if (HIWORD(lParam)) return;  // the system menu keeps its own states
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or submenu
    const CmdUI ui = QueryCommand(id);
    EnableMenuItem(menu, i, MF_BYPOSITION | (ui.enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, i, MF_BYPOSITION | (ui.checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

void FrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  if (flags == 0xFFFF && lParam == 0) {
    ShowPrompt(0);  // the menu closed
  } else if (flags & (MF_POPUP | MF_SEPARATOR)) {
    if (statusBar_) statusBar_->SetMessage("");
  } else {
    ShowPrompt(LOWORD(wParam));
  }
}

LRESULT FrameWnd::OnNotify(NMHDR* header) {
  switch (header->code) {
    case TTN_GETDISPINFOA: {
      auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
      tooltip_ = SplitCommandText(LoadResString(static_cast<unsigned>(header->idFrom))).tooltip;
      info->lpszText = const_cast<char*>(tooltip_.c_str());
      return 0;
    }
    case TBN_HOTITEMCHANGE: {
      const auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
      ShowPrompt(hot->dwFlags & HICF_LEAVING ? 0 : static_cast<unsigned>(hot->idNew));
      return 0;
    }
  }
  return 0;
}

void FrameWnd::OnSetFocus() {
  if (view_ && view_->Hwnd()) SetFocus(view_->Hwnd());
}

LRESULT FrameWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_SIZE: RecalcLayout(); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_COMMAND: OnCommandMessage(wParam, lParam); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), lParam); return 0;
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); return 0;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_CLOSE:
      if (!view_ || view_->CanCloseFrame()) DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK FrameWnd::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  FrameWnd* created =
      msg == WM_NCCREATE ? static_cast<FrameWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams) : nullptr;
  return RouteToBoundObject(
      window, msg, created, &FrameWnd::hwnd_, [&](FrameWnd& self) { return self.HandleMessage(msg, wParam, lParam); },
      [&] { return DefWindowProcA(window, msg, wParam, lParam); });
}

}  // namespace fw
