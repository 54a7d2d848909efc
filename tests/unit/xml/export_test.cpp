#include <gtest/gtest.h>

#include <new>
#include <string>

#include "TestSupport.h"
#include "XmlExport.h"

namespace {

using xmltest::FakeTable;
using xmltest::ReadWholeFile;

TEST(StylesheetName, RemovesTheFirstXmlInAnyCaseAndAppendsXsl) {
  const std::pair<std::string, std::string> cases[] = {{"report.xml", "report.xsl"},
                                                       {"Report.XML", "Report.xsl"},
                                                       {"a.XmL", "a.xsl"},
                                                       {"data.txt", "data.txt.xsl"},
                                                       {"my.xmlfile.xml", "myfile.xml.xsl"},
                                                       {"myxml", "myxml.xsl"},
                                                       {"Tom & Jerry.xml", "Tom & Jerry.xsl"},
                                                       {"r\xE9sum\xE9.xml", "r\xE9sum\xE9.xsl"}};
  for (const auto& [bareName, expected] : cases) EXPECT_EQ(expected, xml::StylesheetNameFor(bareName));
}

const FakeTable kStaff({"ID", "NAME"}, {{"7", "Smith & Sons"}, {"8", "Jones"}});

TEST(ExportTable, WritesTheDataFileAndItsStylesheetInOneFolder) {
  const std::string folder = xmltest::ScratchFolder("export_both");
  ASSERT_TRUE(xml::ExportTable(folder + "report.xml", folder.size(), true, kStaff));
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"report.xsl\"?>\n"
      "<doc>\n  <row>\n    <ID>7</ID>\n    <NAME>Smith &#38; Sons</NAME>\n  </row>\n"
      "  <row>\n    <ID>8</ID>\n    <NAME>Jones</NAME>\n  </row>\n</doc>\n",
      ReadWholeFile(folder + "report.xml"));
  const std::string stylesheet = ReadWholeFile(folder + "report.xsl");
  EXPECT_NE(std::string::npos, stylesheet.find("      <tr>\n       <th>ID</th>\n       <th>NAME</th>\n      </tr>\n"));
  EXPECT_NE(std::string::npos, stylesheet.find("<td><xsl:value-of select=\"ID\"/></td>\n"
                                               "       <td><xsl:value-of select=\"NAME\"/></td>\n      </tr>\n"));
}

TEST(ExportTable, WithoutStylesheetWritesAndNamesNone) {
  const std::string folder = xmltest::ScratchFolder("export_no_xsl");
  ASSERT_TRUE(xml::ExportTable(folder + "report.xml", folder.size(), false, kStaff));
  EXPECT_EQ(std::string::npos, ReadWholeFile(folder + "report.xml").find("xml-stylesheet"));
  EXPECT_FALSE(std::filesystem::exists(folder + "report.xsl"));
}

TEST(ExportTable, StylesheetThatCannotBeCreatedIsStillNamed) {
  const std::string folder = xmltest::ScratchFolder("export_xsl_blocked");
  std::filesystem::create_directory(folder + "report.xsl");  // a folder where the file would go
  ASSERT_TRUE(xml::ExportTable(folder + "report.xml", folder.size(), true, kStaff));
  EXPECT_NE(std::string::npos, ReadWholeFile(folder + "report.xml").find("href=\"report.xsl\""));
}

TEST(ExportTable, DataFileThatCannotBeCreatedFailsAndLeavesTheStylesheet) {
  const std::string folder = xmltest::ScratchFolder("export_xml_blocked");
  std::filesystem::create_directory(folder + "report.xml");
  EXPECT_FALSE(xml::ExportTable(folder + "report.xml", folder.size(), true, kStaff));
  EXPECT_NE(std::string::npos, ReadWholeFile(folder + "report.xsl").find("<th>NAME</th>"));
}

TEST(ExportTable, WriteErrorMeansNotSaved) {
  EXPECT_FALSE(
      xml::WriteDataFile(xmltest::kFullDevice, "", FakeTable({"ID", "NAME"}, xmltest::Rows(5000, {"7", "x"}))));
}

// A table whose cells cannot be read past a row, for want of memory.
class ShortOfMemory : public FakeTable {
 public:
  ShortOfMemory() : FakeTable({"ID"}, xmltest::Rows(5, {"7"})) {}
  std::string Cell(int row, int column) const override {
    if (row == 3) throw std::bad_alloc();
    return FakeTable::Cell(row, column);
  }
};

TEST(ExportTable, OutOfMemoryFailsAndLeavesNoDataFile) {
  const std::string folder = xmltest::ScratchFolder("export_no_memory");
  EXPECT_FALSE(xml::ExportTable(folder + "report.xml", folder.size(), true, ShortOfMemory()));
  EXPECT_FALSE(std::filesystem::exists(folder + "report.xml"));
  EXPECT_NE(std::string::npos, ReadWholeFile(folder + "report.xsl").find("<th>ID</th>"));
}

TEST(ExportTable, EmptyTableGivesTheEmptyDocument) {
  const std::string folder = xmltest::ScratchFolder("export_empty");
  ASSERT_TRUE(xml::ExportTable(folder + "e.xml", folder.size(), true, FakeTable({}, {})));
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"e.xsl\"?>\n"
      "<doc>\n</doc>\n",
      ReadWholeFile(folder + "e.xml"));
}

}  // namespace
