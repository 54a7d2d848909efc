// Scratch folders, whole-file reads and an in-memory table for the XML export tests.
#ifndef ZENQUILL_TESTS_XML_TESTSUPPORT_H
#define ZENQUILL_TESTS_XML_TESTSUPPORT_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RowSource.h"
#include "TableSource.h"

#ifndef _WIN32
#include <iconv.h>
#endif

namespace xmltest {

using Rows = std::vector<std::vector<std::string>>;

// An empty folder of the test's own under the working directory, ending in a separator.
inline std::string ScratchFolder(const std::string& name) {
  std::filesystem::path folder = std::filesystem::path("xml_scratch") / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return (folder / "").make_preferred().string();
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A device on which every write fails for want of space (Wine maps drive Z: to "/").
#ifdef _WIN32
inline const char* const kFullDevice = "Z:\\dev\\full";
#else
inline const char* const kFullDevice = "/dev/full";
#endif

// Stands in for the result list.
class FakeTable : public xml::TableSource {
 public:
  FakeTable(std::vector<std::string> headings, Rows rows) : headings_(std::move(headings)), rows_(std::move(rows)) {}
  int ColumnCount() const override { return static_cast<int>(headings_.size()); }
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string Heading(int column) const override { return headings_.at(column); }
  std::string Cell(int row, int column) const override { return rows_.at(row).at(column); }

 private:
  std::vector<std::string> headings_;
  Rows rows_;
};

// The same table read as rows, as the copy and CSV writers read the result list.
class TableRows : public xml::RowSource {
 public:
  explicit TableRows(const xml::TableSource& table) : table_(table) {}
  int ColumnCount() const override { return table_.ColumnCount(); }
  int RowCount() const override { return table_.RowCount(); }
  std::string Heading(int column) const override { return table_.Heading(column); }
  std::string_view RowText(int row) const override {
    text_.clear();
    for (int column = 0; column < ColumnCount(); ++column) text_ += table_.Cell(row, column) + '\0';
    return text_;
  }

 private:
  const xml::TableSource& table_;
  mutable std::string text_;
};

#ifndef _WIN32
// A Windows-1252 byte in UTF-8 by the C library's table, independent of ours. The five bytes
// the code page leaves undefined give the C1 control of the same value, as Windows maps them.
inline std::string Cp1252ToUtf8(char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1252");
  char out[8] = {};
  char* in = &byte;
  char* outEnd = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  const bool ok = iconv(cd, &in, &inLeft, &outEnd, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok ? std::string(out, outEnd) : std::string({'\xC2', byte});
}
#endif

}  // namespace xmltest

#endif
