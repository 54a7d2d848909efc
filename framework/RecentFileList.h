// The most-recently-used file list: newest first, each path once (compared without
// regard to letter case, as Windows compares paths), at most a fixed number kept.
#ifndef ZENQUILL_FRAMEWORK_RECENTFILELIST_H
#define ZENQUILL_FRAMEWORK_RECENTFILELIST_H

#include <cstddef>
#include <string>
#include <vector>

namespace fw {

class RecentFileList {
 public:
  explicit RecentFileList(std::size_t capacity) : capacity_(capacity) {}

  // Puts path first, dropping an earlier entry of the same path and the oldest entry
  // beyond capacity. An empty path is ignored.
  void Add(const std::string& path);
  // Replaces the list with stored entries, oldest last; empty entries are skipped.
  void Assign(const std::vector<std::string>& stored);

  const std::vector<std::string>& Entries() const { return entries_; }
  std::size_t Capacity() const { return capacity_; }

 private:
  std::size_t capacity_;
  std::vector<std::string> entries_;
};

}  // namespace fw

#endif
