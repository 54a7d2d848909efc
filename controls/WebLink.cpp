#include "WebLink.h"

#include <shellapi.h>

#include <vector>

namespace {

class ShellOpen : public LinkShell {
 public:
  INT_PTR Open(const char* address) override {
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL));
  }
  void Beep() override { MessageBeep(0); }
};

bool IsStatic(HWND hwnd) {
  char name[16] = "";
  return GetClassNameA(hwnd, name, sizeof name) > 0 && lstrcmpiA(name, "Static") == 0;
}

std::string WindowText(HWND hwnd) {
  std::vector<char> text(GetWindowTextLengthA(hwnd) + 1);
  const int length = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length);
}

// Left-aligned, centred and right-aligned text are the static types 0 to 2.
bool IsTextStatic(LONG style) { return (style & 0xFF) <= SS_RIGHT; }

}  // namespace

LinkShell& SystemLinkShell() {
  static ShellOpen shell;
  return shell;
}

CWebLink::~CWebLink() {
  if (underlinedFont) DeleteObject(underlinedFont);
}

bool CWebLink::Attach(HWND staticControl) {
  if (hwnd_ || !IsWindow(staticControl) || !IsStatic(staticControl)) return false;
  hwnd_ = staticControl;
  return true;
}

bool CWebLink::HandleParentMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!hwnd_ || reinterpret_cast<HWND>(lParam) != hwnd_) return false;
  if (msg == WM_CTLCOLORSTATIC) {
    result = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam)));
    return true;
  }
  if (msg == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    OnClicked();
    result = 0;
    return true;
  }
  return false;
}

HBRUSH CWebLink::OnCtlColor(HDC dc) {
  const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
  // Without the notify bit the static reports no clicks (and lets the mouse fall through).
  if (!(style & SS_NOTIFY)) SetWindowLongA(hwnd_, GWL_STYLE, style | SS_NOTIFY);
  if (!IsTextStatic(style)) return nullptr;

  SelectObject(dc, UnderlinedFont(dc));
  SetTextColor(dc, TextColour());
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

HFONT CWebLink::UnderlinedFont(HDC dc) {
  if (underlinedFont) return underlinedFont;
  // A static that was never given a font draws with the one already in its device context.
  HGDIOBJ current = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
  if (!current) current = GetCurrentObject(dc, OBJ_FONT);
  LOGFONTA description = {};
  GetObjectA(current, sizeof description, &description);
  description.lfUnderline = TRUE;
  underlinedFont = CreateFontIndirectA(&description);
  return underlinedFont;
}

void CWebLink::OnClicked() {
  if (address_.empty()) address_ = WindowText(hwnd_);
  if (shell_->Open(address_.c_str()) <= 32) {
    shell_->Beep();
    return;
  }
  visited = 1;
  InvalidateRect(hwnd_, nullptr, TRUE);
}
