#include "TextArena.h"

#include <cstring>
#include <limits>
#include <new>

namespace results {

void TextArena::Reserve(std::size_t bytes) {
  const std::size_t capacity = slots_.size() * kBlockSize;
  if (bytes <= capacity - end_) return;
  // The rest of the last block is left unused: a text never crosses into another block.
  const std::size_t slots = bytes == 0 ? 1 : (bytes + kBlockSize - 1) / kBlockSize;
  if (slots * kBlockSize > std::numeric_limits<Position>::max() - capacity) throw std::bad_alloc();
  blocks_.reserve(blocks_.size() + 1);
  slots_.reserve(slots_.size() + slots);
  // Left uninitialised: pages nobody writes to cost no memory yet.
  std::unique_ptr<char[]> block(new char[slots * kBlockSize]);
  for (std::size_t slot = 0; slot < slots; ++slot) slots_.push_back(block.get() + slot * kBlockSize);
  blocks_.push_back(std::move(block));
  end_ = static_cast<Position>(capacity);
}

TextArena::Position TextArena::Append(std::string_view text) {
  const Position position = end_;
  char* place = slots_[position / kBlockSize] + position % kBlockSize;
  std::memcpy(place, text.data(), text.size());
  place[text.size()] = '\0';
  end_ += static_cast<Position>(text.size() + 1);
  return position;
}

void TextArena::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  slots_.clear();
  slots_.shrink_to_fit();
  end_ = 0;
}

}  // namespace results
