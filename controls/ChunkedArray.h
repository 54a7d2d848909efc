// An append-only array kept in fixed chunks: growing it never copies what is there, so a
// million-row result needs no second copy of its offsets while it grows, and emptying it
// frees every chunk at once.
#ifndef ZENQUILL_CONTROLS_CHUNKEDARRAY_H
#define ZENQUILL_CONTROLS_CHUNKEDARRAY_H

#include <cstddef>
#include <memory>
#include <vector>

namespace results {

template <class T, std::size_t kChunk = 65536>
class ChunkedArray {
 public:
  std::size_t size() const { return size_; }
  const T& operator[](std::size_t i) const { return chunks_[i / kChunk][i % kChunk]; }
  T& operator[](std::size_t i) { return chunks_[i / kChunk][i % kChunk]; }

  // Makes room for `count` more values without adding them, so that the appends that follow
  // cannot fail; throws std::bad_alloc and changes nothing when memory runs out.
  void Reserve(std::size_t count) {
    const std::size_t needed = (size_ + count + kChunk - 1) / kChunk;
    if (needed <= chunks_.size()) return;
    chunks_.reserve(needed);
    while (chunks_.size() < needed) chunks_.emplace_back(new T[kChunk]);
  }
  // Only after Reserve made room.
  void Append(const T& value) {
    (*this)[size_] = value;
    ++size_;
  }
  void Clear() {
    chunks_.clear();
    chunks_.shrink_to_fit();
    size_ = 0;
  }

 private:
  std::vector<std::unique_ptr<T[]>> chunks_;
  std::size_t size_ = 0;
};

}  // namespace results

#endif
