#include "StatementHistory.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;

}  // namespace

std::string_view StatementHistory::Keep(const std::string& text) {
  if (text.size() > room_) {
    const std::size_t size = std::max(kBlockBytes, text.size());
    blocks_.emplace_back(new char[size]);
    free_ = blocks_.back().get();
    room_ = size;
  }
  if (text.empty()) return {};
  std::memcpy(free_, text.data(), text.size());
  const std::string_view kept(free_, text.size());
  free_ += text.size();
  room_ -= text.size();
  return kept;
}

void StatementHistory::AddToHistory(const std::string& text) {
  entries_.push_back(Keep(text));
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

std::vector<std::string> StatementHistory::Entries() const { return {entries_.begin(), entries_.end()}; }
