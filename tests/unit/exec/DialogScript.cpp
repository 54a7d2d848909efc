#include "DialogScript.h"

#include "Resources.h"

namespace {

MessageBoxAnswerer* activeAnswerer = nullptr;

// The message box's text is its static control 0xFFFF.
const int kMessageBoxText = 0xFFFF;

// The program's message boxes carry its name as caption; its dialogs have captions of their own.
BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "#32770" && IsWindowVisible(window) && fw::WindowText(window) == fw::AppName()) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string ControlText(HWND dialog, int id) {
  char text[4096] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool on) {
  // A click on an automatic radio button clears the others of its group.
  if (IsChecked(dialog, id) != on) SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

MessageBoxAnswerer::MessageBoxAnswerer(bool answerNo) : timer_(SetTimer(nullptr, 0, 30, OnTimer)), answerNo_(answerNo) {
  activeAnswerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  KillTimer(nullptr, timer_);
  activeAnswerer = nullptr;
}

void CALLBACK MessageBoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (activeAnswerer) activeAnswerer->AnswerOpenBox();
}

void MessageBoxAnswerer::AnswerOpenBox() {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  texts_.push_back(ControlText(box, kMessageBoxText));
  const int button = answerNo_ && GetDlgItem(box, IDNO) ? IDNO : GetDlgItem(box, IDYES) ? IDYES : IDOK;
  // Hidden at once, so the next tick does not answer the same box twice.
  ShowWindow(box, SW_HIDE);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}
