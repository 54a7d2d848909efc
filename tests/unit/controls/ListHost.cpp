#include "ListHost.h"

#include <commctrl.h>

ListHost::ListHost() {
  InitCommonControls();
  top_ = CreateWindowExA(0, "STATIC", "list host", WS_OVERLAPPEDWINDOW, 0, 0, 700, 300, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  list_ =
      CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_ALIGNLEFT,
                      0, 0, 650, 250, top_, reinterpret_cast<HMENU>(1001), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

ListHost::~ListHost() { DestroyWindow(top_); }

HWND ListHost::Header() const { return GetDlgItem(list_, 0); }

void ListHost::AddColumns(const std::vector<std::string>& headings, int width) {
  for (size_t i = 0; i < headings.size(); ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(headings[i].c_str());
    SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

void ListHost::AddRow(const std::vector<std::string>& cells, LPARAM data) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(cells[0].c_str());
  item.lParam = data;
  const int row = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t column = 1; column < cells.size(); ++column) {
    LVITEMA cell = {};
    cell.iSubItem = static_cast<int>(column);
    cell.pszText = const_cast<char*>(cells[column].c_str());
    SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
  }
}

void ListHost::Refill(const std::vector<std::string>& headings) {
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageA(list_, LVM_DELETECOLUMN, 0, 0)) {
  }
  AddColumns(headings);
}

std::vector<std::string> ListHost::ColumnTexts(int column) const {
  std::vector<std::string> texts;
  const int rows = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    char text[4096] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text - 1;  // stays terminated even where a full buffer is not
    SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    texts.push_back(text);
  }
  return texts;
}

LPARAM ListHost::ItemData(int row) const {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

int ListHost::HeaderFormat(int column) const {
  HDITEMA item = {};
  item.mask = HDI_FORMAT;
  SendMessageA(Header(), HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
  return item.fmt;
}

RECT ListHost::HeaderItemRect(int column) const {
  RECT rect = {};
  SendMessageA(Header(), HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void ListHost::NotifyHeaderClick(int column, int button, UINT code) const {
  NMHEADERA notify = {};
  notify.hdr.hwndFrom = Header();
  notify.hdr.idFrom = 0;
  notify.hdr.code = code;
  notify.iItem = column;
  notify.iButton = button;
  SendMessageA(list_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

void ListHost::MouseClickHeader(int column) const {
  const RECT rect = HeaderItemRect(column);
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageA(Header(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(Header(), WM_LBUTTONUP, 0, at);
}
