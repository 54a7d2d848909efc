// Fuzz target for the XML export: the data file and its stylesheet must always be
// well-formed (libxml2 reads them back), and the data file must give back every row, every
// element name as made from its heading and every cell's text. The first byte gives the
// column count (1 to 4); the rest, split at zero bytes, is the stylesheet name, the
// headings, then the cells row by row.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TableSource.h"
#include "XmlEncoder.h"
#include "XmlExport.h"
#include "XmlName.h"

namespace {

using Texts = std::vector<std::string>;

const char kDataPath[] = "xml-fuzz-data.xml";
const char kSheetPath[] = "xml-fuzz-sheet.xsl";

void Fail(const std::string& what) {
  std::fprintf(stderr, "xml export property broken: %s\n", what.c_str());
  std::abort();
}

class FuzzTable : public xml::TableSource {
 public:
  FuzzTable(Texts headings, Texts cells) : headings_(std::move(headings)), cells_(std::move(cells)) {
    cells_.resize(RowCount() * headings_.size());
  }
  int ColumnCount() const override { return static_cast<int>(headings_.size()); }
  int RowCount() const override { return static_cast<int>((cells_.size() + headings_.size() - 1) / headings_.size()); }
  std::string Heading(int column) const override { return headings_[column]; }
  std::string Cell(int row, int column) const override { return cells_[row * headings_.size() + column]; }

 private:
  Texts headings_;
  Texts cells_;
};

Texts Fields(const std::string& text) {
  Texts fields;
  size_t start = 0;
  for (size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
    fields.push_back(text.substr(start, end - start));
  fields.push_back(text.substr(start));
  return fields;
}

// What a parser hands back for a cell: XML reads every CR LF and lone CR as a LF.
std::string AsParsed(const std::string& cell) {
  std::string utf8 = CXmlEncoder::ToUtf8(cell), out;
  for (size_t k = 0; k < utf8.size(); ++k) {
    if (utf8[k] != '\r')
      out += utf8[k];
    else if (k + 1 == utf8.size() || utf8[k + 1] != '\n')
      out += '\n';
  }
  return out;
}

xmlDocPtr ReadBack(const char* path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path, nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!doc) Fail(std::string(path) + " is not well-formed:\n" + bytes);
  return doc;
}

std::vector<xmlNodePtr> Elements(xmlNodePtr parent) {
  std::vector<xmlNodePtr> elements;
  for (xmlNodePtr node = parent->children; node; node = node->next)
    if (node->type == XML_ELEMENT_NODE) elements.push_back(node);
  return elements;
}

std::string Text(const xmlChar* text) { return text ? reinterpret_cast<const char*>(text) : ""; }

void CheckCell(xmlNodePtr element, const std::string& name, const std::string& cell) {
  if (Text(element->name) != CXmlEncoder::ToUtf8(name)) Fail("element " + Text(element->name) + " for " + name);
  xmlChar* content = xmlNodeGetContent(element);
  const std::string parsed = Text(content);
  xmlFree(content);
  if (parsed != AsParsed(cell)) Fail("cell " + cell + " read back as " + parsed);
}

void CheckData(const FuzzTable& table) {
  xmlDocPtr doc = ReadBack(kDataPath);
  xmlNodePtr root = xmlDocGetRootElement(doc);
  const std::vector<xmlNodePtr> rows = Elements(root);
  if (Text(root->name) != "doc" || static_cast<int>(rows.size()) != table.RowCount()) Fail("rows lost");
  Texts headings;
  for (int column = 0; column < table.ColumnCount(); ++column) headings.push_back(table.Heading(column));
  const Texts names = MakeUniqueElementNames(headings);
  for (int row = 0; row < table.RowCount(); ++row) {
    const std::vector<xmlNodePtr> cells = Elements(rows[row]);
    if (static_cast<int>(cells.size()) != table.ColumnCount()) Fail("cells lost");
    for (int column = 0; column < table.ColumnCount(); ++column)
      CheckCell(cells[column], names[column], table.Cell(row, column));
  }
  xmlFreeDoc(doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t columns = data[0] % 4 + 1;
  Texts fields = Fields(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const std::string stylesheetName = fields[0];
  fields.erase(fields.begin());
  fields.resize(fields.size() < columns ? columns : fields.size());
  const FuzzTable table(Texts(fields.begin(), fields.begin() + columns), Texts(fields.begin() + columns, fields.end()));
  if (!xml::WriteDataFile(kDataPath, stylesheetName, table) || !xml::WriteStylesheet(kSheetPath, table))
    Fail("the files could not be written");
  CheckData(table);
  xmlFreeDoc(ReadBack(kSheetPath));
  return 0;
}
