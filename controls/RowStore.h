// The rows of one result, kept once and compactly: every cell's text goes into large blocks
// (TextArena), with one offset per cell and one per row, so a row costs its text, a NUL and
// four bytes per cell besides, and emptying the store frees its blocks at once whatever the
// number of rows. Rows keep the cells they came with: a script's rows may have fewer cells
// than the widest query, and a missing cell reads as the empty text.
#ifndef ZENQUILL_CONTROLS_ROWSTORE_H
#define ZENQUILL_CONTROLS_ROWSTORE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ChunkedArray.h"
#include "TextArena.h"

namespace results {

// One fetched row: its cells' texts, left to right ("NULL" for a database NULL).
using Row = std::vector<std::string>;

class RowStore {
 public:
  // Appends a row after the last one. Throws std::bad_alloc (also when the test-only cap of
  // ZENQUILL_TEST_RESULT_BYTES is reached) and leaves the store exactly as it was.
  void Append(const Row& cells);
  // The same for a row already in one piece, as RowText gives it: each cell's text ended by
  // a NUL. It goes in with a single copy.
  void AppendText(std::string_view cells);

  int RowCount() const { return static_cast<int>(rowCells_.size()); }
  int CellCount(int row) const;
  // The cell's NUL-terminated text; "" for a column the row has no cell in. Valid until the
  // store is cleared.
  const char* CellText(int row, int column) const;
  // The row's cells as they lie in the store, in one piece: each cell's text and its NUL, left
  // to right (a row's texts are reserved together, so they are never apart). Valid until the
  // store is cleared.
  std::string_view RowText(int row) const;

  // Frees every block and offset at once and gives the cap back what the rows held.
  void Clear();

 private:
  // Room for a row of `cells` cells and `bytes` of text with their NULs, counted against the
  // cap; the row's entry in rowCells_ is made.
  void BeginRow(std::size_t bytes, std::size_t cells);

  TextArena text_;
  ChunkedArray<TextArena::Position> cells_;  // every cell's text, rows one after the other
  ChunkedArray<std::uint32_t> rowCells_;     // each row's first entry in cells_
};

}  // namespace results

#endif
