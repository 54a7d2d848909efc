#include "SplitterProperties.h"

#include <vector>

#include "ClientCommands.h"
#include "ScriptLexer.h"

namespace {

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
bool OnlyFiller(const std::string& text, size_t begin, size_t end, const std::string& a, const std::string& b,
                const std::vector<SplitCommand>& unsent) {
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
    for (const SplitCommand& entry : unsent) {
      if (entry.start == at) mark(entry.end);
    }
  }
  return reach.back();
}

// Whether a reported range that is no command line is an entry ended by a lone "." line.
bool IsUnsentEntry(const std::string& text, const SplitCommand& entry) {
  if (entry.end <= entry.start || entry.end > text.size()) return false;
  const size_t last = text[entry.end - 1] == '\n' ? entry.end - 1 : entry.end;
  const size_t lineFeed = last == entry.start ? std::string::npos : text.rfind('\n', last - 1);
  const size_t lineStart = lineFeed == std::string::npos || lineFeed < entry.start ? entry.start : lineFeed + 1;
  const EntryEnd ending = EntryEndAt(text, lineStart);
  return lineStart > entry.start && ending.kind == EntryEnd::Dot && ending.end == entry.end;
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
                         const std::string& plsql, const std::vector<SplitCommand>& commands) {
  if (sql.empty() && plsql.empty()) {
    const bool whole = found.size() == 1 && found[0].text == text && found[0].offset == 0;
    return whole ? "" : "without separators the text must come back whole";
  }
  std::vector<SplitCommand> unsent;
  for (const SplitCommand& c : commands) {
    if (c.start < text.size() && ClientCommandAt(text, c.start).kind != ClientCommandLine::None) continue;
    if (!IsUnsentEntry(text, c)) return "a reported range is neither a command line nor an entry ended by \".\"";
    unsent.push_back(c);
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
    if (IsBlank(s.text.front()) || IsBlank(s.text.back())) return where + "was not trimmed";
    if (!OnlyFiller(text, previousEnd, s.offset, sql, plsql, unsent)) {
      return where + "bytes " + std::to_string(previousEnd) + ".." + std::to_string(s.offset) +
             " before it were dropped";
    }
    previousEnd = s.offset + s.text.size();
  }
  if (!OnlyFiller(text, previousEnd, text.size(), sql, plsql, unsent)) {
    return "text after byte " + std::to_string(previousEnd) + " was dropped";
  }
  return "";
}

std::string CheckSplit(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator) {
  std::vector<SplitStatement> found;
  std::vector<SplitCommand> commands;
  const int count = SplitStatements(text, sqlSeparator, plsqlSeparator, found, commands);
  if (count != static_cast<int>(found.size())) return "count differs from the statements appended";
  return CheckOutcome(text, found, sqlSeparator, plsqlSeparator, commands);
}
