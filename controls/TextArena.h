// Texts appended one after the other into large blocks, each ending in a NUL: no allocation
// per text, and emptying frees every block at once. A text is found again by the position
// Append gave it.
#ifndef ZENQUILL_CONTROLS_TEXTARENA_H
#define ZENQUILL_CONTROLS_TEXTARENA_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace results {

class TextArena {
 public:
  using Position = std::uint32_t;
  static constexpr std::size_t kBlockSize = 1 << 20;

  // Makes sure that texts of `bytes` in all (their NULs included) fit without a new block,
  // and that none of them would cross a block's end; throws std::bad_alloc and changes
  // nothing when memory runs out.
  void Reserve(std::size_t bytes);
  // Only after Reserve made room for the text and its NUL.
  Position Append(std::string_view text);
  const char* At(Position position) const { return slots_[position / kBlockSize] + position % kBlockSize; }
  void Clear();

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;  // each one slot long, or several for a long text
  std::vector<char*> slots_;                     // the start of every kBlockSize bytes of positions
  Position end_ = 0;                             // where the next text goes
};

}  // namespace results

#endif
