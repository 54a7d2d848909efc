#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TestFiles.h"
#include "XmlWriter.h"
#include "XslWriter.h"

namespace {

using xmltest::ReadWholeFile;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string StylesheetHead() {
  return kDeclaration +
         "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n"
         "<xsl:template match=\"/\">\n"
         "  <html>\n"
         "  <body bgcolor=\"#FFFFFF\" text=\"#000000\">\n"
         "    <table border=\"3\">\n"
         "      <tr>\n";
}

const std::string kRowTemplateStart =
    "      </tr>\n"
    "      <xsl:for-each select=\"doc/row\">\n"
    "      <tr>\n";

const std::string kStylesheetTail =
    "      </tr>\n"
    "      </xsl:for-each>\n"
    "    </table>\n"
    "  </body>\n"
    "  </html>\n"
    "</xsl:template>\n"
    "</xsl:stylesheet>\n";

TEST(XmlWriterFile, OneRowWithStylesheetIsByteExact) {
  const std::string path = xmltest::ScratchFolder("xml_one_row") + "out.xml";
  {
    CXmlWriter writer;
    ASSERT_EQ(0, writer.Open(path, "out.xsl"));
    EXPECT_EQ(0, writer.BeginRow());
    EXPECT_EQ(0, writer.WriteColumn("ID", "7"));
    EXPECT_EQ(0, writer.WriteColumn("NAME", "Smith & Sons"));
    EXPECT_EQ(0, writer.EndRow());
    EXPECT_EQ(0, writer.Close());
  }
  EXPECT_EQ(kDeclaration +
                "<?xml-stylesheet type=\"text/xsl\" href=\"out.xsl\"?>\n"
                "<doc>\n"
                "  <row>\n"
                "    <ID>7</ID>\n"
                "    <NAME>Smith &#38; Sons</NAME>\n"
                "  </row>\n"
                "</doc>\n",
            ReadWholeFile(path));
}

TEST(XmlWriterFile, CellsAndHeadingsAreEscapedNamedAndConverted) {
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
    writer.BeginRow();
    writer.EndRow();
  }  // the destructor ends the document
  EXPECT_EQ(kDeclaration +
                "<doc>\n"
                "  <row>\n"
                "    <COUNT___>&#35;1 &#60;b&#62;</COUNT___>\n"
                "    <_1ST></_1ST>\n"
                "    <A_B>\xC3\xA9\xE2\x82\xAC</A_B>\n"
                "    <Column_1>two\r\nlines\xEF\xBF\xBD</Column_1>\n"
                "  </row>\n"
                "  <row>\n"
                "  </row>\n"
                "</doc>\n",
            ReadWholeFile(path));
}

TEST(XmlWriterFile, NoRowsGiveDeclarationAndEmptyDocument) {
  const std::string path = xmltest::ScratchFolder("xml_no_rows") + "empty.xml";
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(path, "empty.xsl"));
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ(kDeclaration + "<?xml-stylesheet type=\"text/xsl\" href=\"empty.xsl\"?>\n<doc>\n</doc>\n",
            ReadWholeFile(path));
}

TEST(XmlWriterFile, StylesheetNameIsEscapedInTheHref) {
  const std::string path = xmltest::ScratchFolder("xml_href") + "a.xml";
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(path, "Tom & Jerry's \"#1\".xsl"));
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ(kDeclaration +
                "<?xml-stylesheet type=\"text/xsl\" href=\"Tom &#38; Jerry&#39;s &#34;&#35;1&#34;.xsl\"?>\n"
                "<doc>\n</doc>\n",
            ReadWholeFile(path));
}

TEST(XslWriterFile, TwoColumnsAreByteExact) {
  const std::string path = xmltest::ScratchFolder("xsl_two") + "out.xsl";
  CXslWriter writer;
  ASSERT_EQ(0, writer.Open(path));
  EXPECT_EQ(0, writer.WriteHeaderCell("ID"));
  EXPECT_EQ(0, writer.WriteHeaderCell("COUNT(*)"));
  EXPECT_EQ(0, writer.BeginRowTemplate());
  EXPECT_EQ(0, writer.WriteDataCell("ID"));
  EXPECT_EQ(0, writer.WriteDataCell("COUNT(*)"));
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ(StylesheetHead() +
                "       <th>ID</th>\n"
                "       <th>COUNT___</th>\n" +
                kRowTemplateStart +
                "       <td><xsl:value-of select=\"ID\"/></td>\n"
                "       <td><xsl:value-of select=\"COUNT___\"/></td>\n" +
                kStylesheetTail,
            ReadWholeFile(path));
}

TEST(XslWriterFile, NoColumnsGiveEmptyHeadingRowAndTemplate) {
  const std::string path = xmltest::ScratchFolder("xsl_none") + "none.xsl";
  {
    CXslWriter writer;
    ASSERT_EQ(0, writer.Open(path));
    writer.BeginRowTemplate();
  }
  EXPECT_EQ(StylesheetHead() + kRowTemplateStart + kStylesheetTail, ReadWholeFile(path));
}

// Every operation but Open, as the two writers offer them.
struct Operation {
  const char* name;
  std::function<int(CXmlWriter&, CXslWriter&)> call;
};

const Operation kOperations[] = {
    {"BeginRow", [](CXmlWriter& x, CXslWriter&) { return x.BeginRow(); }},
    {"WriteColumn", [](CXmlWriter& x, CXslWriter&) { return x.WriteColumn("A", "1"); }},
    {"EndRow", [](CXmlWriter& x, CXslWriter&) { return x.EndRow(); }},
    {"XmlClose", [](CXmlWriter& x, CXslWriter&) { return x.Close(); }},
    {"WriteHeaderCell", [](CXmlWriter&, CXslWriter& s) { return s.WriteHeaderCell("A"); }},
    {"BeginRowTemplate", [](CXmlWriter&, CXslWriter& s) { return s.BeginRowTemplate(); }},
    {"WriteDataCell", [](CXmlWriter&, CXslWriter& s) { return s.WriteDataCell("A"); }},
    {"XslClose", [](CXmlWriter&, CXslWriter& s) { return s.Close(); }},
};

TEST(WriterState, EveryOperationOnAClosedWriterFails) {
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  for (const Operation& operation : kOperations) {
    EXPECT_EQ(1, operation.call(xmlWriter, xslWriter)) << operation.name;
  }
}

TEST(WriterState, EveryOperationAfterCloseFails) {
  const std::string folder = xmltest::ScratchFolder("state_closed");
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  ASSERT_EQ(0, xmlWriter.Open(folder + "a.xml", ""));
  ASSERT_EQ(0, xslWriter.Open(folder + "a.xsl"));
  ASSERT_EQ(0, xmlWriter.Close());
  ASSERT_EQ(0, xslWriter.Close());
  const std::string xmlBytes = ReadWholeFile(folder + "a.xml");
  const std::string xslBytes = ReadWholeFile(folder + "a.xsl");
  for (const Operation& operation : kOperations) {
    EXPECT_EQ(1, operation.call(xmlWriter, xslWriter)) << operation.name;
  }
  EXPECT_EQ(xmlBytes, ReadWholeFile(folder + "a.xml"));
  EXPECT_EQ(xslBytes, ReadWholeFile(folder + "a.xsl"));
}

TEST(WriterState, SecondOpenIsRefusedAndChangesNothing) {
  const std::string folder = xmltest::ScratchFolder("state_reopen");
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  ASSERT_EQ(0, xmlWriter.Open(folder + "first.xml", ""));
  ASSERT_EQ(0, xslWriter.Open(folder + "first.xsl"));
  EXPECT_EQ(2, xmlWriter.Open(folder + "second.xml", "x.xsl"));
  EXPECT_EQ(2, xslWriter.Open(folder + "second.xsl"));
  EXPECT_FALSE(xmltest::Exists(folder + "second.xml"));
  EXPECT_FALSE(xmltest::Exists(folder + "second.xsl"));
  EXPECT_EQ(0, xmlWriter.Close());
  EXPECT_EQ(kDeclaration + "<doc>\n</doc>\n", ReadWholeFile(folder + "first.xml"));
}

TEST(WriterState, FileThatCannotBeCreatedLeavesTheWriterClosed) {
  const std::string folder = xmltest::ScratchFolder("state_no_file") + "no such folder/";
  CXmlWriter xmlWriter;
  CXslWriter xslWriter;
  EXPECT_EQ(1, xmlWriter.Open(folder + "a.xml", "a.xsl"));
  EXPECT_EQ(1, xslWriter.Open(folder + "a.xsl"));
  for (const Operation& operation : kOperations) {
    EXPECT_EQ(1, operation.call(xmlWriter, xslWriter)) << operation.name;
  }
  EXPECT_FALSE(xmltest::Exists(folder));
}

TEST(WriterState, ExistingFileIsReplaced) {
  const std::string path = xmltest::ScratchFolder("state_replace") + "a.xml";
  std::ofstream(path) << std::string(1000, 'x');
  CXmlWriter writer;
  ASSERT_EQ(0, writer.Open(path, ""));
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ(kDeclaration + "<doc>\n</doc>\n", ReadWholeFile(path));
}

}  // namespace
