// The main frame of a single-document application: menu, accelerators, an optional
// toolbar and status bar, and the view filling the rest of the client area. Commands
// from the menu, the accelerators and the toolbar run only while enabled, and go to
// the view, then to the frame, then to the application.
#ifndef ZENQUILL_FRAMEWORK_FRAMEWND_H
#define ZENQUILL_FRAMEWORK_FRAMEWND_H

#include <windows.h>

#include <string>

#include "CmdTarget.h"

namespace fw {

class Document;
class FormView;
class StatusBar;
class ToolBar;

class FrameWnd : public CmdTarget {
 public:
  FrameWnd() = default;
  ~FrameWnd() override;
  FrameWnd(const FrameWnd&) = delete;
  FrameWnd& operator=(const FrameWnd&) = delete;

  // Creates the window with the menu, accelerators and icon of resourceId, at the
  // system's default position and size, hidden.
  bool LoadFrame(unsigned resourceId);

  HWND Hwnd() const { return hwnd_; }
  const std::string& GetTitle() const { return title_; }
  // The frame's own title, shown after the document's title in the caption.
  void SetTitle(const std::string& title);
  void UpdateCaption();

  void SetActiveView(FormView* view) { view_ = view; }
  FormView* GetActiveView() const { return view_; }
  void SetActiveDocument(Document* document) { document_ = document; }
  Document* GetActiveDocument() const { return document_; }

  // Takes the bars into the frame's layout: toolbar on top, status bar at the bottom.
  void DockBars(ToolBar* toolBar, StatusBar* statusBar);
  // Places the bars and gives the view the rest of the client area.
  void RecalcLayout();

  // Runs command id if it is enabled; false when disabled or nobody handled it.
  bool ExecuteCommand(unsigned id);
  CmdUI QueryCommand(unsigned id);

  // Accelerators first, then the view's keyboard navigation; true when msg was used.
  bool PreTranslateMessage(MSG& msg);
  // The command Esc runs from any control of the frame while it is enabled; while it is
  // not, Esc goes where it always went.
  void SetEscapeCommand(unsigned id) { escapeCommand_ = id; }
  // Work done when the message queue runs empty: toolbar buttons, key indicators.
  void OnIdleUpdate();
  // Status-bar message pane: a command's prompt, or the idle text for id 0.
  void ShowPrompt(unsigned commandId);

  bool OnCommand(unsigned id) override;
  bool OnUpdateCommand(CmdUI& ui) override;

 protected:
  // WM_CREATE: -1 makes the creation fail.
  virtual int OnCreate(CREATESTRUCTA* create);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnCommandMessage(WPARAM wParam, LPARAM lParam);
  void OnInitMenuPopup(HMENU menu, LPARAM lParam);
  void OnMenuSelect(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(NMHDR* header);
  void OnSetFocus();
  void ToggleBar(HWND bar);

  HWND hwnd_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::string title_;
  FormView* view_ = nullptr;
  Document* document_ = nullptr;
  ToolBar* toolBar_ = nullptr;
  StatusBar* statusBar_ = nullptr;
  std::string tooltip_;  // text of the tooltip being shown; the toolbar reads it later
  unsigned escapeCommand_ = 0;
};

}  // namespace fw

#endif
