#include "SplitterProperties.h"

#include <vector>

#include "ClientCommands.h"
#include "ScriptLexer.h"

namespace {

bool IsTrimmable(char c) { return c == '\r' || c == '\n' || c == ' '; }

bool SeparatorAt(const std::string& text, size_t at, size_t end, const std::string& sep) {
  if (sep.empty() || end - at < sep.size()) return false;
  for (size_t k = 0; k < sep.size(); ++k) {
    if (UpperAscii(text[at + k]) != UpperAscii(sep[k])) return false;
  }
  return true;
}

// Whether text[begin, end) is made of what a script may hold besides its statements: blanks,
// separators, comments and SQL*Plus command lines (an EXECUTE line included: its block is
// checked on its own).
bool OnlyFiller(const std::string& text, size_t begin, size_t end, const std::string& a, const std::string& b) {
  std::vector<bool> reach(end - begin + 1, false);
  reach[0] = true;
  const auto mark = [&](size_t to) {
    if (to <= end) reach[to - begin] = true;
  };
  for (size_t at = begin; at < end; ++at) {
    if (!reach[at - begin]) continue;
    if (IsBlank(text[at])) mark(at + 1);
    if (SeparatorAt(text, at, end, a)) mark(at + a.size());
    if (SeparatorAt(text, at, end, b)) mark(at + b.size());
    if ((text[at] == '-' || text[at] == '/') && MaskedEnd(text, at) != at) mark(MaskedEnd(text, at));
    const ClientCommandLine command = ClientCommandAt(text, at);
    if (command.kind != ClientCommandLine::None) mark(command.end);
  }
  return reach.back();
}

// An EXECUTE command's block: "BEGIN " + the script's bytes + "; END;", where only the
// hyphens that continue its lines may have become blanks.
bool IsExecuteBlock(const std::string& text, const SplitStatement& s) {
  const std::string lead = "BEGIN ", trail = "; END;";
  if (s.lead != lead.size() || s.trail != trail.size() || s.text.size() < lead.size() + trail.size() ||
      s.text.compare(0, lead.size(), lead) != 0 ||
      s.text.compare(s.text.size() - trail.size(), trail.size(), trail) != 0) {
    return false;
  }
  for (size_t k = 0; k < s.ScriptLength(); ++k) {
    const char sent = s.text[lead.size() + k], typed = text[s.offset + k];
    if (sent != typed && !(typed == '-' && sent == ' ')) return false;
  }
  return true;
}

}  // namespace

std::string CheckOutcome(const std::string& text, const std::vector<SplitStatement>& found, const std::string& sql,
                         const std::string& plsql) {
  if (sql.empty() && plsql.empty()) {
    const bool whole = found.size() == 1 && found[0].text == text && found[0].offset == 0;
    return whole ? "" : "without separators the text must come back whole";
  }
  size_t previousEnd = 0, previousOffset = 0;
  for (size_t k = 0; k < found.size(); ++k) {
    const SplitStatement& s = found[k];
    const std::string where = "statement " + std::to_string(k) + ": ";
    if (s.offset < previousEnd || s.offset < previousOffset) return where + "overlaps or comes out of order";
    if (s.offset > text.size() || s.text.size() < s.lead + s.trail || text.size() - s.offset < s.ScriptLength()) {
      return where + "runs past the text";
    }
    previousOffset = s.offset;
    if (s.lead != 0 || s.trail != 0) {
      // The command line it came from stays in the gap, as a command.
      if (!IsExecuteBlock(text, s)) return where + "is no block around the EXECUTE command's text";
      continue;
    }
    if (text.compare(s.offset, s.text.size(), s.text) != 0) return where + "differs from the text at its offset";
    if (s.text.empty()) return where + "is empty";
    const bool isLast = k + 1 == found.size();
    if (!isLast && (IsTrimmable(s.text.front()) || IsTrimmable(s.text.back())))
      return where + "was cut but not trimmed";
    if (!OnlyFiller(text, previousEnd, s.offset, sql, plsql)) {
      return where + "bytes " + std::to_string(previousEnd) + ".." + std::to_string(s.offset) +
             " before it were dropped";
    }
    previousEnd = s.offset + s.text.size();
  }
  if (!OnlyFiller(text, previousEnd, text.size(), sql, plsql)) {
    return "text after byte " + std::to_string(previousEnd) + " was dropped";
  }
  return "";
}

std::string CheckSplit(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator) {
  std::vector<SplitStatement> found;
  const int count = SplitStatements(text, sqlSeparator, plsqlSeparator, found);
  if (count != static_cast<int>(found.size())) return "count differs from the statements appended";
  return CheckOutcome(text, found, sqlSeparator, plsqlSeparator);
}
