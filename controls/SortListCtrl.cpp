#include "SortListCtrl.h"

#include <commctrl.h>

#include <cstring>
#include <map>
#include <new>

#include "SortKeySet.h"

namespace {

// Every attached list window: the object that handles it (null once detached while another
// subclass sits on top of ours) and the window procedure it had before. Kept here rather than
// in the window, because reading a window property costs a server round trip under Wine,
// for every message the list gets.
struct Hook {
  CSortListCtrl* list;
  WNDPROC previous;
};

std::map<HWND, Hook>& Hooks() {
  static std::map<HWND, Hook> hooks;
  return hooks;
}

bool IsListView(HWND hwnd) {
  char name[32] = "";
  return GetClassNameA(hwnd, name, sizeof name) > 0 && std::strcmp(name, WC_LISTVIEWA) == 0;
}

}  // namespace

CSortListCtrl::~CSortListCtrl() { Detach(); }

bool CSortListCtrl::Attach(HWND listView) {
  if (hwnd_ || !IsWindow(listView) || !IsListView(listView) || Hooks().count(listView)) return false;
  HWND headerWindow = GetDlgItem(listView, 0);
  if (!headerWindow) return false;
  // The wide form: the list view is a wide window, so nothing is converted on the way.
  const auto previous =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
  Hooks()[listView] = Hook{this, previous};
  hwnd_ = listView;
  header.Attach(headerWindow);
  return true;
}

void CSortListCtrl::Detach() {
  if (!hwnd_) return;
  Hook& hook = Hooks()[hwnd_];
  if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(WindowProc)) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.previous));
    Hooks().erase(hwnd_);
  } else {
    hook.list = nullptr;  // a later subclass still calls ours: pass everything through
  }
  hwnd_ = nullptr;
  header.Detach();
}

bool CSortListCtrl::SortByColumn(int column, bool ascendingOrder) {
  // Lending and returning item data would repaint row after row; without redrawing the
  // sort is several times faster, and the list repaints once at the end.
  SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
  bool sorted = true;
  try {
    SortKeySet keys(hwnd_, column);
    keys.Sort(ascendingOrder);
  } catch (const std::bad_alloc&) {
    sorted = false;
  }
  SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);  // turning redrawing on does not repaint by itself
  return sorted;
}

bool CSortListCtrl::IsHeaderClick(const NMHDR& notify) const {
  // The header reports in whichever character set the list asked for: accept both.
  return notify.idFrom == 0 && (notify.code == HDN_ITEMCLICKA || notify.code == HDN_ITEMCLICKW);
}

LRESULT CSortListCtrl::OnHeaderClicked(const NMHEADERA& notify) {
  if (notify.iButton != 0) return 0;  // right and middle clicks do not sort
  const bool order = notify.iItem == sortColumn ? !ascending : true;
  if (!SortByColumn(notify.iItem, order)) {
    if (sortOutOfMemory_) sortOutOfMemory_();
    return 0;
  }
  ascending = order;
  sortColumn = notify.iItem;
  header.SetSortArrow(sortColumn, ascending);
  return 0;
}

bool CSortListCtrl::HandleMessage(UINT msg, LPARAM lParam, LRESULT& result) {
  if (msg == WM_NOTIFY) {
    // NMHEADERA and NMHEADERW differ only in the item they point to, not in iItem/iButton.
    const auto* notify = reinterpret_cast<const NMHDR*>(lParam);
    if (!IsHeaderClick(*notify)) return false;
    result = OnHeaderClicked(*reinterpret_cast<const NMHEADERA*>(lParam));
    return true;
  }
  if (msg == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_HEADER || draw->hwndItem != header.Handle()) return false;
    header.DrawItem(*draw);
    result = TRUE;
    return true;
  }
  return false;
}

LRESULT CALLBACK CSortListCtrl::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto found = Hooks().find(hwnd);
  if (found == Hooks().end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
  const Hook hook = found->second;
  LRESULT result = 0;
  if (hook.list && hook.list->HandleMessage(msg, lParam, result)) return result;
  if (msg == WM_NCDESTROY) {
    if (hook.list) hook.list->Detach();
    Hooks().erase(hwnd);
  }
  return CallWindowProcW(hook.previous, hwnd, msg, wParam, lParam);
}
