// A hidden top-level window holding a report list view (control 1001), as the workspace form
// does, with helpers to fill it, read it and click its header.
#ifndef ZENQUILL_TESTS_CONTROLS_LISTHOST_H
#define ZENQUILL_TESTS_CONTROLS_LISTHOST_H

#include <windows.h>

#include <string>
#include <vector>

class ListHost {
 public:
  ListHost();
  ~ListHost();
  ListHost(const ListHost&) = delete;
  ListHost& operator=(const ListHost&) = delete;

  HWND List() const { return list_; }
  HWND Header() const;

  // Fills the list the way the workspace does: columns first, then rows in order.
  void AddColumns(const std::vector<std::string>& headings, int width = 100);
  void AddRow(const std::vector<std::string>& cells, LPARAM data = 0);
  // Replaces the result set: deletes every row and column, then recreates the columns.
  void Refill(const std::vector<std::string>& headings);

  std::vector<std::string> ColumnTexts(int column) const;
  LPARAM ItemData(int row) const;
  int HeaderFormat(int column) const;
  RECT HeaderItemRect(int column) const;

  // What the header sends its list for a click with `button` (0 left, 1 right, 2 middle).
  void NotifyHeaderClick(int column, int button, UINT code) const;
  // A real left click with the mouse on the header item.
  void MouseClickHeader(int column) const;

 private:
  HWND top_ = nullptr;
  HWND list_ = nullptr;
};

#endif
