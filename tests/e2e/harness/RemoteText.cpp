#include "RemoteText.h"

#include <cstring>
#include <vector>

namespace e2e {
namespace {

const int kFirstCapacity = 1024;
const int kLargestCapacity = 1 << 22;

}  // namespace

bool RemoteTextReader::Prepare(int capacity) {
  if (capacity_ >= capacity && buffer_) return true;
  // One byte more than the control may write: it stays 0, so even a control that fills a
  // short buffer without ending it leaves a terminated text.
  buffer_ = std::make_unique<RemoteBuffer>(window_, kStructRoom + capacity + 1);
  capacity_ = capacity;
  return buffer_->Valid();
}

std::string RemoteTextReader::Read(const Ask& ask) {
  for (int capacity = kFirstCapacity;; capacity *= 4) {
    if (!Prepare(capacity)) return std::string();
    const char nothing = '\0';
    buffer_->Write(kStructRoom, &nothing, 1);  // no stale text if the control writes none
    ask(*buffer_, buffer_->At(kStructRoom), capacity_);

    std::vector<char> text(capacity_ + 1, '\0');
    buffer_->Read(kStructRoom, text.data(), text.size());
    const size_t length = std::strlen(text.data());
    // A text of capacity-1 characters or more may have been cut: ask again with more room.
    if (length + 1 < static_cast<size_t>(capacity_) || capacity_ >= kLargestCapacity)
      return std::string(text.data(), length);
    capacity = capacity_;
  }
}

}  // namespace e2e
