#include "RowStore.h"

#include <cstring>

#include "ResultMemoryCap.h"

namespace results {

void RowStore::Append(const Row& cells) {
  std::size_t bytes = 0;
  // A cell shows up to its first NUL, as list texts always did.
  for (const std::string& cell : cells) bytes += std::string_view(cell.c_str()).size() + 1;
  text_.Reserve(bytes);
  cells_.Reserve(cells.size());
  rowCells_.Reserve(1);
  // Counted after the real reservations: whatever they took stays for the next rows.
  fw::HoldResultMemory(bytes + (cells.size() + 1) * sizeof(std::uint32_t));
  rowCells_.Append(static_cast<std::uint32_t>(cells_.size()));
  for (const std::string& cell : cells) cells_.Append(text_.Append(cell.c_str()));
}

int RowStore::CellCount(int row) const {
  const std::size_t end = row + 1 < RowCount() ? rowCells_[row + 1] : cells_.size();
  return static_cast<int>(end - rowCells_[row]);
}

const char* RowStore::CellText(int row, int column) const {
  if (column < 0 || column >= CellCount(row)) return "";
  return text_.At(cells_[rowCells_[row] + column]);
}

std::string_view RowStore::RowText(int row) const {
  const int count = CellCount(row);
  if (count == 0) return {};
  const char* first = text_.At(cells_[rowCells_[row]]);
  const char* last = text_.At(cells_[rowCells_[row] + count - 1]);
  return std::string_view(first, static_cast<std::size_t>(last - first) + std::strlen(last) + 1);
}

void RowStore::Clear() {
  text_.Clear();
  cells_.Clear();
  rowCells_.Clear();
  fw::ReleaseResultMemory();
}

}  // namespace results
