// Reading a report list view of the program: column headings, rows and cell texts; clicking
// its column headings.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_LISTVIEWREADER_H
#define ZENQUILL_TESTS_E2E_HARNESS_LISTVIEWREADER_H

#include <windows.h>

#include <string>
#include <vector>

#include "RemoteText.h"

namespace e2e {

class ListViewReader {
 public:
  explicit ListViewReader(HWND list) : list_(list), texts_(list) {}

  std::vector<std::string> Columns();
  int RowCount() const;
  std::string Cell(int row, int column);
  // Every row, every column, in the list's current order.
  std::vector<std::vector<std::string>> Rows();
  // The row's item data (the value the program keeps with it).
  LPARAM ItemData(int row) const;
  // The first selected row, -1 for none.
  int SelectedRow() const;
  // A column heading's rectangle in the header's client coordinates.
  RECT HeadingRect(int column);
  // A left click on a column heading, posted as mouse messages to the header, as the user
  // makes it: the header tells the list, the list tells its owner.
  bool ClickHeading(int column);

 private:
  HWND Header() const;

  HWND list_;
  RemoteTextReader texts_;
};

}  // namespace e2e

#endif
