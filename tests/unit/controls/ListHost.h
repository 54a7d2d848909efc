// A hidden top-level window holding an owner-data report list view (control 1001), as the
// workspace form does, handing the list's notifications to the CSortListCtrl attached through
// it, with helpers to fill the list, read it and click its header.
#ifndef ZENQUILL_TESTS_CONTROLS_LISTHOST_H
#define ZENQUILL_TESTS_CONTROLS_LISTHOST_H

#include <windows.h>

#include <string>
#include <vector>

#include "SortListCtrl.h"

class ListHost {
 public:
  ListHost();
  ~ListHost();
  ListHost(const ListHost&) = delete;
  ListHost& operator=(const ListHost&) = delete;

  HWND List() const { return list_; }
  HWND Header() const;

  // Attaches `list` to the window and makes the window hand it the list's notifications;
  // the helpers below fill it.
  bool Attach(CSortListCtrl& list);

  // Fills the list the way the workspace does: columns first, then rows in order.
  void AddColumns(const std::vector<std::string>& headings, int width = 100);
  void AddRow(const std::vector<std::string>& cells);
  // Replaces the result set: deletes every row and column, then recreates the columns.
  void Refill(const std::vector<std::string>& headings);

  std::vector<std::string> ColumnTexts(int column) const;
  int HeaderFormat(int column) const;
  RECT HeaderItemRect(int column) const;

  // What the header sends its list for a click with `button` (0 left, 1 right, 2 middle).
  void NotifyHeaderClick(int column, int button, UINT code) const;
  // A real left click with the mouse on the header item.
  void MouseClickHeader(int column) const;

 private:
  static LRESULT CALLBACK TopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND top_ = nullptr;
  HWND list_ = nullptr;
  WNDPROC topProc_ = nullptr;
  LONG_PTR listProc_ = 0;  // the list view's own window procedure
  CSortListCtrl* served_ = nullptr;
};

#endif
