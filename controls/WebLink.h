// A static text control that behaves as a hyperlink: underlined text in the link colour,
// opened through the shell when clicked, drawn in the visited colour afterwards.
#ifndef ZENQUILL_CONTROLS_WEBLINK_H
#define ZENQUILL_CONTROLS_WEBLINK_H

#include <windows.h>

#include <string>

// The shell seam: opening an address, and the beep that answers a failure.
class LinkShell {
 public:
  virtual ~LinkShell() = default;
  // Returns what ShellExecuteA returns: more than 32 on success.
  virtual INT_PTR Open(const char* address) = 0;
  virtual void Beep() = 0;
};

// ShellExecuteA with the verb "open", and MessageBeep(0).
LinkShell& SystemLinkShell();

class CWebLink {
 public:
  CWebLink() = default;
  ~CWebLink();  // deletes the underlined font
  CWebLink(const CWebLink&) = delete;
  CWebLink& operator=(const CWebLink&) = delete;

  // Takes over an existing static control of a dialog; false for anything but a static.
  bool Attach(HWND staticControl);
  HWND Handle() const { return hwnd_; }

  // For the parent's window or dialog procedure: handles the static's colour request
  // (WM_CTLCOLORSTATIC, result: the brush) and its click (WM_COMMAND with STN_CLICKED, result
  // 0) when they come from this control. A dialog procedure returns the brush directly.
  bool HandleParentMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The colour request: underlined font, link or visited colour, transparent, null brush;
  // no brush (normal painting) for statics that are not text.
  HBRUSH OnCtlColor(HDC dc);
  // The click: opens the address (the control's text when none was set) through the shell.
  void OnClicked();

  void SetShell(LinkShell& shell) { shell_ = &shell; }
  void SetAddress(const std::string& address) { address_ = address; }
  const std::string& Address() const { return address_; }
  COLORREF LinkColour() const { return linkColour; }
  COLORREF VisitedColour() const { return visitedColour; }
  bool Visited() const { return visited != 0; }
  // The colour the text is drawn in now.
  COLORREF TextColour() const { return visited ? visitedColour : linkColour; }

 private:
  HFONT UnderlinedFont(HDC dc);

  COLORREF linkColour = RGB(0, 0, 250);
  COLORREF visitedColour = RGB(128, 0, 128);
  INT32 visited = 0;
  std::string address_;
  HFONT underlinedFont = nullptr;
  HWND hwnd_ = nullptr;
  LinkShell* shell_ = &SystemLinkShell();
};

#endif
