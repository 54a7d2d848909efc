#include "ResultSet.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <numeric>
#include <utility>

#include "ResultMemoryCap.h"
#include "SortKey.h"

namespace results {
namespace {

// A row as the sort moves it: its key and its stored position.
using SortEntry = std::pair<const char*, std::uint32_t>;

}  // namespace

void ResultSet::Clear() {
  headings_.clear();
  rows_.Clear();
  order_.clear();
  order_.shrink_to_fit();
  keys_.clear();
}

void ResultSet::AddColumn(const std::string& heading) { headings_.push_back(heading); }

template <class StoreAppend>
bool ResultSet::AppendStored(const StoreAppend& append) {
  const bool sorted = !order_.empty();
  try {
    if (sorted) order_.push_back(static_cast<std::uint32_t>(RowCount()));
    append();
  } catch (const std::bad_alloc&) {
    if (sorted && order_.size() > static_cast<std::size_t>(RowCount())) order_.pop_back();
    return false;
  }
  return true;
}

bool ResultSet::AppendRow(const Row& cells) {
  return AppendStored([&] { rows_.Append(cells); });
}

bool ResultSet::AppendRowText(std::string_view cells) {
  return AppendStored([&] { rows_.AppendText(cells); });
}

// Keys already made stay made when memory runs out half-way: they are right for their rows.
void ResultSet::MakeKeys(int column, KeyColumn& column_keys) {
  std::string key;
  for (int row = static_cast<int>(column_keys.rowKeys.size()); row < RowCount(); ++row) {
    MakeSortKey(rows_.CellText(row, column), key);
    column_keys.keys.Reserve(key.size() + 1);
    column_keys.rowKeys.Reserve(1);
    fw::HoldResultMemory(key.size() + 1 + sizeof(TextArena::Position));
    column_keys.rowKeys.Append(column_keys.keys.Append(key));
  }
}

bool ResultSet::Sort(int column, bool ascending) {
  const std::size_t count = static_cast<std::size_t>(RowCount());
  try {
    KeyColumn& columnKeys = keys_[column];
    MakeKeys(column, columnKeys);
    if (order_.empty()) {
      fw::HoldResultMemory(count * sizeof(std::uint32_t));
      order_.resize(count);
      std::iota(order_.begin(), order_.end(), 0u);
    }
    fw::ResultMemoryLoan memory;
    memory.Take(count * sizeof(SortEntry));
    std::vector<SortEntry> entries;
    entries.reserve(count);
    for (const std::uint32_t row : order_) entries.emplace_back(columnKeys.keys.At(columnKeys.rowKeys[row]), row);
    // Stable: rows with equal keys keep the order they were shown in.
    const auto before = [ascending](const SortEntry& a, const SortEntry& b) {
      const int sign = std::strcmp(a.first, b.first);
      return ascending ? sign < 0 : sign > 0;
    };
    std::stable_sort(entries.begin(), entries.end(), before);
    for (std::size_t i = 0; i < count; ++i) order_[i] = entries[i].second;
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace results
