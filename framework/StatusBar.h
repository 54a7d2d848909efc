// A status bar along the bottom of a frame: a message pane that takes the free width,
// followed by indicator panes, each showing its label (a string resource of its id)
// while its key is toggled on: Caps Lock, Num Lock, Scroll Lock.
#ifndef ZENQUILL_FRAMEWORK_STATUSBAR_H
#define ZENQUILL_FRAMEWORK_STATUSBAR_H

#include <windows.h>

#include <string>
#include <vector>

namespace fw {

class StatusBar {
 public:
  bool Create(HWND parent, DWORD style, unsigned controlId);
  // ids[0] must be ID_SEPARATOR (the message pane); the others are indicator ids.
  bool SetIndicators(const unsigned* ids, int count);

  HWND Hwnd() const { return hwnd_; }
  // Whether the bar is switched on, whether or not its frame is on the screen yet.
  bool IsVisible() const { return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE); }
  int Height() const;
  // Sizes the bar to its parent's width and lays out the panes.
  void Resize();
  void SetMessage(const std::string& text);
  void UpdateIndicators();

 private:
  struct Indicator {
    unsigned id;
    std::string label;
    int width;
    bool shown;
  };

  HWND hwnd_ = nullptr;
  std::vector<Indicator> indicators_;
};

}  // namespace fw

#endif
