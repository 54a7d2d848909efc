#include "RowBatch.h"

#include <cstring>

void RowBatch::Add(const std::vector<std::string>& values) {
  for (const std::string& value : values) text_.append(value.c_str(), std::strlen(value.c_str()) + 1);
  rowEnds_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void RowBatch::Clear() {
  text_.clear();
  rowEnds_.clear();
}

std::string_view RowBatch::RowText(std::size_t index) const {
  const std::size_t start = index == 0 ? 0 : rowEnds_[index - 1];
  return std::string_view(text_).substr(start, rowEnds_[index] - start);
}

void RowBatch::Read(std::size_t index, std::vector<std::string>& values) const {
  const std::string_view row = RowText(index);
  std::size_t cells = 0;
  for (std::size_t at = 0; at < row.size(); ++cells) {
    if (values.size() <= cells) values.emplace_back();
    values[cells].assign(row.data() + at);
    at += values[cells].size() + 1;
  }
  values.resize(cells);
}
