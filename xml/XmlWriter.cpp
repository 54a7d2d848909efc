#include "XmlWriter.h"

#include "XmlEncoder.h"
#include "XmlName.h"

CXmlWriter::~CXmlWriter() { Close(); }

int CXmlWriter::Open(const std::string& path, const std::string& stylesheetName) {
  std::string piece = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  if (!stylesheetName.empty()) {
    piece += "<?xml-stylesheet type=\"text/xsl\" href=\"" + CXmlEncoder::Escape(stylesheetName) + "\"?>\n";
  }
  piece += "<doc>\n";
  return file_.Open(path, piece);
}

int CXmlWriter::BeginRow() { return file_.Write("  <row>\n"); }

int CXmlWriter::WriteColumn(const std::string& heading, const std::string& cellText) {
  const std::string name = MakeElementName(heading);
  std::string line;
  line.reserve(2 * name.size() + cellText.size() + 12);
  line.append("    <").append(name).append(">");
  line.append(CXmlEncoder::Escape(cellText));
  line.append("</").append(name).append(">\n");
  return file_.Write(line);
}

int CXmlWriter::EndRow() { return file_.Write("  </row>\n"); }

int CXmlWriter::Close() { return file_.Close("</doc>\n"); }
