#include "RecentFileList.h"

#include <algorithm>
#include <cctype>

namespace fw {
namespace {

bool SamePath(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

void RecentFileList::Add(const std::string& path) {
  if (path.empty() || capacity_ == 0) return;
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(), [&](const std::string& e) { return SamePath(e, path); }),
      entries_.end());
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > capacity_) entries_.resize(capacity_);
}

void RecentFileList::Assign(const std::vector<std::string>& stored) {
  entries_.clear();
  for (auto it = stored.rbegin(); it != stored.rend(); ++it) Add(*it);
}

}  // namespace fw
