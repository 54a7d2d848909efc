// The key records of one sort of the result list.
#ifndef ZENQUILL_CONTROLS_SORTKEYSET_H
#define ZENQUILL_CONTROLS_SORTKEYSET_H

#include <windows.h>

#include <string>
#include <vector>

#include "ResultMemoryCap.h"

// One row's key: a copy of its cell text in the sort column and the item data the row had
// before the sort.
struct SortKeyRecord {
  std::string text;
  LPARAM data;
};

// The sort's comparison: negative, 0 or positive as `a` sorts before, with or after `b`.
// Case-insensitive, multibyte-aware, in the user's code page.
int CompareSortTexts(const std::string& a, const std::string& b);

// Lives for one sort. Construction makes every row's record first (reading each cell text
// once) and only then lends each row its record as its item data, so the platform sort
// compares texts already in memory; destruction gives every row its own item data back.
class SortKeySet {
 public:
  // Throws std::bad_alloc when the records do not fit in memory: no row has lent anything yet.
  SortKeySet(HWND list, int column);
  ~SortKeySet();
  SortKeySet(const SortKeySet&) = delete;
  SortKeySet& operator=(const SortKeySet&) = delete;

  // Reorders the rows by their key texts, case-insensitively.
  void Sort(bool ascending);

 private:
  HWND list_;
  fw::ResultMemoryLoan memory_;
  std::vector<SortKeyRecord> records_;
};

#endif
