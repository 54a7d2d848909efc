// A flat toolbar with tooltips along the top of a frame, loaded from a toolbar layout
// resource (RT_TOOLBAR_LAYOUT) and the bitmap of the same id holding one image per
// button, in button order.
#ifndef ZENQUILL_FRAMEWORK_TOOLBAR_H
#define ZENQUILL_FRAMEWORK_TOOLBAR_H

#include <windows.h>

#include <vector>

namespace fw {

class FrameWnd;

class ToolBar {
 public:
  bool Create(HWND parent, DWORD style, unsigned controlId);
  bool LoadToolBar(unsigned resourceId);

  HWND Hwnd() const { return hwnd_; }
  // Whether the bar is switched on, whether or not its frame is on the screen yet.
  bool IsVisible() const { return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE); }
  // Height in pixels when visible, 0 when hidden.
  int Height() const;
  // Enables and disables every button by the frame's update handlers.
  void UpdateButtons(FrameWnd& frame);

 private:
  HWND hwnd_ = nullptr;
  std::vector<unsigned> commands_;  // the buttons' commands, separators left out
};

}  // namespace fw

#endif
