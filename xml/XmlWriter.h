// Writes the XML data file: one <row> element per row of the result list, one child element
// per column, named after the column's heading. UTF-8, one line feed after every line.
#ifndef ZENQUILL_XML_XMLWRITER_H
#define ZENQUILL_XML_XMLWRITER_H

#include <string>

#include "PieceFile.h"

class CXmlWriter {
 public:
  CXmlWriter() = default;
  CXmlWriter(const CXmlWriter&) = delete;
  CXmlWriter& operator=(const CXmlWriter&) = delete;
  virtual ~CXmlWriter();  // a writer left open still ends its document

  // Every operation returns 0 (done), 1 (not open, file not created, or a write failed) or,
  // from Open only, 2 (already open). A failed write makes every later call return 1 and
  // Close return 1: the file is incomplete and left as it is.
  int Open(const std::string& path, const std::string& stylesheetName);
  int BeginRow();
  int WriteColumn(const std::string& heading, const std::string& cellText);
  int EndRow();
  int Close();

 private:
  xml::PieceFile file_;
};

#endif
