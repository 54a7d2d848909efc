#include "SplitterProperties.h"

#include <vector>

#include "ScanCopy.h"

namespace {

bool IsTrimmable(char c) { return c == '\r' || c == '\n' || c == ' '; }

bool SeparatorAt(const std::string& text, size_t at, size_t end, const std::string& sep) {
  if (sep.empty() || end - at < sep.size()) return false;
  for (size_t k = 0; k < sep.size(); ++k) {
    if (UpperAscii(text[at + k]) != UpperAscii(sep[k])) return false;
  }
  return true;
}

// reach[k]: text[begin, begin + k) is made of white space and separators only.
std::vector<bool> Tiling(const std::string& text, size_t begin, size_t end, const std::string& a,
                         const std::string& b) {
  std::vector<bool> reach(end - begin + 1, false);
  reach[0] = true;
  for (size_t k = 0; k < end - begin; ++k) {
    if (!reach[k]) continue;
    const size_t at = begin + k;
    if (IsTrimmable(text[at])) reach[k + 1] = true;
    if (SeparatorAt(text, at, end, a)) reach[k + a.size()] = true;
    if (SeparatorAt(text, at, end, b)) reach[k + b.size()] = true;
  }
  return reach;
}

std::string CheckGap(const std::string& text, size_t begin, size_t end, const std::string& sql,
                     const std::string& plsql) {
  if (!Tiling(text, begin, end, sql, plsql).back()) {
    return "bytes " + std::to_string(begin) + ".." + std::to_string(end) + " between statements were dropped";
  }
  return "";
}

// After the last statement: separators and white space, then a stretch that is blank in
// the scan copy (white space and comments).
std::string CheckTail(const std::string& text, size_t begin, const std::string& sql,
                      const std::string& plsql) {
  const std::string scan = BuildScanCopy(text);
  size_t blankFrom = scan.size();
  while (blankFrom > begin && IsTrimmable(scan[blankFrom - 1])) --blankFrom;
  const std::vector<bool> reach = Tiling(text, begin, text.size(), sql, plsql);
  for (size_t q = blankFrom; q <= text.size(); ++q) {
    if (reach[q - begin]) return "";
  }
  return "text after byte " + std::to_string(begin) + " was dropped";
}

}  // namespace

std::string CheckOutcome(const std::string& text, const std::vector<SplitStatement>& found,
                         const std::string& sql, const std::string& plsql) {
  if (sql.empty() && plsql.empty()) {
    const bool whole = found.size() == 1 && found[0].text == text && found[0].offset == 0;
    return whole ? "" : "without separators the text must come back whole";
  }
  size_t previousEnd = 0;
  for (size_t k = 0; k < found.size(); ++k) {
    const SplitStatement& s = found[k];
    const std::string where = "statement " + std::to_string(k) + ": ";
    if (s.offset < previousEnd) return where + "overlaps or comes out of order";
    if (s.offset > text.size() || text.size() - s.offset < s.text.size()) return where + "runs past the text";
    if (text.compare(s.offset, s.text.size(), s.text) != 0) return where + "differs from the text at its offset";
    const bool isLast = k + 1 == found.size();
    if (!isLast && !s.text.empty() && (IsTrimmable(s.text.front()) || IsTrimmable(s.text.back()))) {
      return where + "was cut but not trimmed";
    }
    const std::string gap = CheckGap(text, previousEnd, s.offset, sql, plsql);
    if (!gap.empty()) return where + gap;
    previousEnd = s.offset + s.text.size();
  }
  return CheckTail(text, previousEnd, sql, plsql);
}

std::string CheckSplit(const std::string& text, const std::string& sqlSeparator,
                       const std::string& plsqlSeparator) {
  std::vector<SplitStatement> found;
  const int count = SplitStatements(text, sqlSeparator, plsqlSeparator, found);
  if (count != static_cast<int>(found.size())) return "count differs from the statements appended";
  return CheckOutcome(text, found, sqlSeparator, plsqlSeparator);
}
