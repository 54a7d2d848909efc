#include "Dialog.h"

#include "App.h"
#include "FrameWnd.h"
#include "Resources.h"
#include "WindowBinding.h"

namespace fw {
namespace {

HWND MainWindow() {
  App* app = App::Current();
  return app && app->MainFrame() ? app->MainFrame()->Hwnd() : nullptr;
}

}  // namespace

INT_PTR Dialog::DoModal(HWND owner) {
  return DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), owner ? owner : MainWindow(), DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::UpdateData(bool saveAndValidate) {
  DataExchange dx(hwnd_, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnCommand(int, int) { return false; }

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

INT_PTR Dialog::OnMessage(UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: {
      const bool focusFirst = OnInitDialog();
      CenterOverOwner();
      return focusFirst;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      return OnCommand(LOWORD(wParam), HIWORD(wParam));
  }
  return FALSE;
}

// Every template of this program places its dialog at 0, 0: the framework centres it
// over its owner, or over the screen when it has none.
void Dialog::CenterOverOwner() {
  RECT area;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &area))
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT self;
  GetWindowRect(hwnd_, &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  x = x + width > work.right ? work.right - width : x;
  y = y + height > work.bottom ? work.bottom - height : y;
  SetWindowPos(hwnd_, nullptr, x < work.left ? work.left : x, y < work.top ? work.top : y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Dialog* created = msg == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : nullptr;
  return RouteToBoundObject(
      window, msg, created, &Dialog::hwnd_, [&](Dialog& self) { return self.OnMessage(msg, wParam, lParam); },
      [] { return INT_PTR{FALSE}; });
}

}  // namespace fw
