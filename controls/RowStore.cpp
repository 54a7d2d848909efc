#include "RowStore.h"

#include <algorithm>
#include <cstring>

#include "ResultMemoryCap.h"

namespace results {

void RowStore::Append(const Row& cells) {
  std::size_t bytes = 0;
  // A cell shows up to its first NUL, as list texts always did.
  for (const std::string& cell : cells) bytes += std::string_view(cell.c_str()).size() + 1;
  BeginRow(bytes, cells.size());
  for (const std::string& cell : cells) cells_.Append(text_.Append(cell.c_str()));
}

void RowStore::AppendText(std::string_view cells) {
  BeginRow(cells.size(), static_cast<std::size_t>(std::count(cells.begin(), cells.end(), '\0')));
  if (cells.empty()) return;
  // The arena ends the copy with the last cell's NUL; the row stays in one piece, so every
  // cell's position follows from the first.
  const TextArena::Position first = text_.Append(cells.substr(0, cells.size() - 1));
  for (std::size_t at = 0; at < cells.size(); at += std::strlen(cells.data() + at) + 1)
    cells_.Append(first + static_cast<TextArena::Position>(at));
}

void RowStore::BeginRow(std::size_t bytes, std::size_t cells) {
  text_.Reserve(bytes);
  cells_.Reserve(cells);
  rowCells_.Reserve(1);
  // Counted after the real reservations: whatever they took stays for the next rows.
  fw::HoldResultMemory(bytes + (cells + 1) * sizeof(std::uint32_t));
  rowCells_.Append(static_cast<std::uint32_t>(cells_.size()));
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
