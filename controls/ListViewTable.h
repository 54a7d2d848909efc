// The result list on screen as a table: the headings and cells of a report list view, in
// the order the user sees them (columns left to right, rows as last sorted). Given the rows
// the list shows, the cells are read from them directly instead of through the window.
#ifndef ZENQUILL_CONTROLS_LISTVIEWTABLE_H
#define ZENQUILL_CONTROLS_LISTVIEWTABLE_H

#include <string>
#include <vector>

#include "ResultSet.h"
#include "TableSource.h"

struct HWND__;

namespace xml {

class ListViewTable : public TableSource {
 public:
  explicit ListViewTable(HWND__* listView, const results::ResultSet* rows = nullptr);

  int ColumnCount() const override { return static_cast<int>(order_.size()); }
  int RowCount() const override;
  // A column whose heading the list reports empty, or not at all, is called "data".
  std::string Heading(int column) const override;
  std::string Cell(int row, int column) const override;

 private:
  HWND__* list_;
  const results::ResultSet* rows_;
  std::vector<int> order_;  // the list's column index at each position from the left
};

}  // namespace xml

#endif
