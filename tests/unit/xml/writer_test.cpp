#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TestSupport.h"
#include "XmlWriter.h"
#include "XslWriter.h"

namespace {

using xmltest::ReadWholeFile;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

TEST(XmlWriter, OneRowWithStylesheetIsByteExact) {
  const std::string path = xmltest::ScratchFolder("xml_one_row") + "out.xml";
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(path, "out.xsl"));
  EXPECT_EQ(0, writer.BeginRow());
  EXPECT_EQ(0, writer.WriteColumn("ID", "7"));
  EXPECT_EQ(0, writer.WriteColumn("NAME", "Smith & Sons"));
  EXPECT_EQ(0, writer.EndRow());
  EXPECT_EQ(0, writer.Close());
  EXPECT_EQ(kDeclaration +
                "<?xml-stylesheet type=\"text/xsl\" href=\"out.xsl\"?>\n<doc>\n  <row>\n    <ID>7</ID>\n"
                "    <NAME>Smith &#38; Sons</NAME>\n  </row>\n</doc>\n",
            ReadWholeFile(path));
}

TEST(XmlWriter, CellsAreEscapedAndConvertedAndHeadingsNamed) {
  const std::string path = xmltest::ScratchFolder("xml_cells") + "cells.xml";
  {
    CXmlWriter writer;
    ASSERT_EQ(0, writer.Open(path, ""));
    writer.BeginRow();
    writer.WriteColumn("COUNT(*)", "#1 <b>");
    writer.WriteColumn("1ST", "");
    writer.WriteColumn("A/B", "\xE9\x80");
    writer.WriteColumn("Column 1", "two\r\nlines\x01");
    writer.EndRow();
  }  // the destructor ends the document
  EXPECT_EQ(kDeclaration +
                "<doc>\n  <row>\n    <COUNT___>&#35;1 &#60;b&#62;</COUNT___>\n    <_1ST></_1ST>\n"
                "    <A_B>\xC3\xA9\xE2\x82\xAC</A_B>\n    <Column_1>two\r\nlines\xEF\xBF\xBD</Column_1>\n"
                "  </row>\n</doc>\n",
            ReadWholeFile(path));
}

TEST(XmlWriter, NoRowsAndAnEscapedHref) {
  const std::string path = xmltest::ScratchFolder("xml_href") + "a.xml";
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(path, "Tom & Jerry's \"#1\".xsl"));
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ(kDeclaration +
                "<?xml-stylesheet type=\"text/xsl\" href=\"Tom &#38; Jerry&#39;s &#34;&#35;1&#34;.xsl\"?>\n"
                "<doc>\n</doc>\n",
            ReadWholeFile(path));
}

const std::string kStylesheetHead =
    kDeclaration +
    "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n"
    "<xsl:template match=\"/\">\n  <html>\n  <body bgcolor=\"#FFFFFF\" text=\"#000000\">\n"
    "    <table border=\"3\">\n      <tr>\n";
const std::string kRowTemplateStart = "      </tr>\n      <xsl:for-each select=\"doc/row\">\n      <tr>\n";
const std::string kStylesheetTail =
    "      </tr>\n      </xsl:for-each>\n    </table>\n  </body>\n  </html>\n</xsl:template>\n"
    "</xsl:stylesheet>\n";

TEST(XslWriter, TwoColumnsAreByteExact) {
  const std::string path = xmltest::ScratchFolder("xsl_two") + "out.xsl";
  CXslWriter writer;
  ASSERT_EQ(0, writer.Open(path));
  EXPECT_EQ(0, writer.WriteHeaderCell("ID"));
  EXPECT_EQ(0, writer.WriteHeaderCell("COUNT(*)"));
  EXPECT_EQ(0, writer.BeginRowTemplate());
  EXPECT_EQ(0, writer.WriteDataCell("ID"));
  EXPECT_EQ(0, writer.WriteDataCell("COUNT(*)"));
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ(kStylesheetHead + "       <th>ID</th>\n       <th>COUNT___</th>\n" + kRowTemplateStart +
                "       <td><xsl:value-of select=\"ID\"/></td>\n"
                "       <td><xsl:value-of select=\"COUNT___\"/></td>\n" +
                kStylesheetTail,
            ReadWholeFile(path));
}

TEST(XslWriter, NoColumnsGiveAnEmptyHeadingRowAndTemplate) {
  const std::string path = xmltest::ScratchFolder("xsl_none") + "none.xsl";
  {
    CXslWriter writer;
    ASSERT_EQ(0, writer.Open(path));
    writer.BeginRowTemplate();
  }
  EXPECT_EQ(kStylesheetHead + kRowTemplateStart + kStylesheetTail, ReadWholeFile(path));
}

// Every operation of the two writers but Open.
const std::function<int(CXmlWriter&, CXslWriter&)> kOperations[] = {
    [](CXmlWriter& x, CXslWriter&) { return x.BeginRow(); },
    [](CXmlWriter& x, CXslWriter&) { return x.WriteColumn("A", "1"); },
    [](CXmlWriter& x, CXslWriter&) { return x.EndRow(); },
    [](CXmlWriter& x, CXslWriter&) { return x.Close(); },
    [](CXmlWriter&, CXslWriter& s) { return s.WriteHeaderCell("A"); },
    [](CXmlWriter&, CXslWriter& s) { return s.BeginRowTemplate(); },
    [](CXmlWriter&, CXslWriter& s) { return s.WriteDataCell("A"); },
    [](CXmlWriter&, CXslWriter& s) { return s.Close(); },
};

void ExpectEveryOperationFails(CXmlWriter& xmlWriter, CXslWriter& xslWriter) {
  for (const auto& operation : kOperations) EXPECT_EQ(1, operation(xmlWriter, xslWriter));
}

TEST(WriterState, OperationsFailBeforeOpenAndAfterClose) {
  const std::string folder = xmltest::ScratchFolder("state_closed");
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  ExpectEveryOperationFails(xmlWriter, xslWriter);
  ASSERT_EQ(0, xmlWriter.Open(folder + "a.xml", ""));
  ASSERT_EQ(0, xslWriter.Open(folder + "a.xsl"));
  ASSERT_EQ(0, xmlWriter.Close());
  ASSERT_EQ(0, xslWriter.Close());
  const std::string written = ReadWholeFile(folder + "a.xml") + ReadWholeFile(folder + "a.xsl");
  ExpectEveryOperationFails(xmlWriter, xslWriter);
  EXPECT_EQ(written, ReadWholeFile(folder + "a.xml") + ReadWholeFile(folder + "a.xsl"));
}

TEST(WriterState, SecondOpenIsRefusedAndChangesNothing) {
  const std::string folder = xmltest::ScratchFolder("state_reopen");
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  ASSERT_EQ(0, xmlWriter.Open(folder + "first.xml", ""));
  ASSERT_EQ(0, xslWriter.Open(folder + "first.xsl"));
  EXPECT_EQ(2, xmlWriter.Open(folder + "second.xml", "x.xsl"));
  EXPECT_EQ(2, xslWriter.Open(folder + "second.xsl"));
  EXPECT_FALSE(std::filesystem::exists(folder + "second.xml") || std::filesystem::exists(folder + "second.xsl"));
  EXPECT_EQ(0, xmlWriter.Close());
  EXPECT_EQ(kDeclaration + "<doc>\n</doc>\n", ReadWholeFile(folder + "first.xml"));
}

TEST(WriterState, FileThatCannotBeCreatedLeavesTheWritersClosed) {
  const std::string folder = xmltest::ScratchFolder("state_no_file") + "no such folder/";
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  EXPECT_EQ(1, xmlWriter.Open(folder + "a.xml", "a.xsl"));
  EXPECT_EQ(1, xslWriter.Open(folder + "a.xsl"));
  ExpectEveryOperationFails(xmlWriter, xslWriter);
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(WriterState, WriteErrorsFailTheLaterCallsAndClose) {
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(xmltest::kFullDevice, ""));
  int columns = 0;
  while (columns < 100000 && writer.WriteColumn("NAME", "a cell text of some length") == 0) ++columns;
  EXPECT_LT(columns, 100000);
  EXPECT_EQ(1, writer.EndRow());
  EXPECT_EQ(1, writer.Close());
}

}  // namespace
