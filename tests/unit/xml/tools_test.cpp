// The exported files as real tools see them: xmllint must accept both files, and xsltproc
// must turn them into an HTML table holding the headings and the cells.
#include <gtest/gtest.h>
#include <libxml/HTMLparser.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "XmlExport.h"
#include "XmlName.h"

namespace {

using xmltest::Rows;

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }  // no path here holds a quote

void CollectRows(xmlNode* node, Rows& rows) {
  for (; node; node = node->next) {
    if (node->type != XML_ELEMENT_NODE) continue;
    const std::string name = reinterpret_cast<const char*>(node->name);
    if (name == "tr") rows.emplace_back();
    if ((name == "th" || name == "td") && !rows.empty()) {
      xmlChar* text = xmlNodeGetContent(node);
      rows.back().emplace_back(reinterpret_cast<const char*>(text));
      xmlFree(text);
    } else {
      CollectRows(node->children, rows);
    }
  }
}

// The text of every th and td cell, row by row, of the HTML page xsltproc made.
Rows TableOf(const std::string& htmlPath) {
  Rows rows;
  htmlDocPtr doc = htmlReadFile(htmlPath.c_str(), "UTF-8", HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
  if (!doc) return rows;
  CollectRows(xmlDocGetRootElement(doc), rows);
  xmlFreeDoc(doc);
  return rows;
}

// Checks both files with xmllint, transforms them with xsltproc, returns the table.
Rows TransformedTable(const std::string& folder, const std::string& dataName, const std::string& xslName) {
  const std::string data = Quoted(folder + dataName);
  const std::string xsl = Quoted(folder + xslName);
  EXPECT_TRUE(Run("xmllint --noout " + data)) << data;
  EXPECT_TRUE(Run("xmllint --noout " + xsl)) << xsl;
  EXPECT_TRUE(Run("xsltproc -o " + Quoted(folder + "out.html") + " " + xsl + " " + data));
  return TableOf(folder + "out.html");
}

std::string HighBytes() {
  std::string bytes;
  for (int byte = 0x80; byte <= 0xFF; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

std::string HighBytesAsUtf8() {
  std::string text;
  for (int value = 0x80; value <= 0xFF; ++value) text += xmltest::Cp1252ToUtf8(static_cast<char>(value));
  return text;
}

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(ExportedFilesInTools, HeadingsAndCellsComeThroughTheTransform) {
  const std::string folder = xmltest::ScratchFolder("tools_table");
  const xmltest::FakeTable table(
      {"COUNT(*)", "A/B", "1ST", "Column 1", "MY COL#2", "x:y", "", "\xC9t\xE9"},
      {{"<>&'\"#", "line1\r\nline2\rline3\nend", HighBytes(), "\x01tab\there\x1F", "", "plain", "#1 <b>", "7"},
       {"2", "", "", "", "", "", "", "last"}});
  ASSERT_TRUE(xml::ExportTable(folder + "Tom & Jerry.xml", folder.size(), true, table));
  const Rows expected = {{"COUNT___", "A_B", "_1ST", "Column_1", "MY_COL_2", "x_y", "_", "\xC3\x89t\xC3\xA9"},
                         {"<>&'\"#", "line1\nline2\nline3\nend", HighBytesAsUtf8(),
                          kReplacement + "tab\there" + kReplacement, "", "plain", "#1 <b>", "7"},
                         {"2", "", "", "", "", "", "", "last"}};
  EXPECT_EQ(expected, TransformedTable(folder, "Tom & Jerry.xml", "Tom & Jerry.xsl"));
}

TEST(ExportedFilesInTools, EmptyTableGivesAnEmptyHeadingRow) {
  const std::string folder = xmltest::ScratchFolder("tools_empty");
  ASSERT_TRUE(xml::ExportTable(folder + "empty.xml", folder.size(), true, xmltest::FakeTable({}, {})));
  EXPECT_EQ(Rows{{}}, TransformedTable(folder, "empty.xml", "empty.xsl"));
}

TEST(ExportedFilesInTools, RepeatedHeadingsShowTheirOwnColumns) {
  const std::string folder = xmltest::ScratchFolder("tools_repeats");
  const xmltest::FakeTable table({"ID", "NAME", "ID", "A/B", "A_B"}, {{"7", "x", "dup", "ab1", "ab2"}});
  ASSERT_TRUE(xml::ExportTable(folder + "repeats.xml", folder.size(), true, table));
  const Rows expected = {{"ID", "NAME", "ID", "A_B", "A_B"}, {"7", "x", "dup", "ab1", "ab2"}};
  EXPECT_EQ(expected, TransformedTable(folder, "repeats.xml", "repeats.xsl"));
}

std::string Utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (c < 0x800) return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
  return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
          static_cast<char>(0x80 | (c & 0x3F))};
}

// The first and last character of every run a predicate accepts, and a sample in between.
std::vector<char32_t> SampleOf(bool (*accepts)(char32_t)) {
  std::vector<char32_t> sample;
  for (char32_t c = 1; c < 0xFFFF; ++c) {
    if (accepts(c) && (!accepts(c - 1) || !accepts(c + 1) || c % 61 == 0)) sample.push_back(c);
  }
  return sample;
}

// The characters a name may keep, in the place they may take, must be accepted by the XML
// parser (in the data file) and by the XPath parser (in the stylesheet's select).
TEST(ExportedFilesInTools, NameCharactersAreAcceptedByParserAndXPath) {
  std::vector<std::string> names;
  for (const char32_t c : SampleOf(xml::IsNameStartChar)) names.push_back(Utf8Of(c) + "a");
  for (const char32_t c : SampleOf(xml::IsNameChar)) names.push_back("a" + Utf8Of(c));
  ASSERT_GT(names.size(), 1000u);
  const std::string folder = xmltest::ScratchFolder("tools_names");
  std::ofstream data(folder + "names.xml", std::ios::binary);
  std::ofstream xsl(folder + "names.xsl", std::ios::binary);
  data << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<doc><row>";
  xsl << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n"
         "<xsl:template match=\"/\"><html><table><xsl:for-each select=\"doc/row\"><tr>";
  for (std::size_t i = 0; i < names.size(); ++i) {
    data << "<" << names[i] << ">" << i << "</" << names[i] << ">";
    xsl << "<td><xsl:value-of select=\"" << names[i] << "\"/></td>";
  }
  data << "</row></doc>\n";
  xsl << "</tr></xsl:for-each></table></html></xsl:template></xsl:stylesheet>\n";
  data.close();
  xsl.close();
  const Rows rows = TransformedTable(folder, "names.xml", "names.xsl");
  ASSERT_EQ(1u, rows.size());
  ASSERT_EQ(names.size(), rows[0].size());
  EXPECT_EQ("0", rows[0].front());
  EXPECT_EQ(std::to_string(names.size() - 1), rows[0].back());
}

}  // namespace
