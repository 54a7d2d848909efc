#include "StatusBar.h"

#include <commctrl.h>

#include "FrameworkIds.h"
#include "Resources.h"

namespace fw {
namespace {

int ToggleKey(unsigned indicatorId) {
  switch (indicatorId) {
    case ID_INDICATOR_CAPS: return VK_CAPITAL;
    case ID_INDICATOR_NUM: return VK_NUMLOCK;
    case ID_INDICATOR_SCRL: return VK_SCROLL;
  }
  return 0;
}

int TextWidth(HWND window, const std::string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size.cx;
}

}  // namespace

bool StatusBar::Create(HWND parent, DWORD style, unsigned controlId) {
  hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), ResourceInstance(), nullptr);
  return hwnd_ != nullptr;
}

bool StatusBar::SetIndicators(const unsigned* ids, int count) {
  if (count < 1 || ids[0] != ID_SEPARATOR) return false;
  indicators_.clear();
  for (int i = 1; i < count; ++i) {
    const std::string label = LoadResString(ids[i]);
    if (label.empty()) return false;
    indicators_.push_back({ids[i], label, TextWidth(hwnd_, label) + 12, false});
  }
  Resize();
  return true;
}

int StatusBar::Height() const {
  if (!IsVisible()) return 0;
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

void StatusBar::Resize() {
  SendMessageA(hwnd_, WM_SIZE, 0, 0);
  RECT client;
  GetClientRect(hwnd_, &client);
  std::vector<int> edges(indicators_.size() + 1);
  int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
  for (std::size_t i = indicators_.size(); i > 0; --i) {
    edges[i] = right;
    right -= indicators_[i - 1].width;
  }
  edges[0] = right;
  edges.back() = -1;
  SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < indicators_.size(); ++i) {
    const char* text = indicators_[i].shown ? indicators_[i].label.c_str() : "";
    SendMessageA(hwnd_, SB_SETTEXTA, i + 1, reinterpret_cast<LPARAM>(text));
  }
}

void StatusBar::SetMessage(const std::string& text) {
  SendMessageA(hwnd_, SB_SETTEXTA, SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));  // pane 0
}

void StatusBar::UpdateIndicators() {
  for (std::size_t i = 0; i < indicators_.size(); ++i) {
    Indicator& indicator = indicators_[i];
    const bool on = (GetKeyState(ToggleKey(indicator.id)) & 1) != 0;
    if (on == indicator.shown) continue;
    indicator.shown = on;
    SendMessageA(hwnd_, SB_SETTEXTA, i + 1, reinterpret_cast<LPARAM>(on ? indicator.label.c_str() : ""));
  }
}

}  // namespace fw
