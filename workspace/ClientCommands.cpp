#include "ClientCommands.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "ScriptLexer.h"

namespace {

// A command word: its full name and the shortest abbreviation SQL*Plus accepts.
struct CommandWord {
  template <std::size_t N>
  constexpr CommandWord(const char (&full)[N], std::size_t fewest) : name(full), length(N - 1), shortest(fewest) {}
  const char* name;
  std::size_t length;
  std::size_t shortest;
};

// In alphabetical order. The buffer editing commands, which SQL*Plus takes as one letter, are
// apart (kBufferCommands).
const CommandWord kSkipped[] = {
    {"ACCEPT", 3},   {"ARCHIVE", 7},    {"ATTRIBUTE", 4}, {"BREAK", 3},     {"BTITLE", 3},    {"CLEAR", 2},
    {"COLUMN", 3},   {"COMPUTE", 4},    {"CONNECT", 4},   {"COPY", 4},      {"DEFINE", 3},    {"DEL", 3},
    {"DESCRIBE", 4}, {"DISCONNECT", 4}, {"EDIT", 2},      {"EXIT", 4},      {"GET", 3},       {"HELP", 4},
    {"HISTORY", 4},  {"HOST", 2},       {"PASSWORD", 5},  {"PAUSE", 3},     {"PRINT", 3},     {"PROMPT", 3},
    {"QUIT", 4},     {"RECOVER", 7},    {"REMARK", 3},    {"REPFOOTER", 4}, {"REPHEADER", 4}, {"SAVE", 3},
    {"SET", 3},      {"SHOW", 3},       {"SHUTDOWN", 8},  {"SPOOL", 3},     {"START", 3},     {"STARTUP", 7},
    {"STORE", 5},    {"TIMING", 4},     {"TTITLE", 3},    {"UNDEFINE", 5},  {"VARIABLE", 3},  {"WHENEVER", 8},
    {"XQUERY", 6},
};
// They count only before a blank or the end of the line, so that a statement may still begin
// with one of their letters; CHANGE also takes its delimiter straight after it (C/old/new/).
// DOCUMENT goes with them: its block is no statement either.
const CommandWord kBufferCommands[] = {{"APPEND", 1}, {"DOCUMENT", 3}, {"INPUT", 1}, {"LIST", 1}, {"RUN", 1}};
const CommandWord kChange = {"CHANGE", 1};
const CommandWord kDocument = {"DOCUMENT", 3};
const CommandWord kRun = {"RUN", 1};
const CommandWord kExecute = {"EXECUTE", 4};
const CommandWord kRemark = {"REMARK", 3};
const CommandWord kSet = {"SET", 3};

bool Abbreviates(const char* bytes, std::size_t length, const char* name, std::size_t nameLength,
                 std::size_t shortest) {
  if (length == 0 || UpperAscii(bytes[0]) != name[0]) return false;  // most words differ here
  if (length < shortest || length > nameLength) return false;
  for (std::size_t k = 0; k < length; ++k) {
    if (UpperAscii(bytes[k]) != name[k]) return false;
  }
  return true;
}

bool Abbreviates(const std::string& text, std::size_t at, std::size_t end, const CommandWord& word) {
  return Abbreviates(text.data() + at, end - at, word.name, word.length, word.shortest);
}

bool IsLineFiller(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Whether the line that ends at the line feed `lineFeed` ends in a continuation hyphen.
bool Continued(const std::string& text, std::size_t lineStart, std::size_t lineFeed) {
  std::size_t last = lineFeed;
  while (last > lineStart && IsLineFiller(text[last - 1])) --last;
  return last > lineStart && text[last - 1] == '-';
}

// The line feed (or the end of the text) of the last line of the command at `at`.
std::size_t CommandEnd(const std::string& text, std::size_t at, bool continues) {
  for (std::size_t lineStart = at;;) {
    const std::size_t lineFeed = text.find('\n', lineStart);
    if (lineFeed == std::string::npos) return text.size();
    if (!continues || !Continued(text, lineStart, lineFeed)) return lineFeed;
    lineStart = lineFeed + 1;
  }
}

bool EndsBufferCommand(const std::string& text, std::size_t wordEnd, bool change) {
  if (wordEnd == text.size() || IsLineFiller(text[wordEnd]) || text[wordEnd] == '\n') return true;
  return change && !IsWordByte(text[wordEnd]) && text[wordEnd] != ';';
}

bool IsBufferCommand(const std::string& text, std::size_t at, std::size_t wordEnd) {
  if (Abbreviates(text, at, wordEnd, kChange)) return EndsBufferCommand(text, wordEnd, true);
  for (const CommandWord& word : kBufferCommands) {
    if (Abbreviates(text, at, wordEnd, word)) return EndsBufferCommand(text, wordEnd, false);
  }
  return false;
}

// Just after the current line when it holds nothing but fillers from `from` on; npos otherwise.
std::size_t LoneLineEnd(const std::string& text, std::size_t from) {
  while (from < text.size() && IsLineFiller(text[from])) ++from;
  if (from == text.size()) return from;
  return text[from] == '\n' ? from + 1 : std::string::npos;
}

// Just after the first line from `at` on that starts with "#", or the end of the text.
std::size_t DocumentEnd(const std::string& text, std::size_t at) {
  const std::size_t hash = text.find("\n#", at);
  if (hash == std::string::npos) return text.size();
  const std::size_t lineFeed = text.find('\n', hash + 1);
  return lineFeed == std::string::npos ? text.size() : lineFeed + 1;
}

bool IsSqlSet(const std::string& text, std::size_t afterSet) {
  const std::size_t next = SkipBlanksAndComments(text, afterSet);
  return WordAt(text, next, "TRANSACTION") || WordAt(text, next, "ROLE") || WordAt(text, next, "CONSTRAINT") ||
         WordAt(text, next, "CONSTRAINTS");
}

ClientCommandLine::Kind KindOf(const std::string& text, std::size_t at, std::size_t wordEnd) {
  // Scripts started, host commands, and a "." that ends no entry.
  if (text[at] == '@' || text[at] == '!' || text[at] == '$') return ClientCommandLine::Skipped;
  if (text[at] == '.') {
    return LoneLineEnd(text, at + 1) != std::string::npos ? ClientCommandLine::Skipped : ClientCommandLine::None;
  }
  if (IsBufferCommand(text, at, wordEnd)) return ClientCommandLine::Skipped;
  if (Abbreviates(text, at, wordEnd, kExecute)) return ClientCommandLine::Execute;
  if (Abbreviates(text, at, wordEnd, kSet))
    return IsSqlSet(text, wordEnd) ? ClientCommandLine::None : ClientCommandLine::Skipped;
  // Every statement's first word comes here: only the commands of its first letter are tried.
  const char first = UpperAscii(text[at]);
  const CommandWord* word = std::lower_bound(std::begin(kSkipped), std::end(kSkipped), first,
                                             [](const CommandWord& w, char letter) { return w.name[0] < letter; });
  for (; word != std::end(kSkipped) && word->name[0] == first; ++word) {
    if (Abbreviates(text, at, wordEnd, *word)) return ClientCommandLine::Skipped;
  }
  return ClientCommandLine::None;
}

}  // namespace

ClientCommandLine ClientCommandAt(const std::string& text, std::size_t at) {
  ClientCommandLine line;
  if (at >= text.size()) return line;
  const std::size_t wordEnd = WordEnd(text, at);
  line.kind = KindOf(text, at, wordEnd);
  if (line.kind == ClientCommandLine::None) return line;
  if (Abbreviates(text, at, wordEnd, kDocument)) {
    line.end = DocumentEnd(text, at);
    return line;
  }
  // A remark is a comment: a hyphen at its end is text, or a line of dashes would swallow
  // the statement below it.
  const bool remark = text[at] != '@' && Abbreviates(text, at, wordEnd, kRemark);
  const std::size_t lastLineFeed = CommandEnd(text, at, !remark);
  line.end = lastLineFeed < text.size() ? lastLineFeed + 1 : text.size();
  if (line.kind == ClientCommandLine::Execute) {
    std::size_t start = wordEnd;
    while (start < lastLineFeed && (text[start] == ' ' || text[start] == '\t')) ++start;
    std::size_t end = lastLineFeed;
    while (end > start && (IsLineFiller(text[end - 1]) || text[end - 1] == ';')) --end;
    if (start == end) line.kind = ClientCommandLine::Skipped;  // EXEC alone runs nothing
    line.textStart = start;
    line.textEnd = end;
  }
  return line;
}

bool AbbreviatesWord(const std::string& word, const char* name, std::size_t shortest) {
  return Abbreviates(word.data(), word.size(), name, std::strlen(name), shortest);
}

EntryEnd EntryEndAt(const std::string& text, std::size_t lineStart) {
  EntryEnd ending;
  std::size_t at = lineStart;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  if (at == text.size()) return ending;
  std::size_t after = at + 1;
  if (text[at] != '.') {
    after = WordEnd(text, at);
    if (!Abbreviates(text, at, after, kRun)) return ending;
  }
  const std::size_t end = LoneLineEnd(text, after);
  if (end == std::string::npos) return ending;
  ending.kind = text[at] == '.' ? EntryEnd::Dot : EntryEnd::Run;
  ending.end = end;
  return ending;
}

std::string ExecuteBlock(const std::string& text, const ClientCommandLine& command) {
  std::string block = "BEGIN " + text.substr(command.textStart, command.textEnd - command.textStart) + "; END;";
  for (std::size_t lineFeed = text.find('\n', command.textStart); lineFeed < command.textEnd;
       lineFeed = text.find('\n', lineFeed + 1)) {
    std::size_t hyphen = lineFeed;
    while (hyphen > command.textStart && IsLineFiller(text[hyphen - 1])) --hyphen;
    if (hyphen > command.textStart && text[hyphen - 1] == '-') {
      block[kExecuteBlockLead + hyphen - 1 - command.textStart] = ' ';
    }
  }
  return block;
}
