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
  // Valid until the next call.
  virtual std::string_view Cell(int row, int column) const = 0;

 protected:
  ~RowSource() = default;
};

}  // namespace xml

#endif
