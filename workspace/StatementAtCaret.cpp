#include "StatementAtCaret.h"

namespace {

bool SeparatorAt(const std::string& text, std::size_t at, const std::string& separator) {
  return !separator.empty() && text.compare(at, separator.size(), separator) == 0;
}

// Just behind the statement's separator and the blanks after it, never into the next one.
std::size_t ReachOf(const std::string& text, const SplitStatement& statement, std::size_t limit,
                    const std::string& sqlSeparator, const std::string& plsqlSeparator) {
  std::size_t at = statement.offset + statement.text.size();
  while (at < limit) {
    if (text[at] == ' ' || text[at] == '\t') {
      ++at;
    } else if (SeparatorAt(text, at, sqlSeparator)) {
      at += sqlSeparator.size();
    } else if (SeparatorAt(text, at, plsqlSeparator)) {
      at += plsqlSeparator.size();
    } else {
      break;
    }
  }
  return at < limit ? at : limit;
}

}  // namespace

std::size_t StatementAtCaret(const std::string& text, const std::vector<SplitStatement>& statements,
                             std::size_t caret, const std::string& sqlSeparator, const std::string& plsqlSeparator) {
  const std::size_t last = statements.size() - 1;
  for (std::size_t k = 0; k < last; ++k) {
    if (caret <= ReachOf(text, statements[k], statements[k + 1].offset, sqlSeparator, plsqlSeparator)) return k;
  }
  return last;
}
