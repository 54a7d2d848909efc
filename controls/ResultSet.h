// The result list's contents: the column headings, the rows (RowStore) and the order they
// are shown in, with the sort keys of every column sorted by so far.
//
// How to read the rows as the user sees them: take `const ResultSet& rows` from the list
// (CSortListCtrl::Rows(); the selection, in the same row numbers, from
// CSortListCtrl::SelectedRows()); columns go 0 to ColumnCount()-1 left to right, headed by
// Heading(column); rows go 0 to RowCount()-1 top to bottom in the current display order,
// that is after any sorting by the user, and CellText(row, column) is the text of the cell
// shown there ("NULL" for a database NULL, "" for a column the row has no cell in). Row
// numbers are display positions, never fetch positions (StoredRow() maps one to the other).
// Everything is read in-process, on the thread that owns the list, and stays valid until
// the list is next cleared or sorted; no window message is needed.
#ifndef ZENQUILL_CONTROLS_RESULTSET_H
#define ZENQUILL_CONTROLS_RESULTSET_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ChunkedArray.h"
#include "RowStore.h"
#include "TextArena.h"

namespace results {

class ResultSet {
 public:
  // Filling, by the list's owner. Clear empties rows, columns, order and keys at once.
  void Clear();
  void AddColumn(const std::string& heading);
  // Appends after the last row shown (new rows are never sorted in). False when memory ran
  // out: the row is then not there at all.
  bool AppendRow(const Row& cells);
  // A row in one piece, each cell's text ended by a NUL (RowText's form), copied once.
  bool AppendRowText(std::string_view cells);

  // Reading, in display order.
  int ColumnCount() const { return static_cast<int>(headings_.size()); }
  const std::string& Heading(int column) const { return headings_[column]; }
  int RowCount() const { return rows_.RowCount(); }
  const char* CellText(int row, int column) const { return rows_.CellText(StoredRow(row), column); }
  std::string_view Cell(int row, int column) const { return CellText(row, column); }
  // The row's cells in one piece, each ended by a NUL (RowStore::RowText).
  std::string_view RowText(int row) const { return rows_.RowText(StoredRow(row)); }
  // The fetch position of the row shown at `row`.
  int StoredRow(int row) const { return order_.empty() ? row : static_cast<int>(order_[row]); }

  // Reorders the rows by the text of `column`, case-insensitively in the user's code page
  // (the order of CompareStringA with NORM_IGNORECASE | SORT_STRINGSORT); rows with equal
  // texts keep their relative order. Each cell's sort key is made once and kept while the
  // result stays, so sorting the same column again costs only the reordering. False when
  // memory ran out: the order is then unchanged.
  bool Sort(int column, bool ascending);

 private:
  // The sort keys of one column for the first size() stored rows, NUL-terminated.
  struct KeyColumn {
    TextArena keys;
    ChunkedArray<TextArena::Position> rowKeys;
  };
  void MakeKeys(int column, KeyColumn& keys);
  // Appends with `append` (one of the store's) behind the order shown, if any; false, and
  // nothing appended, when memory ran out.
  template <class StoreAppend>
  bool AppendStored(const StoreAppend& append);

  std::vector<std::string> headings_;
  RowStore rows_;
  std::vector<std::uint32_t> order_;  // stored row at each display position; empty: fetch order
  std::map<int, KeyColumn> keys_;     // by column
};

}  // namespace results

#endif
