#include "StatementAtCaret.h"

#include <algorithm>

namespace {

std::size_t SeparatorAt(const std::string& text, std::size_t at, const std::string& separator) {
  return !separator.empty() && text.compare(at, separator.size(), separator) == 0 ? separator.size() : 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The splitter's cut of a statement runs up to the end of the separator that ended it,
// also one alone on a later line: the statement reaches that far, and over the blanks after
// it on its line, but never into the next statement.
std::size_t ReachOf(const std::string& text, const SplitStatement& statement, std::size_t limit,
                    const std::string& sqlSeparator, const std::string& plsqlSeparator) {
  std::size_t reach = statement.offset + statement.text.size();
  for (std::size_t at = reach; at < limit;) {
    if (IsBlank(text[at]) || text[at] == '\r' || text[at] == '\n') {
      ++at;
      continue;
    }
    const std::size_t separator = std::max(SeparatorAt(text, at, sqlSeparator), SeparatorAt(text, at, plsqlSeparator));
    if (separator == 0) break;
    reach = at += separator;
  }
  while (reach < limit && IsBlank(text[reach])) ++reach;
  return reach < limit ? reach : limit;
}

}  // namespace

std::size_t StatementAtCaret(const std::string& text, const std::vector<SplitStatement>& statements, std::size_t caret,
                             const std::string& sqlSeparator, const std::string& plsqlSeparator) {
  const std::size_t last = statements.size() - 1;
  for (std::size_t k = 0; k < last; ++k) {
    const std::size_t next = statements[k + 1].offset;
    // A caret on the next statement's first character runs that one.
    if (caret < next && caret <= ReachOf(text, statements[k], next, sqlSeparator, plsqlSeparator)) return k;
  }
  return last;
}
