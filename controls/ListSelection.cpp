#include "ListSelection.h"

#include <commctrl.h>

namespace listselection {
namespace {

int Next(HWND list, int after, UINT flags) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, after, MAKELPARAM(flags, 0)));
}

void SetState(HWND list, int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

int StoredOrNone(const results::ResultSet& rows, int shown) {
  return shown >= 0 && shown < rows.RowCount() ? rows.StoredRow(shown) : -1;
}

}  // namespace

std::vector<int> Selected(HWND list) {
  std::vector<int> rows;
  for (int row = Next(list, -1, LVNI_SELECTED); row >= 0; row = Next(list, row, LVNI_SELECTED)) rows.push_back(row);
  return rows;
}

Marks Take(HWND list, const results::ResultSet& rows) {
  Marks marks;
  marks.shownAt = Selected(list);
  for (const int shown : marks.shownAt) marks.selected.push_back(rows.StoredRow(shown));
  marks.focused = StoredOrNone(rows, Next(list, -1, LVNI_FOCUSED));
  marks.selectionMark = StoredOrNone(rows, static_cast<int>(SendMessageA(list, LVM_GETSELECTIONMARK, 0, 0)));
  return marks;
}

void Restore(HWND list, const results::ResultSet& rows, const Marks& marks) {
  if (marks.selected.empty() && marks.focused < 0 && marks.selectionMark < 0) return;
  for (const int shown : marks.shownAt) SetState(list, shown, 0, LVIS_SELECTED);
  // One pass over the display order finds every marked row's new place.
  std::vector<char> selected(rows.RowCount(), 0);
  for (const int stored : marks.selected) selected[stored] = 1;
  for (int shown = 0; shown < rows.RowCount(); ++shown) {
    const int stored = rows.StoredRow(shown);
    if (selected[stored]) SetState(list, shown, LVIS_SELECTED, LVIS_SELECTED);
    if (stored == marks.focused) SetState(list, shown, LVIS_FOCUSED, LVIS_FOCUSED);
    if (stored == marks.selectionMark) SendMessageA(list, LVM_SETSELECTIONMARK, 0, shown);
  }
}

}  // namespace listselection
