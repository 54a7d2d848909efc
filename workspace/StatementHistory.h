// The texts that were executed, for Back and Forward; kept in memory for the life of the view.
#ifndef ZENQUILL_WORKSPACE_STATEMENTHISTORY_H
#define ZENQUILL_WORKSPACE_STATEMENTHISTORY_H

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class StatementHistory {
 public:
  // Appends (never cuts off what Forward would show) and makes the new entry current.
  void AddToHistory(const std::string& text);

  // Step to the previous / next entry, stopping at the first / last, and hand it out.
  // Both do nothing and return false while the history is empty.
  bool Back(std::string& text);
  bool Forward(std::string& text);

  bool CanGoBack() const;
  bool CanGoForward() const;

  // 1-based number of the current entry; -1 while nothing has been recorded.
  int Position() const { return position_; }
  std::vector<std::string> Entries() const;

 private:
  int Count() const { return static_cast<int>(entries_.size()); }
  // A copy of `text` in the blocks, which never move.
  std::string_view Keep(const std::string& text);

  // The history only grows, and it grows during runs that allocate and free much more: a
  // heap block of its own for every text would stay behind among the run's freed blocks and
  // keep the heap from using their room again (a soak grew 3.5 KB a cycle for 0.4 KB of
  // texts). The texts go one after the other into large blocks instead.
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;      // in the last block
  std::size_t room_ = 0;      // bytes left there
  std::vector<std::string_view> entries_;
  int position_ = -1;
};

#endif
