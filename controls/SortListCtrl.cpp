#include "SortListCtrl.h"

#include <commctrl.h>

#include <cstring>
#include <map>
#include <string>

#include "ListAnswers.h"
#include "ListSelection.h"

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

// An owner-data list keeps no rows: it asks for what it shows, and the rows stay here.
bool IsOwnerDataListView(HWND hwnd) {
  char name[32] = "";
  return GetClassNameA(hwnd, name, sizeof name) > 0 && std::strcmp(name, WC_LISTVIEWA) == 0 &&
         (GetWindowLongA(hwnd, GWL_STYLE) & LVS_OWNERDATA) != 0;
}

}  // namespace

CSortListCtrl::~CSortListCtrl() { Detach(); }

bool CSortListCtrl::Attach(HWND listView) {
  if (hwnd_ || !IsWindow(listView) || !IsOwnerDataListView(listView) || Hooks().count(listView)) return false;
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
  if (drawingHeld_) Redraw();
  drawingHeld_ = false;
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

std::vector<int> CSortListCtrl::SelectedRows() const { return listselection::Selected(hwnd_); }

// Drawing stays held until ShowRowCount: the emptied list is not drawn on its own just before
// the new headings and rows go in.
void CSortListCtrl::Clear() {
  HoldDrawing();
  // Counting down to none first: the list then has no rows to go through one by one.
  SendMessageA(hwnd_, LVM_SETITEMCOUNT, 0, 0);
  SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0);
  const HWND headerWindow = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
  for (auto columns = SendMessageA(headerWindow, HDM_GETITEMCOUNT, 0, 0); columns > 0; --columns)
    SendMessageA(hwnd_, LVM_DELETECOLUMN, 0, 0);
  rows_.Clear();
}

void CSortListCtrl::HoldDrawing() {
  if (drawingHeld_) return;
  SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
  drawingHeld_ = true;
}

void CSortListCtrl::Redraw() {
  SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// With drawing on, every heading would lay the list out again and redraw its scroll bars at
// once (about 10 ms each under Wine once they no longer fit): they are shown together at the
// next ShowRowCount.
void CSortListCtrl::AddColumn(const std::string& heading, int width) {
  HoldDrawing();
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<char*>(heading.c_str());
  column.iSubItem = rows_.ColumnCount();
  rows_.AddColumn(heading);
  SendMessageA(hwnd_, LVM_INSERTCOLUMNA, column.iSubItem, reinterpret_cast<LPARAM>(&column));
}

bool CSortListCtrl::AppendRow(const results::Row& cells) { return rows_.AppendRow(cells); }

bool CSortListCtrl::AppendRowText(std::string_view cells) { return rows_.AppendRowText(cells); }

// A count the list already has is not set again: that would redraw the whole list.
void CSortListCtrl::ShowRowCount() {
  const int rows = rows_.RowCount();
  if (drawingHeld_ || SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0) != rows)
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  if (!drawingHeld_) return;
  drawingHeld_ = false;
  Redraw();
}

bool CSortListCtrl::SortByColumn(int column, bool ascendingOrder) {
  const listselection::Marks marks = listselection::Take(hwnd_, rows_);
  const bool sorted = rows_.Sort(column, ascendingOrder);
  listselection::Restore(hwnd_, rows_, marks);
  InvalidateRect(hwnd_, nullptr, TRUE);
  return sorted;
}

bool CSortListCtrl::OnParentNotify(NMHDR& notify, LRESULT& result) {
  if (notify.hwndFrom != hwnd_ || !hwnd_) return false;
  switch (notify.code) {
    case LVN_GETDISPINFOA: listanswers::AnswerText(rows_, reinterpret_cast<NMLVDISPINFOA&>(notify).item); break;
    case LVN_GETDISPINFOW: listanswers::AnswerText(rows_, reinterpret_cast<NMLVDISPINFOW&>(notify).item); break;
    case LVN_ODFINDITEMA: {
      const auto& find = reinterpret_cast<const NMLVFINDITEMA&>(notify);
      result = listanswers::FindRow(rows_, find.lvfi.flags, find.lvfi.psz ? find.lvfi.psz : "", find.iStart);
      return true;
    }
    case LVN_ODFINDITEMW: {
      const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(notify);
      const std::string text = find.lvfi.psz ? listanswers::Narrow(find.lvfi.psz) : std::string();
      result = listanswers::FindRow(rows_, find.lvfi.flags, text, find.iStart);
      return true;
    }
    default: return false;
  }
  result = 0;
  return true;
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
