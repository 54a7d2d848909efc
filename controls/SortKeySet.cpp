#include "SortKeySet.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace {

// Grows the buffer until the text fits. Some list views fill a short buffer completely and
// leave it unterminated, so the last byte is kept out of their reach and always stays 0.
std::string CellText(HWND list, int row, int column) {
  std::vector<char> buffer(256);
  for (;;) {
    std::fill(buffer.begin(), buffer.end(), '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size()) - 1;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    const size_t length = std::strlen(buffer.data());
    if (length + 1 < static_cast<size_t>(item.cchTextMax)) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

LPARAM ItemData(HWND list, int row) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

void SetItemData(HWND list, int row, LPARAM data) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

const SortKeyRecord& Record(LPARAM data) { return *reinterpret_cast<const SortKeyRecord*>(data); }

int CALLBACK CompareAscending(LPARAM a, LPARAM b, LPARAM) { return CompareSortTexts(Record(a).text, Record(b).text); }

int CALLBACK CompareDescending(LPARAM a, LPARAM b, LPARAM) { return CompareSortTexts(Record(b).text, Record(a).text); }

}  // namespace

// String sort keeps hyphens and apostrophes significant: a text comparison, not a word one.
int CompareSortTexts(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a.c_str(), -1, b.c_str(), -1) -
         CSTR_EQUAL;
}

SortKeySet::SortKeySet(HWND list, int column) : list_(list) {
  const int rows = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  memory_.Take(rows * sizeof(SortKeyRecord));
  records_.reserve(rows);  // never grows afterwards: rows hold pointers into it
  for (int row = 0; row < rows; ++row) {
    records_.push_back({CellText(list_, row, column), ItemData(list_, row)});
    memory_.Take(records_.back().text.capacity());
  }
  for (int row = 0; row < rows; ++row) SetItemData(list_, row, reinterpret_cast<LPARAM>(&records_[row]));
}

SortKeySet::~SortKeySet() {
  const int rows = static_cast<int>(records_.size());
  for (int row = 0; row < rows; ++row) SetItemData(list_, row, Record(ItemData(list_, row)).data);
}

void SortKeySet::Sort(bool ascending) {
  PFNLVCOMPARE compare = ascending ? CompareAscending : CompareDescending;
  SendMessageA(list_, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(compare));
}
