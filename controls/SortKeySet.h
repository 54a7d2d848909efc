// The key records of one sort of the result list.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// One row's key: a copy of its cell text in the sort column and the item data the row had
// before the sort.
struct SortKeyRecord {
  std::string text;
  LPARAM data;
};

// The sort's comparison: negative, 0 or positive as `a` sorts before, with or after `b`.
// Case-insensitive, multibyte-aware, in the user's code page.
int CompareSortTexts(const std::string& a, const std::string& b);

// Lives for one sort. Construction lends every row a record as its item data (reading each
// cell text once), so the platform sort compares texts already in memory; destruction gives
// every row its own item data back.
class SortKeySet {
 public:
  SortKeySet(HWND list, int column);
  ~SortKeySet();
  SortKeySet(const SortKeySet&) = delete;
  SortKeySet& operator=(const SortKeySet&) = delete;

  // Reorders the rows by their key texts, case-insensitively.
  void Sort(bool ascending);

 private:
  HWND list_;
  std::vector<SortKeyRecord> records_;
};
