// Writes a small sample export (sample.xml and sample.xsl) into the folder given, for
// checking how a browser shows it (scripts/browser-check).
#include <cstdio>
#include <string>

#include "TestSupport.h"
#include "XmlExport.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: xml_sample_export FOLDER\n");
    return 2;
  }
  const xmltest::FakeTable table({"DEPTNO", "DNAME", "COUNT(*)", "A/B", "1ST", "Column 1"},
                                 {{"10", "ACCOUNTING", "3", "Smith & Sons", "<b>not bold</b>", "caf\xE9 \x80 5"},
                                  {"20", "RESEARCH", "5", "'quoted' \"twice\"", "#1", "two\r\nlines"},
                                  {"30", "SALES", "6", "", "tab\there", "bell\x07"}});
  std::string folder = argv[1];
  if (folder.back() != '/') folder += '/';
  if (!xml::ExportTable(folder + "sample.xml", folder.size(), true, table)) {
    std::fprintf(stderr, "xml_sample_export: could not write %ssample.xml\n", folder.c_str());
    return 1;
  }
  return 0;
}
