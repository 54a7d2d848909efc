#pragma once
// A table held in memory, standing in for the result list.
#include <string>
#include <vector>

#include "TableSource.h"

namespace xmltest {

class FakeTable : public xml::TableSource {
 public:
  FakeTable(std::vector<std::string> headings, std::vector<std::vector<std::string>> rows)
      : headings_(std::move(headings)), rows_(std::move(rows)) {}
  int ColumnCount() const override { return static_cast<int>(headings_.size()); }
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string Heading(int column) const override { return headings_.at(column); }
  std::string Cell(int row, int column) const override { return rows_.at(row).at(column); }

 private:
  std::vector<std::string> headings_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace xmltest
