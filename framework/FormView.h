// A view whose window is a modeless child dialog made from a dialog template, filling
// its frame's client area. A derived view overrides OnInitialUpdate, DoDataExchange,
// OnCommand and OnUpdateCommand (commands routed by the frame), and OnMessage (a
// switch that falls back to FormView::OnMessage) for its own window messages.
#ifndef ZENQUILL_FRAMEWORK_FORMVIEW_H
#define ZENQUILL_FRAMEWORK_FORMVIEW_H

#include <windows.h>

#include "CmdTarget.h"
#include "DataExchange.h"

namespace fw {

class Document;
class FrameWnd;

class FormView : public CmdTarget {
 public:
  explicit FormView(unsigned templateId) : templateId_(templateId) {}
  ~FormView() override;
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  // Creates the view's window inside frame, showing document.
  bool Create(FrameWnd& frame, Document& document);

  HWND Hwnd() const { return hwnd_; }
  HWND Item(int controlId) const { return GetDlgItem(hwnd_, controlId); }
  Document* GetDocument() const { return document_; }
  FrameWnd* GetParentFrame() const { return frame_; }

  // Run once after frame, document and view exist: loads the members into the controls.
  virtual void OnInitialUpdate();
  // Runs DoDataExchange in one direction; false when a validation failed.
  bool UpdateData(bool saveAndValidate);
  // Asked before the frame closes; false keeps the frame open.
  virtual bool CanCloseFrame() { return true; }
  // Tab and arrow-key navigation between the form's controls.
  bool PreTranslateMessage(MSG& msg);
  // Resizes the frame so that the view is as large as the form's template, shrinking
  // only: a frame smaller than the form in either direction keeps that extent.
  void ResizeParentToFit();

 protected:
  virtual void DoDataExchange(DataExchange& dx);
  virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  unsigned templateId_;
  HWND hwnd_ = nullptr;
  SIZE formSize_ = {0, 0};  // the template's size in pixels, as the dialog was created
  FrameWnd* frame_ = nullptr;
  Document* document_ = nullptr;
};

}  // namespace fw

#endif
