// A table (the list on screen, or one in a test) read as rows for the copy and CSV writers.
#ifndef ZENQUILL_XML_TABLEROWS_H
#define ZENQUILL_XML_TABLEROWS_H

#include "RowSource.h"
#include "TableSource.h"

namespace xml {

class TableRows : public RowSource {
 public:
  explicit TableRows(const TableSource& table) : table_(table) {}

  int ColumnCount() const override { return table_.ColumnCount(); }
  int RowCount() const override { return table_.RowCount(); }
  std::string Heading(int column) const override { return table_.Heading(column); }
  std::string_view Cell(int row, int column) const override {
    cell_ = table_.Cell(row, column);
    return cell_;
  }

 private:
  const TableSource& table_;
  mutable std::string cell_;
};

}  // namespace xml

#endif
