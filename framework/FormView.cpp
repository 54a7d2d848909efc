#include "FormView.h"

#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "Resources.h"
#include "WindowBinding.h"

namespace fw {

FormView::~FormView() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool FormView::Create(FrameWnd& frame, Document& document) {
  frame_ = &frame;
  document_ = &document;
  HWND window = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), frame.Hwnd(), DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  if (!window) return false;
  SetWindowLongPtrA(window, GWLP_ID, ID_VIEW_PANE);
  ShowWindow(window, SW_SHOW);
  return true;
}

void FormView::OnInitialUpdate() { UpdateData(false); }

bool FormView::UpdateData(bool saveAndValidate) {
  DataExchange dx(hwnd_, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

bool FormView::PreTranslateMessage(MSG& msg) {
  return hwnd_ && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd)) && IsDialogMessageA(hwnd_, &msg);
}

void FormView::ResizeParentToFit() {
  RECT view;
  RECT frame;
  GetWindowRect(hwnd_, &view);
  GetWindowRect(frame_->Hwnd(), &frame);
  const LONG extraWidth = view.right - view.left - formSize_.cx;
  const LONG extraHeight = view.bottom - view.top - formSize_.cy;
  if (extraWidth <= 0 && extraHeight <= 0) return;
  const LONG width = frame.right - frame.left - (extraWidth > 0 ? extraWidth : 0);
  const LONG height = frame.bottom - frame.top - (extraHeight > 0 ? extraHeight : 0);
  SetWindowPos(frame_->Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormView::DoDataExchange(DataExchange&) {}

INT_PTR FormView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: return FALSE;  // the frame decides where the focus goes
    case WM_COMMAND:
      // Commands from a menu the view owns (a context menu) take the frame's routing.
      if (lParam == 0 && HIWORD(wParam) == 0 && frame_) frame_->ExecuteCommand(LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK FormView::DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  FormView* created = msg == WM_INITDIALOG ? reinterpret_cast<FormView*>(lParam) : nullptr;
  if (created) {
    RECT form;
    GetWindowRect(window, &form);
    created->formSize_ = {form.right - form.left, form.bottom - form.top};
  }
  return RouteToBoundObject(
      window, msg, created, &FormView::hwnd_, [&](FormView& self) { return self.OnMessage(msg, wParam, lParam); },
      [] { return INT_PTR{FALSE}; });
}

}  // namespace fw
