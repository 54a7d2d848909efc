#include "ToolBar.h"

#include <commctrl.h>

#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "Resources.h"

namespace fw {
namespace {

// Layout resource: version, button width, button height, item count, items.
struct LayoutHeader {
  WORD version;
  WORD width;
  WORD height;
  WORD count;
};

}  // namespace

bool ToolBar::Create(HWND parent, DWORD style, unsigned controlId) {
  hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), ResourceInstance(), nullptr);
  if (!hwnd_) return false;
  SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  return true;
}

bool ToolBar::LoadToolBar(unsigned resourceId) {
  HRSRC found = FindResourceA(ResourceInstance(), MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_LAYOUT));
  HGLOBAL loaded = found ? LoadResource(ResourceInstance(), found) : nullptr;
  const auto* header = loaded ? static_cast<const LayoutHeader*>(LockResource(loaded)) : nullptr;
  if (!header || header->version != 1) return false;
  const WORD* items = reinterpret_cast<const WORD*>(header + 1);

  std::vector<TBBUTTON> buttons(header->count);
  int image = 0;
  for (WORD i = 0; i < header->count; ++i) {
    TBBUTTON& button = buttons[i];
    button.idCommand = items[i];
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = items[i] == ID_SEPARATOR ? BTNS_SEP : BTNS_BUTTON;
    button.iBitmap = items[i] == ID_SEPARATOR ? 0 : image++;
    if (items[i] != ID_SEPARATOR) commands_.push_back(items[i]);
  }
  SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(header->width, header->height));
  TBADDBITMAP bitmap = {ResourceInstance(), resourceId};
  if (SendMessageA(hwnd_, TB_ADDBITMAP, image, reinterpret_cast<LPARAM>(&bitmap)) < 0) return false;
  if (!SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()))) return false;
  SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
  return true;
}

int ToolBar::Height() const {
  if (!IsVisible()) return 0;
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

void ToolBar::UpdateButtons(FrameWnd& frame) {
  for (unsigned id : commands_) {
    const bool enabled = frame.QueryCommand(id).enabled;
    const bool shown = SendMessageA(hwnd_, TB_ISBUTTONENABLED, id, 0) != 0;
    if (enabled != shown) SendMessageA(hwnd_, TB_ENABLEBUTTON, id, MAKELPARAM(enabled, 0));
  }
}

}  // namespace fw
