// The picture shown for four seconds at every start (template 137, bitmap 139). A click
// opens the maker's home page; only its timer closes it: Enter, Esc and a close
// request do nothing.
#ifndef ZENQUILL_WORKSPACE_STARTDIALOG_H
#define ZENQUILL_WORKSPACE_STARTDIALOG_H

#include "Dialog.h"

class CStartDialog : public fw::Dialog {
 public:
  CStartDialog();

  static constexpr UINT_PTR kCloseTimer = 1;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnTimer(UINT_PTR id);
  void OnPaint();
  bool OnSetCursor(HWND under);
};

#endif
