#include "XslWriter.h"

#include "XmlName.h"

CXslWriter::~CXslWriter() { Close(); }

int CXslWriter::Open(const std::string& path) {
  return file_.Open(path,
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n"
                    "<xsl:template match=\"/\">\n"
                    "  <html>\n"
                    "  <body bgcolor=\"#FFFFFF\" text=\"#000000\">\n"
                    "    <table border=\"3\">\n"
                    "      <tr>\n");
}

int CXslWriter::WriteHeaderCell(const std::string& heading) {
  return file_.Write("       <th>" + MakeElementName(heading) + "</th>\n");
}

int CXslWriter::BeginRowTemplate() {
  return file_.Write(
      "      </tr>\n"
      "      <xsl:for-each select=\"doc/row\">\n"
      "      <tr>\n");
}

int CXslWriter::WriteDataCell(const std::string& heading) {
  return file_.Write("       <td><xsl:value-of select=\"" + MakeElementName(heading) + "\"/></td>\n");
}

int CXslWriter::Close() {
  return file_.Close(
      "      </tr>\n"
      "      </xsl:for-each>\n"
      "    </table>\n"
      "  </body>\n"
      "  </html>\n"
      "</xsl:template>\n"
      "</xsl:stylesheet>\n");
}
