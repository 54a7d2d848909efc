// Writes the XSLT 1.0 stylesheet that shows the XML data file as an HTML table: a heading
// row of element names, then one table row per <row> element.
#ifndef ZENQUILL_XML_XSLWRITER_H
#define ZENQUILL_XML_XSLWRITER_H

#include <string>

#include "PieceFile.h"

class CXslWriter {
 public:
  CXslWriter() = default;
  CXslWriter(const CXslWriter&) = delete;
  CXslWriter& operator=(const CXslWriter&) = delete;
  virtual ~CXslWriter();  // a writer left open still ends its stylesheet

  // Results as CXmlWriter's: 0 done, 1 not open or failed, 2 already open (Open only).
  int Open(const std::string& path);
  int WriteHeaderCell(const std::string& heading);
  int BeginRowTemplate();
  int WriteDataCell(const std::string& heading);
  int Close();

 private:
  xml::PieceFile file_;
};

#endif
