#include "StartDialog.h"

#include <cstdlib>

#include "Addresses.h"
#include "Resources.h"
#include "Shell.h"
#include "StartupRules.h"
#include "resource.h"

namespace {

constexpr int kPictureWidth = 399;
constexpr int kPictureHeight = 266;

}  // namespace

CStartDialog::CStartDialog() : fw::Dialog(IDD_START) {}

bool CStartDialog::OnInitDialog() {
  const bool focusFirst = fw::Dialog::OnInitDialog();
  SetTimer(Hwnd(), kCloseTimer, SplashDurationMs(std::getenv(kSplashOverrideVariable)), nullptr);
  return focusFirst;
}

void CStartDialog::OnOK() {}

void CStartDialog::OnCancel() {}

void CStartDialog::OnTimer(UINT_PTR id) {
  if (id != kCloseTimer) return;
  KillTimer(Hwnd(), kCloseTimer);
  EndDialog(IDOK);
}

void CStartDialog::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Hwnd(), &paint);
  HBITMAP picture = LoadBitmapA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_SPLASH));
  if (picture) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(dc, 0, 0, kPictureWidth, kPictureHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
  }
  EndPaint(Hwnd(), &paint);
}

bool CStartDialog::OnSetCursor(HWND under) {
  if (under != Hwnd()) return false;
  SetCursor(LoadCursorA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, TRUE);
  return true;
}

INT_PTR CStartDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER: OnTimer(wParam); return FALSE;
    case WM_PAINT: OnPaint(); return TRUE;
    case WM_LBUTTONDOWN: fw::OpenWithShellOrBeep(ZQ_HOME_PAGE); return FALSE;
    case WM_SETCURSOR: return OnSetCursor(reinterpret_cast<HWND>(wParam));
  }
  return fw::Dialog::OnMessage(msg, wParam, lParam);
}
