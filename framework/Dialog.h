// A modal dialog built from a dialog template. A derived dialog overrides what it
// needs: OnInitDialog, DoDataExchange, OnOK, OnCancel, OnCommand for its own buttons,
// and OnMessage (a switch that falls back to Dialog::OnMessage) for other messages.
#ifndef ZENQUILL_FRAMEWORK_DIALOG_H
#define ZENQUILL_FRAMEWORK_DIALOG_H

#include <windows.h>

#include "DataExchange.h"

namespace fw {

class Dialog {
 public:
  explicit Dialog(unsigned templateId) : templateId_(templateId) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog until it ends; its result (IDOK, IDCANCEL, ...) or -1 when the
  // template cannot be loaded. Without an owner the application's main window owns it.
  INT_PTR DoModal(HWND owner = nullptr);

  HWND Hwnd() const { return hwnd_; }
  HWND Item(int controlId) const { return GetDlgItem(hwnd_, controlId); }
  // Runs DoDataExchange in one direction; false when a validation failed.
  bool UpdateData(bool saveAndValidate);

 protected:
  // Loads the members into the controls. True lets the system focus the first tab stop.
  virtual bool OnInitDialog();
  // Saves and validates the controls, then ends the dialog with IDOK.
  virtual void OnOK();
  virtual void OnCancel();
  // A command of one of the dialog's other controls; false when not handled.
  virtual bool OnCommand(int controlId, int notifyCode);
  virtual void DoDataExchange(DataExchange& dx);
  // The dialog's message handling; derived dialogs fall back to it.
  virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void EndDialog(INT_PTR result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void CenterOverOwner();

  unsigned templateId_;
  HWND hwnd_ = nullptr;
};

}  // namespace fw

#endif
