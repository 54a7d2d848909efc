// Rows as delimited text: CSV files (RFC 4180) and the tab-separated text that spreadsheets
// paste. Lines end in CR LF; a cell holding the separator or a line break goes in double
// quotes, with its own double quotes doubled.
#ifndef ZENQUILL_XML_TEXTTABLE_H
#define ZENQUILL_XML_TEXTTABLE_H

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "RowSource.h"

namespace xml {

using ByteSet = std::array<bool, 256>;

constexpr ByteSet ByteSetOf(std::string_view bytes) {
  ByteSet set = {};
  for (const char c : bytes) set[static_cast<unsigned char>(c)] = true;
  return set;
}

struct TextDialect {
  char separator;
  ByteSet quotedWhenHolding;  // a cell holding any of these bytes is quoted
};

// A cell with a double quote is quoted too, so that reading the file back gives it unchanged.
constexpr TextDialect kCsv = {',', ByteSetOf(",\"\r\n")};
// Only what would break the cell apart is quoted: a quote alone pastes as it is.
constexpr TextDialect kTabText = {'\t', ByteSetOf("\t\r\n")};

void AppendCell(const TextDialect& dialect, std::string_view cell, std::string& out);
// The first cell of a row's text as RowSource::RowText gives it, taken off the text; "" once
// the text is used up.
std::string_view TakeCell(std::string_view& rowText);
// The headings, or one row of the source, as one line.
void AppendHeadingLine(const TextDialect& dialect, const RowSource& source, std::string& out);
void AppendRowLine(const TextDialect& dialect, const RowSource& source, int row, std::string& out);

// The given rows (all of them when `rows` is empty) as tab text in the ANSI code page,
// headed by the headings line when asked. Throws std::bad_alloc when memory runs out.
std::string TabText(const RowSource& source, const std::vector<int>& rows, bool withHeadings);

}  // namespace xml

#endif
