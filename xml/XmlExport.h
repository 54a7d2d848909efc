// Exports a table as an XML data file and, when asked, an XSL stylesheet beside it.
#ifndef ZENQUILL_XML_XMLEXPORT_H
#define ZENQUILL_XML_XMLEXPORT_H

#include <cstddef>
#include <string>

#include "TableSource.h"

namespace xml {

// The stylesheet's file name for a data file's bare name: the first ".xml", in any case,
// removed, then ".xsl" appended (report.xml gives report.xsl, data.txt gives data.txt.xsl).
std::string StylesheetNameFor(const std::string& bareName);

// Writes the stylesheet for the table's columns; true when it was written whole.
bool WriteStylesheet(const std::string& path, const TableSource& table);

// Writes the data file naming the stylesheet (none when empty); true when written whole.
// When memory runs out on the way the file is removed: it would look whole without being so.
bool WriteDataFile(const std::string& path, const std::string& stylesheetName, const TableSource& table);

// The export as a whole. dataPath is the data file's full path, its bare name starting at
// nameOffset; the stylesheet goes into the same folder. A stylesheet that cannot be written
// does not stop the data file, which names it all the same. True when the data file was
// written whole.
bool ExportTable(const std::string& dataPath, std::size_t nameOffset, bool withStylesheet, const TableSource& table);

}  // namespace xml

#endif
