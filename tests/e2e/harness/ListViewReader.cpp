#include "ListViewReader.h"

#include <commctrl.h>

namespace e2e {

HWND ListViewReader::Header() const { return reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0)); }

std::vector<std::string> ListViewReader::Columns() {
  HWND header = Header();
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<std::string> headings;
  for (int column = 0; column < count; ++column) {
    headings.push_back(texts_.Read([&](RemoteBuffer& buffer, void* text, int capacity) {
      HDITEMA item = {};
      item.mask = HDI_TEXT;
      item.pszText = static_cast<char*>(text);
      item.cchTextMax = capacity;
      buffer.Write(0, &item, sizeof item);
      SendMessageA(header, HDM_GETITEMA, column, buffer.Param());
    }));
  }
  return headings;
}

int ListViewReader::RowCount() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListViewReader::Cell(int row, int column) {
  return texts_.Read([&](RemoteBuffer& buffer, void* text, int capacity) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = static_cast<char*>(text);
    item.cchTextMax = capacity;
    buffer.Write(0, &item, sizeof item);
    SendMessageA(list_, LVM_GETITEMTEXTA, row, buffer.Param());
  });
}

std::vector<std::vector<std::string>> ListViewReader::Rows() {
  const int columns = static_cast<int>(SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0));
  std::vector<std::vector<std::string>> rows(RowCount());
  for (size_t row = 0; row < rows.size(); ++row)
    for (int column = 0; column < columns; ++column) rows[row].push_back(Cell(static_cast<int>(row), column));
  return rows;
}

LPARAM ListViewReader::ItemData(int row) const {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  RemoteBuffer remote(list_, sizeof item);
  remote.Write(0, &item, sizeof item);
  SendMessageA(list_, LVM_GETITEMA, 0, remote.Param());
  remote.Read(0, &item, sizeof item);
  return item.lParam;
}

int ListViewReader::SelectedRow() const {
  return static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

RECT ListViewReader::HeadingRect(int column) {
  RECT rect = {};
  RemoteBuffer remote(list_, sizeof rect);
  SendMessageA(Header(), HDM_GETITEMRECT, column, remote.Param());
  remote.Read(0, &rect, sizeof rect);
  return rect;
}

bool ListViewReader::ClickHeading(int column) {
  const RECT rect = HeadingRect(column);
  if (rect.right <= rect.left) return false;
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  return PostMessageA(Header(), WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(Header(), WM_LBUTTONUP, 0, at);
}

}  // namespace e2e
