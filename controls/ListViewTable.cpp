#include "ListViewTable.h"

#include <windows.h>
#include <commctrl.h>

#include <numeric>

#include "ResultMemoryCap.h"

namespace xml {
namespace {

constexpr int kHeadingBufferSize = 8192;
constexpr int kFirstCellBufferSize = 256;

}  // namespace

ListViewTable::ListViewTable(HWND listView, const results::ResultSet* rows) : list_(listView), rows_(rows) {
  const HWND header = ListView_GetHeader(listView);
  const int count = header ? Header_GetItemCount(header) : 0;
  if (count <= 0) return;
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), 0);
  ListView_GetColumnOrderArray(listView, count, order_.data());
}

int ListViewTable::RowCount() const { return rows_ ? rows_->RowCount() : ListView_GetItemCount(list_); }

std::string ListViewTable::Heading(int column) const {
  std::vector<char> buffer(kHeadingBufferSize, '\0');
  LVCOLUMNA item = {};
  item.mask = LVCF_TEXT;
  item.pszText = buffer.data();
  item.cchTextMax = kHeadingBufferSize;
  if (!SendMessageA(list_, LVM_GETCOLUMNA, order_[column], reinterpret_cast<LPARAM>(&item)) || !item.pszText ||
      !item.pszText[0]) {
    return "data";
  }
  return item.pszText;
}

std::string ListViewTable::Cell(int row, int column) const {
  // The list copies at most the buffer's size less one: a full buffer may mean more text.
  fw::ResultMemoryLoan memory;
  if (rows_) {
    const std::string_view text = rows_->Cell(row, order_[column]);
    memory.Take(text.size() + 1);
    return std::string(text);
  }
  for (int size = kFirstCellBufferSize;; size *= 2) {
    memory.Take(size);
    std::vector<char> buffer(size, '\0');
    LVITEMA item = {};
    item.iSubItem = order_[column];
    item.pszText = buffer.data();
    item.cchTextMax = size;
    const auto length = static_cast<int>(SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    if (length < size - 1) return std::string(buffer.data(), length);
  }
}

}  // namespace xml
