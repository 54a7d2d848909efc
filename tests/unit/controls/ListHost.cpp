#include "ListHost.h"

#include <commctrl.h>

ListHost::ListHost() {
  InitCommonControls();
  top_ = CreateWindowExA(0, "STATIC", "list host", WS_OVERLAPPEDWINDOW, 0, 0, 700, 300, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  list_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_ALIGNLEFT | LVS_OWNERDATA,
                          0, 0, 650, 250, top_, reinterpret_cast<HMENU>(1001), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  listProc_ = GetWindowLongPtrW(list_, GWLP_WNDPROC);
  SetWindowLongPtrA(top_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  topProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(top_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TopProc)));
}

LRESULT CALLBACK ListHost::TopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<ListHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  LRESULT result = 0;
  // A list object that has let go of the window (or is gone) no longer sees its notifications.
  const bool served = host->served_ && GetWindowLongPtrW(host->list_, GWLP_WNDPROC) != host->listProc_;
  if (msg == WM_NOTIFY && served && host->served_->OnParentNotify(*reinterpret_cast<NMHDR*>(lParam), result))
    return result;
  return CallWindowProcA(host->topProc_, hwnd, msg, wParam, lParam);
}

bool ListHost::Attach(CSortListCtrl& list) {
  if (!list.Attach(list_)) return false;
  served_ = &list;
  return true;
}

ListHost::~ListHost() { DestroyWindow(top_); }

HWND ListHost::Header() const { return GetDlgItem(list_, 0); }

void ListHost::AddColumns(const std::vector<std::string>& headings, int width) {
  for (const std::string& heading : headings) served_->AddColumn(heading, width);
}

void ListHost::AddRow(const std::vector<std::string>& cells) {
  served_->AppendRow(cells);
  served_->ShowRowCount();
}

void ListHost::Refill(const std::vector<std::string>& headings) {
  served_->Clear();
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
