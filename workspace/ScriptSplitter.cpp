#include "ScriptSplitter.h"

#include <array>
#include <utility>

#include "ClientCommands.h"
#include "PlsqlUnit.h"
#include "ScriptLexer.h"

namespace {

bool IsTrimmedSpace(char c) { return c == '\r' || c == '\n' || c == ' '; }
bool IsLineFiller(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool SameIgnoringCase(const std::string& text, std::size_t at, const std::string& word) {
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (UpperAscii(text[at + k]) != UpperAscii(word[k])) return false;
  }
  return true;
}

// A separator that begins or ends with a word byte (GO) counts only as a whole word, so
// that it is never found inside a name (CATEGORY) within text[begin, end).
bool WholeWordAt(const std::string& text, std::size_t at, std::size_t begin, std::size_t end, const std::string& sep) {
  const std::size_t after = at + sep.size();
  return (!IsWordByte(sep.front()) || at == begin || !IsWordByte(text[at - 1])) &&
         (!IsWordByte(sep.back()) || after == end || !IsWordByte(text[after]));
}

bool SeparatorEndsAt(const std::string& text, std::size_t begin, std::size_t end, const std::string& sep) {
  return !sep.empty() && end - begin >= sep.size() && SameIgnoringCase(text, end - sep.size(), sep) &&
         WholeWordAt(text, end - sep.size(), begin, end, sep);
}

bool SeparatorStartsAt(const std::string& text, std::size_t begin, std::size_t end, const std::string& sep) {
  return !sep.empty() && end - begin >= sep.size() && SameIgnoringCase(text, begin, sep) &&
         WholeWordAt(text, begin, begin, end, sep);
}

std::size_t BlanksBefore(const std::string& text, std::size_t begin, std::size_t end) {
  while (end > begin && IsTrimmedSpace(text[end - 1])) --end;
  return end;
}

std::size_t BlanksAfter(const std::string& text, std::size_t begin, std::size_t end) {
  while (begin < end && IsTrimmedSpace(text[begin])) ++begin;
  return begin;
}

// End of text[begin, end) once trailing blanks, one separator and the blanks before it are
// gone. One only: a second "/" may be the end of a comment ("*/").
std::size_t TrimmedEnd(const std::string& text, std::size_t begin, std::size_t end, const std::string& sep) {
  end = BlanksBefore(text, begin, end);
  return SeparatorEndsAt(text, begin, end, sep) ? BlanksBefore(text, begin, end - sep.size()) : end;
}

// Start of text[begin, end) once leading blanks, one separator and the blanks after it are gone.
std::size_t TrimmedStart(const std::string& text, std::size_t begin, std::size_t end, const std::string& sep) {
  begin = BlanksAfter(text, begin, end);
  return SeparatorStartsAt(text, begin, end, sep) ? BlanksAfter(text, begin + sep.size(), end) : begin;
}

// Bytes at which a scan must stop and look: where a literal or comment may open, where
// a separator may begin (compared upper-cased, so a letter stops in both cases), and where
// a line that may end the entry ("." or RUN) begins.
using StopTable = std::array<bool, 256>;

StopTable Stops(bool masked, const std::string& firstSep, const std::string& secondSep) {
  StopTable stops{};
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    stops[b] = (masked && (MayOpenMasked(c) || c == '\n')) || (!firstSep.empty() && UpperAscii(c) == firstSep[0]) ||
               (!secondSep.empty() && UpperAscii(c) == secondSep[0]);
  }
  return stops;
}

// How a statement's body is read after its first words (see UnitKind).
enum class Reading { Statement, Unit, Java };

// One pass over the text, statement by statement. A statement starts where the previous one
// ended (just after its separator or command line); its first code byte, past blanks and
// comments, is its head, and the head decides what the statement is:
//   nothing at all         - the rest is blanks and comments: nothing more is sent;
//   a lone PL/SQL separator - it follows a statement already ended: dropped;
//   the SQL separator      - an empty statement: dropped;
//   a SQL*Plus command     - its line is skipped, or run as a block (EXECUTE);
//   a PL/SQL unit          - read up to the PL/SQL separator alone on its line;
//   anything else          - read up to the SQL separator or a lone PL/SQL separator.
// A "." or RUN line ends either reading (see EndEntry). A statement is sent from its start
// (leading comments included) to its separator, both ends trimmed; one that nothing ends
// is the remainder, trimmed the same way.
class Scanner {
 public:
  Scanner(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
          std::vector<SplitStatement>& statements, std::vector<SplitCommand>& commands)
      : text_(text),
        sql_(sqlSeparator),
        plsql_(plsqlSeparator),
        statements_(statements),
        commands_(commands),
        statementStops_(Stops(true, sqlSeparator, plsqlSeparator)),
        unitStops_(Stops(true, plsqlSeparator, "")),
        javaStops_(Stops(false, plsqlSeparator, "")) {}

  int Run() {
    for (std::size_t start = 0; start < text_.size();) start = Statement(start);
    return count_;
  }

 private:
  // Reads the statement that starts at `start`; returns where the next one starts.
  std::size_t Statement(std::size_t start) {
    const std::size_t head = SkipBlanksAndComments(text_, start);
    if (head == text_.size()) return head;
    if (PlsqlSeparatorAt(head)) return head + plsql_.size();
    if (SqlSeparatorAt(head)) return head + sql_.size();
    const ClientCommandLine command = ClientCommandAt(text_, head);
    if (command.kind != ClientCommandLine::None) return Command(head, command);
    std::size_t body = head;
    switch (plsql_.empty() ? UnitKind::None : UnitAt(text_, head, body)) {
      case UnitKind::Plsql: return Read(start, body, Reading::Unit);
      case UnitKind::Java: return Read(start, body, Reading::Java);
      case UnitKind::None: break;
    }
    return Read(start, head, Reading::Statement);
  }

  std::size_t Command(std::size_t head, const ClientCommandLine& command) {
    if (command.kind == ClientCommandLine::Execute) {
      statements_.push_back({ExecuteBlock(text_, command), command.textStart, kExecuteBlockLead, kExecuteBlockTrail});
      ++count_;
    } else {
      commands_.push_back({head, command.end, static_cast<std::size_t>(count_)});
    }
    return command.end;
  }

  // From `from` to the separator that ends the statement begun at `start`.
  std::size_t Read(std::size_t start, std::size_t from, Reading reading) {
    const StopTable& stops = reading == Reading::Statement ? statementStops_
                             : reading == Reading::Unit    ? unitStops_
                                                           : javaStops_;
    const char* const bytes = text_.data();
    const std::size_t size = text_.size();
    std::size_t at = from;
    while (at < size) {
      while (at < size && !stops[static_cast<unsigned char>(bytes[at])]) ++at;  // the hot loop
      if (at == size) break;
      const std::size_t masked = reading == Reading::Java ? at : MaskedEnd(text_, at);
      if (masked != at) {
        at = masked;
      } else if (reading == Reading::Statement && SqlSeparatorAt(at)) {
        return Cut(start, at + sql_.size(), sql_);
      } else if (PlsqlSeparatorAt(at)) {
        return Cut(start, at + plsql_.size(), plsql_);
      } else if (bytes[at] == '\n' && reading != Reading::Java) {
        const EntryEnd ending = EntryEndAt(text_, at + 1);
        if (ending.kind != EntryEnd::None) return EndEntry(start, at + 1, ending);
        ++at;
      } else {
        ++at;
      }
    }
    Cut(start, size, std::string());
    return size;
  }

  // The entry begun at `start` ends at the line `lineStart`: RUN sends it; "." sends it only
  // when a lone PL/SQL separator or RUN follows, and otherwise leaves it unsent.
  std::size_t EndEntry(std::size_t start, std::size_t lineStart, const EntryEnd& ending) {
    std::size_t runLine = lineStart;
    while (IsLineFiller(text_[runLine])) ++runLine;  // the command is listed from its word
    EntryEnd run = ending;
    if (ending.kind == EntryEnd::Dot) {
      runLine = ending.end;
      while (runLine < text_.size() && IsBlank(text_[runLine])) ++runLine;
      if (PlsqlSeparatorAt(runLine)) {
        Cut(start, lineStart, std::string());
        return runLine + plsql_.size();
      }
      run = EntryEndAt(text_, runLine);
      if (run.kind != EntryEnd::Run) {
        commands_.push_back({start, ending.end, static_cast<std::size_t>(count_)});
        return ending.end;
      }
    }
    Cut(start, lineStart, std::string());
    commands_.push_back({runLine, run.end, static_cast<std::size_t>(count_)});
    return run.end;
  }

  bool SqlSeparatorAt(std::size_t at) const {
    return Matches(at, sql_) && WholeWordAt(text_, at, 0, text_.size(), sql_);
  }

  // The PL/SQL separator with nothing but blanks (and a "--" comment after it) on its line.
  bool PlsqlSeparatorAt(std::size_t at) const {
    if (!Matches(at, plsql_)) return false;
    std::size_t before = at;
    while (before > 0 && IsLineFiller(text_[before - 1])) --before;
    if (before > 0 && text_[before - 1] != '\n') return false;
    std::size_t after = at + plsql_.size();
    while (after < text_.size() && IsLineFiller(text_[after])) ++after;
    return after == text_.size() || text_[after] == '\n' || text_.compare(after, 2, "--") == 0;
  }

  // Separators are compared with the upper-cased text as they are stored.
  bool Matches(std::size_t at, const std::string& sep) const {
    if (sep.empty() || text_.size() - at < sep.size()) return false;
    for (std::size_t k = 0; k < sep.size(); ++k) {
      if (UpperAscii(text_[at + k]) != sep[k]) return false;
    }
    return true;
  }

  // Only blanks (tabs too) are trimmed at the start: what stands before the head is blanks
  // and comments, and "/*" begins with the PL/SQL separator.
  std::size_t Cut(std::size_t start, std::size_t end, const std::string& separator) {
    std::size_t stop = TrimmedEnd(text_, start, end, separator);
    while (stop > start && IsBlank(text_[stop - 1])) --stop;
    std::size_t first = start;
    while (first < stop && IsBlank(text_[first])) ++first;
    if (first < stop) {
      statements_.push_back({text_.substr(first, stop - first), first});
      ++count_;
    }
    return end;
  }

  const std::string& text_;
  const std::string& sql_;
  const std::string& plsql_;
  std::vector<SplitStatement>& statements_;
  std::vector<SplitCommand>& commands_;
  const StopTable statementStops_;
  const StopTable unitStops_;
  const StopTable javaStops_;
  int count_ = 0;
};

}  // namespace

int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<SplitStatement>& statements, std::vector<SplitCommand>& commands) {
  if (sqlSeparator.empty() && plsqlSeparator.empty()) {
    statements.push_back({text, 0});
    return 1;
  }
  return Scanner(text, sqlSeparator, plsqlSeparator, statements, commands).Run();
}

int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<SplitStatement>& statements, int& skippedCommands) {
  std::vector<SplitCommand> commands;
  const int count = SplitStatements(text, sqlSeparator, plsqlSeparator, statements, commands);
  skippedCommands = static_cast<int>(commands.size());
  return count;
}

int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<SplitStatement>& statements) {
  int skippedCommands = 0;
  return SplitStatements(text, sqlSeparator, plsqlSeparator, statements, skippedCommands);
}

int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<std::string>& statements) {
  std::vector<SplitStatement> found;
  const int count = SplitStatements(text, sqlSeparator, plsqlSeparator, found);
  for (SplitStatement& statement : found) statements.push_back(std::move(statement.text));
  return count;
}

std::string ScriptBytes(const std::string& splitText, const SplitStatement& statement) {
  return splitText.substr(statement.offset, statement.ScriptLength());
}

void TrimStatementEnd(std::string& statement, const std::string& separator) {
  statement.erase(TrimmedEnd(statement, 0, statement.size(), separator));
}

void TrimStatementStart(std::string& statement, const std::string& separator) {
  statement.erase(0, TrimmedStart(statement, 0, statement.size(), separator));
}
