// The result list: an owner-data report list view (LVS_OWNERDATA) that holds no rows itself
// but paints, and answers every reader, from the program's ResultSet; it sorts the rows by
// the text of a column whose header is left-clicked, a second click on the same header
// reversing the order. In-process readers read Rows() directly (see ResultSet.h); other
// processes still read through LVM_GETITEMCOUNT and LVM_GETITEMTEXTA.
#ifndef ZENQUILL_CONTROLS_SORTLISTCTRL_H
#define ZENQUILL_CONTROLS_SORTLISTCTRL_H

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ResultSet.h"
#include "SortHeaderCtrl.h"

class CSortListCtrl {
 public:
  CSortListCtrl() = default;
  ~CSortListCtrl();
  CSortListCtrl(const CSortListCtrl&) = delete;
  CSortListCtrl& operator=(const CSortListCtrl&) = delete;

  // Subclasses an existing owner-data report list view and attaches its header (the child
  // with id 0). False when the window is not such a list view or has no header.
  bool Attach(HWND listView);
  void Detach();
  HWND Handle() const { return hwnd_; }
  CSortHeaderCtrl& Header() { return header; }

  // The rows, headings and display order; how to read them is said in ResultSet.h.
  const results::ResultSet& Rows() const { return rows_; }
  // The display positions of the selected rows, top to bottom.
  std::vector<int> SelectedRows() const;

  // Filling. Clear empties rows and columns at once (the sort state stays); like AddColumn,
  // it leaves the list to be drawn again at ShowRowCount.
  void Clear();
  // A left-aligned column after the last one; the list is not drawn again until ShowRowCount.
  void AddColumn(const std::string& heading, int width);
  // Into the store only: the list learns of new rows at ShowRowCount. False when memory ran
  // out: the row is then not there at all.
  bool AppendRow(const results::Row& cells);
  // The same for a row in one piece, each cell's text ended by a NUL, copied once.
  bool AppendRowText(std::string_view cells);
  // Tells the list view how many rows the store holds, and draws it again after AddColumn;
  // scrolling and selection stay.
  void ShowRowCount();

  // The list's parent hands every WM_NOTIFY from the list here: the list's requests for
  // cell texts (LVN_GETDISPINFO) and for the row that typed letters begin (LVN_ODFINDITEM)
  // are answered from the rows. True when handled, with the notification's result.
  bool OnParentNotify(NMHDR& notify, LRESULT& result);

  // Sorts every row by the text of `column`; selected rows stay selected. False when memory
  // ran out: the rows then keep their order too.
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
  // Drawing off until ShowRowCount.
  void HoldDrawing();
  // Drawing on, and the whole list (headings, frame, scroll bars) drawn anew.
  void Redraw();

  HWND hwnd_ = nullptr;
  bool drawingHeld_ = false;  // by Clear or AddColumn, until ShowRowCount
  results::ResultSet rows_;
  // Both survive a refill of the list: a click on the old column index then reverses.
  int sortColumn = -1;
  bool ascending = true;
  CSortHeaderCtrl header;
  std::function<void()> sortOutOfMemory_;
};

#endif
