// The texts that were executed, for Back and Forward; kept in memory for the life of the view.
#ifndef ZENQUILL_WORKSPACE_STATEMENTHISTORY_H
#define ZENQUILL_WORKSPACE_STATEMENTHISTORY_H

#include <string>
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
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  int Count() const { return static_cast<int>(entries_.size()); }

  std::vector<std::string> entries_;
  int position_ = -1;
};

#endif
