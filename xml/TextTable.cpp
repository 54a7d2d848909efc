#include "TextTable.h"

namespace xml {
namespace {

// The bytes looked for are all ASCII, and no double-byte code page uses one of them as the
// second byte of a character: a byte search finds exactly those characters.
bool NeedsQuotes(const TextDialect& dialect, std::string_view cell) {
  for (const char c : cell) {
    if (dialect.quotedWhenHolding[static_cast<unsigned char>(c)]) return true;
  }
  return false;
}

template <typename CellOf>
void AppendLine(const TextDialect& dialect, int columns, CellOf cellOf, std::string& out) {
  for (int column = 0; column < columns; ++column) {
    if (column > 0) out += dialect.separator;
    AppendCell(dialect, cellOf(column), out);
  }
  out += "\r\n";
}

}  // namespace

void AppendCell(const TextDialect& dialect, std::string_view cell, std::string& out) {
  if (!NeedsQuotes(dialect, cell)) {
    out.append(cell);
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string_view TakeCell(std::string_view& rowText) {
  const std::size_t end = rowText.find('\0');
  const std::string_view cell = rowText.substr(0, end);
  rowText.remove_prefix(end == std::string_view::npos ? rowText.size() : end + 1);
  return cell;
}

void AppendHeadingLine(const TextDialect& dialect, const RowSource& source, std::string& out) {
  AppendLine(
      dialect, source.ColumnCount(), [&](int column) { return source.Heading(column); }, out);
}

void AppendRowLine(const TextDialect& dialect, const RowSource& source, int row, std::string& out) {
  std::string_view rest = source.RowText(row);
  AppendLine(
      dialect, source.ColumnCount(), [&](int) { return TakeCell(rest); }, out);
}

std::string TabText(const RowSource& source, const std::vector<int>& rows, bool withHeadings) {
  std::string text;
  if (withHeadings) AppendHeadingLine(kTabText, source, text);
  if (rows.empty()) {
    for (int row = 0; row < source.RowCount(); ++row) AppendRowLine(kTabText, source, row, text);
  } else {
    for (const int row : rows) AppendRowLine(kTabText, source, row, text);
  }
  return text;
}

}  // namespace xml
