#include "StatementHistory.h"

#include <algorithm>

void StatementHistory::AddToHistory(const std::string& text) {
  entries_.push_back(text);
  position_ = Count();
}

bool StatementHistory::Back(std::string& text) {
  if (position_ == -1) return false;
  position_ = std::max(1, position_ - 1);
  text = entries_[position_ - 1];
  return true;
}

bool StatementHistory::Forward(std::string& text) {
  if (position_ == -1) return false;
  position_ = std::min(Count(), position_ + 1);
  text = entries_[position_ - 1];
  return true;
}

// Back stays enabled on the first entry: it shows that entry again.
bool StatementHistory::CanGoBack() const { return position_ != -1 && position_ > 0; }

bool StatementHistory::CanGoForward() const { return position_ != -1 && position_ < Count(); }
