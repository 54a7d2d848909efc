// Reading a report list view of the program: column headings, rows and cell texts.
#pragma once
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
  // The first selected row, -1 for none.
  int SelectedRow() const;

 private:
  HWND Header() const;

  HWND list_;
  RemoteTextReader texts_;
};

}  // namespace e2e
