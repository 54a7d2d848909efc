// The result list's header: marks the sorted column with a small 3-D triangle drawn at the
// right end of an owner-drawn header item.
#ifndef ZENQUILL_CONTROLS_SORTHEADERCTRL_H
#define ZENQUILL_CONTROLS_SORTHEADERCTRL_H

#include <windows.h>

class CSortHeaderCtrl {
 public:
  // Remembers the list's own header control (it belongs to the list; nothing is subclassed:
  // its draw requests arrive at the list, which hands them to DrawItem).
  void Attach(HWND header) { hwnd_ = header; }
  void Detach() { hwnd_ = nullptr; }
  HWND Handle() const { return hwnd_; }

  // Marks `column`, makes that item owner-drawn and repaints; returns the previously marked
  // column. The owner-draw flag of an earlier column stays; it is then drawn without a mark.
  int SetSortArrow(int column, bool ascending);

  // Paints one owner-drawn item: background, text with margins, and the mark when sorted.
  void DrawItem(const DRAWITEMSTRUCT& draw);

  int SortColumn() const { return sortColumn; }
  bool Ascending() const { return ascending; }

 private:
  void DrawLabel(HDC dc, const DRAWITEMSTRUCT& draw, int blank);
  void DrawMark(HDC dc, const RECT& item, int blank);

  HWND hwnd_ = nullptr;
  int sortColumn = -1;
  bool ascending = true;
};

#endif
