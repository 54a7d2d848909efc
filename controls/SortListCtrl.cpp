#include "SortListCtrl.h"

#include <commctrl.h>

#include <cstring>

#include "SortKeySet.h"

namespace {

const UINT_PTR kSubclassId = 0x5A51;  // any value unique among this window's subclasses

bool IsListView(HWND hwnd) {
  char name[32] = "";
  return GetClassNameA(hwnd, name, sizeof name) > 0 && std::strcmp(name, WC_LISTVIEWA) == 0;
}

}  // namespace

CSortListCtrl::~CSortListCtrl() { Detach(); }

bool CSortListCtrl::Attach(HWND listView) {
  if (hwnd_ || !IsWindow(listView) || !IsListView(listView)) return false;
  HWND headerWindow = GetDlgItem(listView, 0);
  if (!headerWindow) return false;
  if (!SetWindowSubclass(listView, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  hwnd_ = listView;
  header.Attach(headerWindow);
  return true;
}

void CSortListCtrl::Detach() {
  if (!hwnd_) return;
  RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
  hwnd_ = nullptr;
  header.Detach();
}

void CSortListCtrl::SortByColumn(int column, bool ascendingOrder) {
  SortKeySet keys(hwnd_, column);
  keys.Sort(ascendingOrder);
}

bool CSortListCtrl::IsHeaderClick(const NMHDR& notify) const {
  // The header reports in whichever character set the list asked for: accept both.
  return notify.idFrom == 0 && (notify.code == HDN_ITEMCLICKA || notify.code == HDN_ITEMCLICKW);
}

LRESULT CSortListCtrl::OnHeaderClicked(const NMHEADERA& notify) {
  if (notify.iButton != 0) return 0;  // right and middle clicks do not sort
  ascending = notify.iItem == sortColumn ? !ascending : true;
  sortColumn = notify.iItem;
  header.SetSortArrow(sortColumn, ascending);
  SortByColumn(sortColumn, ascending);
  return 0;
}

LRESULT CALLBACK CSortListCtrl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) {
  auto* list = reinterpret_cast<CSortListCtrl*>(self);
  switch (msg) {
    case WM_NOTIFY: {
      // NMHEADERA and NMHEADERW differ only in the item they point to, not in iItem/iButton.
      const auto* notify = reinterpret_cast<const NMHDR*>(lParam);
      if (list->IsHeaderClick(*notify))
        return list->OnHeaderClicked(*reinterpret_cast<const NMHEADERA*>(lParam));
      break;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType == ODT_HEADER && draw->hwndItem == list->header.Handle()) {
        list->header.DrawItem(*draw);
        return TRUE;
      }
      break;
    }
    case WM_NCDESTROY:
      list->Detach();
      break;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}
