// The rows and columns an export reads: the result list on screen, or a table in a test.
#ifndef ZENQUILL_XML_TABLESOURCE_H
#define ZENQUILL_XML_TABLESOURCE_H

#include <string>

namespace xml {

class TableSource {
 public:
  virtual int ColumnCount() const = 0;
  virtual int RowCount() const = 0;
  // Columns from left to right, rows top to bottom, as the user sees them.
  virtual std::string Heading(int column) const = 0;
  virtual std::string Cell(int row, int column) const = 0;

 protected:
  ~TableSource() = default;
};

}  // namespace xml

#endif
