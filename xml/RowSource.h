// The result's rows as the copy and CSV writers read them: columns left to right, rows in
// the order the list shows them, each cell's bytes in the ANSI code page ("NULL" for NULL).
#ifndef ZENQUILL_XML_ROWSOURCE_H
#define ZENQUILL_XML_ROWSOURCE_H

#include <string>
#include <string_view>

namespace xml {

class RowSource {
 public:
  virtual int ColumnCount() const = 0;
  virtual int RowCount() const = 0;
  virtual std::string Heading(int column) const = 0;
  // The row's cells in one piece, each ended by a NUL, left to right; a row may hold fewer
  // cells than there are columns (the others are empty). Valid until the next call.
  virtual std::string_view RowText(int row) const = 0;

 protected:
  ~RowSource() = default;
};

}  // namespace xml

#endif
