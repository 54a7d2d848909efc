// A real report list view in a hidden window of the test's own, filled as the result list is.
#ifndef ZENQUILL_TESTS_XML_LISTVIEWWINDOW_H
#define ZENQUILL_TESTS_XML_LISTVIEWWINDOW_H

#include <gtest/gtest.h>
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
    parent_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    list_ =
        CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 400, 300, parent_, nullptr, nullptr, nullptr);
    if (!list_) ADD_FAILURE() << "no list view could be created: does Wine have a display?";
  }
  ~ListViewWindow() { DestroyWindow(parent_); }
  ListViewWindow(const ListViewWindow&) = delete;
  ListViewWindow& operator=(const ListViewWindow&) = delete;

  HWND Parent() const { return parent_; }
  HWND List() const { return list_; }

  // Appends columns and rows; each row's item data is its index in `rows_`, as for sorting.
  void Fill(const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows) {
    for (const std::string& heading : headings) {
      LVCOLUMNA column = {};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.cx = 80;
      column.pszText = const_cast<char*>(heading.c_str());
      SendMessageA(list_, LVM_INSERTCOLUMNA, 0x7FFF, reinterpret_cast<LPARAM>(&column));
    }
    for (const std::vector<std::string>& row : rows) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = 0x7FFF;
      item.pszText = const_cast<char*>(row[0].c_str());
      item.lParam = static_cast<LPARAM>(rows_.size());
      item.iItem = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
      for (item.iSubItem = 1; item.iSubItem < static_cast<int>(row.size()); ++item.iSubItem) {
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<char*>(row[item.iSubItem].c_str());
        SendMessageA(list_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
      }
      rows_.push_back(row);
    }
  }

  // Sorts the rows by the text of one column, descending, as a second click on its header does.
  void SortDescendingBy(int column) {
    sortColumn_ = column;
    ListView_SortItems(list_, &ListViewWindow::Compare, reinterpret_cast<LPARAM>(this));
  }

 private:
  static int CALLBACK Compare(LPARAM first, LPARAM second, LPARAM self) {
    const auto* window = reinterpret_cast<const ListViewWindow*>(self);
    return -window->rows_[first][window->sortColumn_].compare(window->rows_[second][window->sortColumn_]);
  }

  HWND parent_ = nullptr;
  HWND list_ = nullptr;
  std::vector<std::vector<std::string>> rows_;
  int sortColumn_ = 0;
};

}  // namespace xmltest

#endif
