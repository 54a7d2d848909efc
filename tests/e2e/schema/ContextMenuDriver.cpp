#include "ContextMenuDriver.h"

#include <sstream>

#include "Harness.h"
#include "PopupMenuProbeProtocol.h"
#include "RemoteBuffer.h"
#include "RemoteLibrary.h"

namespace schemae2e {
namespace {

constexpr DWORD kTextCapacity = 16 * 1024;

// The program's open menu: a top-level window of class "#32768".
e2e::WindowQuery MenuWindow(DWORD processId) {
  e2e::WindowQuery query;
  query.className = "#32768";
  query.processId = processId;
  return query;
}

PopupItem ParseLine(const std::string& line) {
  std::istringstream fields(line);
  std::string id, flags;
  PopupItem item;
  std::getline(fields, id, '\t');
  std::getline(fields, flags, '\t');
  std::getline(fields, item.text);
  item.id = static_cast<UINT>(std::stoul(id));
  item.separator = flags == "S";
  item.greyed = flags == "G";
  return item;
}

}  // namespace

bool ContextMenuDriver::Open(HWND control, POINT at) {
  const LPARAM point = MAKELPARAM(at.x, at.y);
  PostMessageA(control, WM_RBUTTONDOWN, MK_RBUTTON, point);
  PostMessageA(control, WM_RBUTTONUP, 0, point);
  popup_ = e2e::WaitForTopWindow(MenuWindow(processId_), e2e::kDefaultTimeoutMs);
  return popup_ != nullptr;
}

bool ContextMenuDriver::Read(std::vector<PopupItem>& items, std::string& error) const {
  e2e::RemoteLibrary probe(popup_, e2e::WindowsPath(ZQ_POPUP_MENU_PROBE));
  if (!probe.Loaded()) {
    error = probe.Error();
    return false;
  }
  e2e::RemoteBuffer buffer(popup_, sizeof(PopupMenuRequest) + kTextCapacity);
  const PopupMenuRequest request = {popup_, kTextCapacity};
  DWORD written = 0;
  if (!buffer.Write(0, &request, sizeof request) ||
      !probe.Call(kPopupMenuProbeExport, buffer.At(0), e2e::kDefaultTimeoutMs, written)) {
    error = probe.Error();
    return false;
  }
  if (written == kPopupMenuNoMenu || written == kPopupMenuTooLong) {
    error = written == kPopupMenuNoMenu ? "the window shows no menu" : "the menu is too long";
    return false;
  }
  std::string text(written, '\0');
  buffer.Read(sizeof request, &text[0], written);
  std::istringstream lines(text);
  std::string line;
  items.clear();
  while (std::getline(lines, line)) items.push_back(ParseLine(line));
  return true;
}

// The menu's own loop takes keyboard input from the thread's queue, whichever of the
// program's windows a message is posted to.
void ContextMenuDriver::Choose(char key) { PostMessageA(popup_, WM_CHAR, static_cast<WPARAM>(key), 1); }

void ContextMenuDriver::Dismiss() { e2e::PostKey(popup_, VK_ESCAPE); }

// Wine may keep the menu's window for later and only hide it.
bool ContextMenuDriver::WaitClosed() const {
  return e2e::WaitUntil([&] { return e2e::FindTopWindow(MenuWindow(processId_)) == nullptr; });
}

}  // namespace schemae2e
