// The selection of an owner-data list follows display positions, not rows: a sort that
// moves the rows must move the selection, the focus and the selection mark with them.
#ifndef ZENQUILL_CONTROLS_LISTSELECTION_H
#define ZENQUILL_CONTROLS_LISTSELECTION_H

#include <windows.h>

#include <vector>

#include "ResultSet.h"

namespace listselection {

// The display positions of the selected rows, top to bottom.
std::vector<int> Selected(HWND list);

// Which stored rows carry the selection, the focus and the selection mark, and where the
// selected rows were shown.
struct Marks {
  std::vector<int> shownAt;
  std::vector<int> selected;
  int focused = -1;
  int selectionMark = -1;
};

Marks Take(HWND list, const results::ResultSet& rows);
// Puts the marks back on the same rows, wherever the rows are shown now.
void Restore(HWND list, const results::ResultSet& rows, const Marks& marks);

}  // namespace listselection

#endif
