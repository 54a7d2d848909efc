#pragma once
// A real report list view in a hidden window of the test's own, filled as the result list is.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace xmltest {

class ListViewWindow {
 public:
  ListViewWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ = CreateWindowExA(0, "STATIC", "xml test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 400, 300, parent_, nullptr,
                            nullptr, nullptr);
  }
  ~ListViewWindow() { DestroyWindow(parent_); }
  ListViewWindow(const ListViewWindow&) = delete;
  ListViewWindow& operator=(const ListViewWindow&) = delete;

  HWND Parent() const { return parent_; }
  HWND List() const { return list_; }

  void Fill(const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows) {
    for (std::size_t column = 0; column < headings.size(); ++column) {
      LVCOLUMNA item = {};
      item.mask = LVCF_TEXT | LVCF_WIDTH;
      item.cx = 80;
      item.pszText = const_cast<char*>(headings[column].c_str());
      SendMessageA(list_, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&item));
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
      for (std::size_t column = 0; column < rows[row].size(); ++column) SetCell(row, column, rows[row][column]);
    }
  }

  // Sorts the rows by the text of one column, as a click on its header does.
  void SortByColumn(int column, bool ascending) {
    sortColumn_ = column;
    ascending_ = ascending;
    ListView_SortItemsEx(list_, &ListViewWindow::Compare, reinterpret_cast<LPARAM>(this));
  }

 private:
  void SetCell(std::size_t row, std::size_t column, const std::string& text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    item.iSubItem = static_cast<int>(column);
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list_, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

  static int CALLBACK Compare(LPARAM first, LPARAM second, LPARAM self) {
    const auto* window = reinterpret_cast<const ListViewWindow*>(self);
    char a[256] = {};
    char b[256] = {};
    ListView_GetItemText(window->list_, static_cast<int>(first), window->sortColumn_, a, sizeof a);
    ListView_GetItemText(window->list_, static_cast<int>(second), window->sortColumn_, b, sizeof b);
    const int order = lstrcmpA(a, b);
    return window->ascending_ ? order : -order;
  }

  HWND parent_ = nullptr;
  HWND list_ = nullptr;
  int sortColumn_ = 0;
  bool ascending_ = true;
};

}  // namespace xmltest
