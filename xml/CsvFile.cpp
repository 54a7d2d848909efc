#include "CsvFile.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "OutputFile.h"
#include "TextTable.h"
#include "Utf8.h"

namespace xml {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t kChunk = 1 << 20;  // what goes to the file at once

// What a byte asks of the cell that holds it: nothing, quotes, or conversion to UTF-8.
constexpr unsigned char kQuote = 1;
constexpr unsigned char kConvert = 2;
constexpr std::array<unsigned char, 256> NeedsOfBytes() {
  std::array<unsigned char, 256> needs = {};
  for (int byte = 0; byte < 256; ++byte) {
    if (kCsv.quotedWhenHolding[byte]) needs[byte] = kQuote;
    if (byte >= 0x80) needs[byte] = kConvert;
  }
  return needs;
}
constexpr std::array<unsigned char, 256> kNeeds = NeedsOfBytes();

// Writes the lines through a buffer of its own, a chunk at a time. A row of plain ASCII cells,
// the usual one, is copied in as the store holds it, each cell's NUL becoming the comma after
// it, while its bytes are looked at. Any other row goes cell by cell: a plain one copied, any
// other quoted in the ANSI code page first (quoting looks at ASCII bytes only), then converted.
class CsvWriter {
 public:
  explicit CsvWriter(OutputFile& file) : file_(file), buffer_(new char[kChunk]) {}

  void Row(std::string_view rowText, int columns) {
    if (!rowText.empty() && used_ + rowText.size() + 1 <= kChunk) {
      char* const start = buffer_.get() + used_;
      char* out = start;
      unsigned char needs = 0;
      int cells = 0;
      for (const char c : rowText) {
        const auto byte = static_cast<unsigned char>(c);
        needs |= kNeeds[byte];
        cells += byte == 0;
        *out++ = byte == 0 ? ',' : c;
      }
      if (needs == 0 && cells == columns) {
        out[-1] = '\r';  // the last cell's comma
        *out++ = '\n';
        used_ += static_cast<std::size_t>(out - start);
        return;
      }
    }
    Line(columns, [&](int) { return TakeCell(rowText); });
  }

  template <typename CellOf>
  void Line(int columns, CellOf cellOf) {
    for (int column = 0; column < columns; ++column) {
      if (column > 0) Put(",");
      Cell(cellOf(column));
    }
    Put("\r\n");
  }

  void Flush() {
    file_.Write(std::string_view(buffer_.get(), used_));
    used_ = 0;
  }

 private:
  void Cell(std::string_view cell) {
    if (used_ + cell.size() <= kChunk) {
      char* out = buffer_.get() + used_;
      unsigned char needs = 0;
      for (const char c : cell) {
        *out++ = c;
        needs |= kNeeds[static_cast<unsigned char>(c)];
      }
      if (needs == 0) {
        used_ += cell.size();
        return;
      }
    }
    ansi_.clear();
    AppendCell(kCsv, cell, ansi_);
    utf8_.clear();
    AppendAnsiAsUtf8(ansi_, utf8_);
    Put(utf8_);
  }

  void Put(std::string_view bytes) {
    if (used_ + bytes.size() > kChunk) Flush();
    if (bytes.size() >= kChunk) {
      file_.Write(bytes);
    } else {
      std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
      used_ += bytes.size();
    }
  }

  OutputFile& file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::string ansi_;
  std::string utf8_;
};

}  // namespace

bool WriteCsvFile(const std::string& path, const RowSource& source) {
  OutputFile file;
  if (!file.Create(path)) return false;
  file.Write(kByteOrderMark);
  try {
    CsvWriter writer(file);
    const int columns = source.ColumnCount();
    writer.Line(columns, [&](int column) { return source.Heading(column); });
    for (int row = 0; !file.Failed() && row < source.RowCount(); ++row) writer.Row(source.RowText(row), columns);
    writer.Flush();
  } catch (const std::bad_alloc&) {
    file.Close();
    return false;
  }
  return file.Close();
}

}  // namespace xml
