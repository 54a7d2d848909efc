#include "CsvFile.h"

#include <new>

#include "OutputFile.h"
#include "TextTable.h"
#include "Utf8.h"

namespace xml {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// One line at a time: the ANSI line converted as a whole, then handed to the file's buffer.
class CsvLines {
 public:
  explicit CsvLines(OutputFile& file) : file_(file) {}

  template <typename AppendLine>
  bool Write(AppendLine appendLine) {
    ansi_.clear();
    utf8_.clear();
    appendLine(ansi_);
    AppendAnsiAsUtf8(ansi_, utf8_);
    file_.Write(utf8_);
    return !file_.Failed();
  }

 private:
  OutputFile& file_;
  std::string ansi_;
  std::string utf8_;
};

}  // namespace

bool WriteCsvFile(const std::string& path, const RowSource& source) {
  OutputFile file;
  if (!file.Create(path)) return false;
  file.Write(kByteOrderMark);
  try {
    CsvLines lines(file);
    bool written = lines.Write([&](std::string& out) { AppendHeadingLine(kCsv, source, out); });
    for (std::size_t row = 0; written && row < source.RowCount(); ++row)
      written = lines.Write([&](std::string& out) { AppendRowLine(kCsv, source, row, out); });
  } catch (const std::bad_alloc&) {
    file.Close();
    return false;
  }
  return file.Close();
}

}  // namespace xml
