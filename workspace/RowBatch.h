// Rows on their way from the fetch to the result list: every cell's text in one buffer,
// each ended by a NUL, rows one after the other, so that handing a row over costs no
// allocation of its own and a list can take a row in one piece.
#ifndef ZENQUILL_WORKSPACE_ROWBATCH_H
#define ZENQUILL_WORKSPACE_ROWBATCH_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RowBatch {
 public:
  // A cell's text ends at its first NUL, as in the list.
  void Add(const std::vector<std::string>& values);
  // Empties the batch; its room stays for the next rows.
  void Clear();
  std::size_t Count() const { return rowEnds_.size(); }
  // Row `index` in one piece: each cell's text and its NUL, left to right.
  std::string_view RowText(std::size_t index) const;
  // Row `index` into `values`, whose strings keep their room from row to row.
  void Read(std::size_t index, std::vector<std::string>& values) const;

 private:
  std::string text_;
  std::vector<std::uint32_t> rowEnds_;  // in text_
};

#endif
