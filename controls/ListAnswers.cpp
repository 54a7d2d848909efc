#include "ListAnswers.h"

#include <algorithm>
#include <cstring>

namespace listanswers {
namespace {

bool Wanted(const results::ResultSet& rows, UINT mask, int row) {
  return (mask & LVIF_TEXT) && row >= 0 && row < rows.RowCount();
}

// Whether `text` begins with `prefix`, ignoring case as the list's own type-ahead does.
bool BeginsWith(const char* text, const std::string& prefix) {
  const int length = static_cast<int>(std::min(std::strlen(text), prefix.size()));
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text, length, prefix.c_str(),
                        static_cast<int>(prefix.size())) == CSTR_EQUAL;
}

bool Equals(const char* text, const std::string& other) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text, -1, other.c_str(), -1) == CSTR_EQUAL;
}

}  // namespace

void AnswerText(const results::ResultSet& rows, LVITEMA& item) {
  if (!Wanted(rows, item.mask, item.iItem) || !item.pszText || item.cchTextMax <= 0) return;
  const char* text = rows.CellText(item.iItem, item.iSubItem);
  const std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(item.cchTextMax - 1));
  std::memcpy(item.pszText, text, length);
  item.pszText[length] = '\0';
}

void AnswerText(const results::ResultSet& rows, LVITEMW& item) {
  if (!Wanted(rows, item.mask, item.iItem) || !item.pszText || item.cchTextMax <= 0) return;
  const char* text = rows.CellText(item.iItem, item.iSubItem);
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(std::max(length, 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
  const std::size_t copied = std::min(wide.size() - 1, static_cast<std::size_t>(item.cchTextMax - 1));
  std::wmemcpy(item.pszText, wide.c_str(), copied);
  item.pszText[copied] = L'\0';
}

// As the list itself searches when it holds its rows: column 0, from `start` to the end and
// then, when asked to wrap, from the top.
int FindRow(const results::ResultSet& rows, UINT flags, const std::string& text, int start) {
  if (!(flags & (LVFI_STRING | LVFI_PARTIAL))) return -1;
  const int count = rows.RowCount();
  const bool partial = (flags & LVFI_PARTIAL) != 0;
  const auto matches = [&](int row) {
    const char* cell = rows.CellText(row, 0);
    return partial ? BeginsWith(cell, text) : Equals(cell, text);
  };
  const int first = start >= 0 && start < count ? start : 0;
  for (int row = first; row < count; ++row)
    if (matches(row)) return row;
  if (flags & LVFI_WRAP)
    for (int row = 0; row < first; ++row)
      if (matches(row)) return row;
  return -1;
}

std::string Narrow(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return std::string();
  std::string narrow(length, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
  narrow.pop_back();  // the terminating NUL
  return narrow;
}

}  // namespace listanswers
