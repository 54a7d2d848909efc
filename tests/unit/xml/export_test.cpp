#include <gtest/gtest.h>

#include <string>

#include "FakeTable.h"
#include "TestFiles.h"
#include "XmlExport.h"

namespace {

using xmltest::FakeTable;
using xmltest::ReadWholeFile;

struct NameCase {
  const char* name;
  std::string bareName;
  std::string expected;
};

class StylesheetName : public testing::TestWithParam<NameCase> {};

TEST_P(StylesheetName, RemovesFirstXmlAndAppendsXsl) {
  EXPECT_EQ(GetParam().expected, xml::StylesheetNameFor(GetParam().bareName));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StylesheetName,
    testing::Values(NameCase{"Lower", "report.xml", "report.xsl"},
                    NameCase{"Upper", "Report.XML", "Report.xsl"},
                    NameCase{"Mixed", "a.XmL", "a.xsl"},
                    NameCase{"OtherExtension", "data.txt", "data.txt.xsl"},
                    NameCase{"FirstOccurrenceOnly", "my.xmlfile.xml", "myfile.xml.xsl"},
                    NameCase{"NoDotNoMatch", "myxml", "myxml.xsl"},
                    NameCase{"NoExtension", "report", "report.xsl"},
                    NameCase{"Ampersand", "Tom & Jerry.xml", "Tom & Jerry.xsl"},
                    NameCase{"HighBytesKept", "r\xE9sum\xE9.xml", "r\xE9sum\xE9.xsl"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

const FakeTable kStaff({"ID", "NAME"}, {{"7", "Smith & Sons"}, {"8", "Jones"}});

TEST(ExportTable, WritesDataFileAndStylesheetInTheSameFolder) {
  const std::string folder = xmltest::ScratchFolder("export_both");
  const std::string path = folder + "report.xml";
  ASSERT_TRUE(xml::ExportTable(path, folder.size(), true, kStaff));
  const std::string data = ReadWholeFile(path);
  EXPECT_NE(std::string::npos, data.find("\n<?xml-stylesheet type=\"text/xsl\" href=\"report.xsl\"?>\n"));
  EXPECT_NE(std::string::npos, data.find("  <row>\n    <ID>8</ID>\n    <NAME>Jones</NAME>\n  </row>\n</doc>\n"));
  const std::string stylesheet = ReadWholeFile(folder + "report.xsl");
  EXPECT_NE(std::string::npos, stylesheet.find("       <th>ID</th>\n       <th>NAME</th>\n      </tr>\n"));
  EXPECT_NE(std::string::npos, stylesheet.find("       <td><xsl:value-of select=\"NAME\"/></td>\n      </tr>\n"));
}

TEST(ExportTable, WithoutStylesheetWritesNoneAndNamesNone) {
  const std::string folder = xmltest::ScratchFolder("export_no_xsl");
  ASSERT_TRUE(xml::ExportTable(folder + "report.xml", folder.size(), false, kStaff));
  EXPECT_EQ(std::string::npos, ReadWholeFile(folder + "report.xml").find("xml-stylesheet"));
  EXPECT_FALSE(xmltest::Exists(folder + "report.xsl"));
}

TEST(ExportTable, StylesheetThatCannotBeCreatedStillNamedByTheDataFile) {
  const std::string folder = xmltest::ScratchFolder("export_xsl_blocked");
  std::filesystem::create_directory(folder + "report.xsl");  // a folder where the file would go
  ASSERT_TRUE(xml::ExportTable(folder + "report.xml", folder.size(), true, kStaff));
  EXPECT_NE(std::string::npos, ReadWholeFile(folder + "report.xml").find("href=\"report.xsl\""));
  EXPECT_TRUE(std::filesystem::is_directory(folder + "report.xsl"));
}

TEST(ExportTable, DataFileThatCannotBeCreatedFailsAndKeepsTheStylesheet) {
  const std::string folder = xmltest::ScratchFolder("export_xml_blocked");
  std::filesystem::create_directory(folder + "report.xml");
  EXPECT_FALSE(xml::ExportTable(folder + "report.xml", folder.size(), true, kStaff));
  EXPECT_NE(std::string::npos, ReadWholeFile(folder + "report.xsl").find("<th>NAME</th>"));
}

TEST(ExportTable, EmptyTableGivesTheEmptyDocument) {
  const std::string folder = xmltest::ScratchFolder("export_empty");
  ASSERT_TRUE(xml::ExportTable(folder + "e.xml", folder.size(), true, FakeTable({}, {})));
  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<?xml-stylesheet type=\"text/xsl\" href=\"e.xsl\"?>\n<doc>\n</doc>\n",
            ReadWholeFile(folder + "e.xml"));
}

TEST(WriteDataFile, WriteErrorMeansNotSaved) {
  const std::vector<std::vector<std::string>> rows(5000, {"7", "Smith & Sons"});
  EXPECT_FALSE(xml::WriteDataFile(xmltest::kFullDevice, "", FakeTable({"ID", "NAME"}, rows)));
}

}  // namespace
