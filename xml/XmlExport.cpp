#include "XmlExport.h"

#include <cstdio>
#include <new>
#include <vector>

#include "OutputFile.h"
#include "ResultMemoryCap.h"
#include "XmlName.h"
#include "XmlWriter.h"
#include "XslWriter.h"

namespace xml {
namespace {

std::string AsciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::vector<std::string> HeadingsOf(const TableSource& table) {
  std::vector<std::string> headings;
  for (int column = 0; column < table.ColumnCount(); ++column) headings.push_back(table.Heading(column));
  return headings;
}

// The writers make a name of whatever heading they are given, and a name made into a name
// stays as it is: handing them the unique names keeps repeated headings apart.
std::vector<std::string> ElementNamesOf(const TableSource& table) { return MakeUniqueElementNames(HeadingsOf(table)); }

// Stops at the first failed write: the rest would be lost anyway.
int WriteRow(CXmlWriter& writer, const std::vector<std::string>& names, const TableSource& table, int row) {
  int status = writer.BeginRow();
  for (int column = 0; column < static_cast<int>(names.size()) && status == kWriterOk; ++column) {
    status = writer.WriteColumn(names[column], table.Cell(row, column));
  }
  return status == kWriterOk ? writer.EndRow() : status;
}

}  // namespace

std::string StylesheetNameFor(const std::string& bareName) {
  // ".XML" is plain ASCII and "." is never the second byte of a double-byte character,
  // so a byte search in an ASCII-upper-cased copy finds exactly the characters ".xml".
  std::string name = bareName;
  const std::size_t found = AsciiUpper(bareName).find(".XML");
  if (found != std::string::npos) name.erase(found, 4);
  return name + ".xsl";
}

bool WriteStylesheet(const std::string& path, const TableSource& table) {
  CXslWriter writer;
  if (writer.Open(path) != kWriterOk) return false;
  try {
    // The table's headings show the names as the columns' own headings make them, repeats and all.
    for (const std::string& heading : HeadingsOf(table)) writer.WriteHeaderCell(heading);
    writer.BeginRowTemplate();
    for (const std::string& name : ElementNamesOf(table)) writer.WriteDataCell(name);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return writer.Close() == kWriterOk;
}

bool WriteDataFile(const std::string& path, const std::string& stylesheetName, const TableSource& table) {
  CXmlWriter writer;
  if (writer.Open(path, stylesheetName) != kWriterOk) return false;
  try {
    // The file's buffer is the export's own memory, counted on top of the rows'.
    fw::ResultMemoryLoan buffer;
    buffer.Take(OutputFile::kBufferSize);
    const std::vector<std::string> names = ElementNamesOf(table);
    int status = kWriterOk;
    for (int row = 0; row < table.RowCount() && status == kWriterOk; ++row)
      status = WriteRow(writer, names, table, row);
  } catch (const std::bad_alloc&) {
    // Closing ends the document, so the rows left out would not show: the file goes.
    writer.Close();
    std::remove(path.c_str());
    return false;
  }
  return writer.Close() == kWriterOk;
}

bool ExportTable(const std::string& dataPath, std::size_t nameOffset, bool withStylesheet, const TableSource& table) {
  std::string stylesheetName;
  if (withStylesheet) {
    stylesheetName = StylesheetNameFor(dataPath.substr(nameOffset));
    WriteStylesheet(dataPath.substr(0, nameOffset) + stylesheetName, table);
  }
  return WriteDataFile(dataPath, stylesheetName, table);
}

}  // namespace xml
