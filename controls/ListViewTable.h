// The result list on screen as a table: the headings and cells of a report list view, in
// the order the user sees them (columns left to right, rows as last sorted).
#ifndef ZENQUILL_CONTROLS_LISTVIEWTABLE_H
#define ZENQUILL_CONTROLS_LISTVIEWTABLE_H

#include <string>
#include <vector>

#include "TableSource.h"

struct HWND__;

namespace xml {

class ListViewTable : public TableSource {
 public:
  explicit ListViewTable(HWND__* listView);

  int ColumnCount() const override { return static_cast<int>(order_.size()); }
  int RowCount() const override;
  // A column whose heading the list reports empty, or not at all, is called "data".
  std::string Heading(int column) const override;
  std::string Cell(int row, int column) const override;

 private:
  HWND__* list_;
  std::vector<int> order_;  // the list's column index at each position from the left
};

}  // namespace xml

#endif
