// The result list: a report list view that sorts its rows by the text of a column whose
// header is left-clicked; a second click on the same header reverses the order.
#ifndef ZENQUILL_CONTROLS_SORTLISTCTRL_H
#define ZENQUILL_CONTROLS_SORTLISTCTRL_H

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "SortHeaderCtrl.h"

class CSortListCtrl {
 public:
  CSortListCtrl() = default;
  ~CSortListCtrl();
  CSortListCtrl(const CSortListCtrl&) = delete;
  CSortListCtrl& operator=(const CSortListCtrl&) = delete;

  // Subclasses an existing report list view and attaches its header (the child with id 0).
  // False when the window is not a list view or has no header.
  bool Attach(HWND listView);
  void Detach();
  HWND Handle() const { return hwnd_; }
  CSortHeaderCtrl& Header() { return header; }

  // Sorts every row by the text of `column`; the rows keep their own item data. False when
  // memory ran out: the rows then keep their order too.
  bool SortByColumn(int column, bool ascending);

  // Called when a header click could not sort for want of memory; the sort state and the
  // header's mark stay as they were.
  void OnSortOutOfMemory(std::function<void()> handler) { sortOutOfMemory_ = std::move(handler); }

  int SortColumn() const { return sortColumn; }
  bool Ascending() const { return ascending; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool HandleMessage(UINT msg, LPARAM lParam, LRESULT& result);
  bool IsHeaderClick(const NMHDR& notify) const;
  LRESULT OnHeaderClicked(const NMHEADERA& notify);

  HWND hwnd_ = nullptr;
  // Both survive a refill of the list: a click on the old column index then reverses.
  int sortColumn = -1;
  bool ascending = true;
  CSortHeaderCtrl header;
  std::function<void()> sortOutOfMemory_;
};

#endif
