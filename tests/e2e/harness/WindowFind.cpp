#include "WindowFind.h"

#include <cstring>
#include <utility>

#include "Wait.h"

namespace e2e {
namespace {

bool Matches(HWND hwnd, const WindowQuery& query) {
  if (query.visibleOnly && !IsWindowVisible(hwnd)) return false;
  if (query.processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != query.processId) return false;
  }
  char text[512] = "";
  if (query.className && (!GetClassNameA(hwnd, text, sizeof text) || lstrcmpiA(text, query.className) != 0))
    return false;
  if (query.caption) {
    GetWindowTextA(hwnd, text, sizeof text);
    if (std::strcmp(text, query.caption) != 0) return false;
  }
  return true;
}

struct Search {
  const WindowQuery* query;
  HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (!Matches(hwnd, *search->query)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// EnumChildWindows visits every descendant, depth first.
BOOL CALLBACK VisitControl(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(param);
  if (GetDlgCtrlID(hwnd) != search->first) return TRUE;
  search->second = hwnd;
  return FALSE;
}

}  // namespace

HWND FindTopWindow(const WindowQuery& query) {
  Search search = {&query, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopWindow(const WindowQuery& query, unsigned timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeoutMs);
  return found;
}

HWND WaitForDialog(const char* caption, DWORD processId, unsigned timeoutMs) {
  WindowQuery query;
  query.className = "#32770";
  query.caption = caption;
  query.processId = processId;
  HWND found = nullptr;
  const bool ready = WaitUntil(
      [&] {
        found = FindTopWindow(query);
        return found && GetWindow(found, GW_CHILD) != nullptr;
      },
      timeoutMs);
  return ready ? found : nullptr;
}

HWND FindControl(HWND ancestor, int id) {
  std::pair<int, HWND> search(id, nullptr);
  EnumChildWindows(ancestor, VisitControl, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

HWND WaitForControl(HWND ancestor, int id, unsigned timeoutMs) {
  HWND control = nullptr;
  WaitUntil([&] { return (control = FindControl(ancestor, id)) != nullptr; }, timeoutMs);
  return control;
}

bool WaitForGone(HWND window, unsigned timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

}  // namespace e2e
