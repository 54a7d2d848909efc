// SQL*Plus command lines in a script: they are for the client that runs the script, never
// for the server. A statement that starts with one of them is that line (and the lines that
// a hyphen at its end continues; a DOCUMENT block runs to the next line that starts with
// "#"); EXECUTE runs its text as a PL/SQL block, every other command is skipped.
#ifndef ZENQUILL_WORKSPACE_CLIENTCOMMANDS_H
#define ZENQUILL_WORKSPACE_CLIENTCOMMANDS_H

#include <cstddef>
#include <string>

struct ClientCommandLine {
  enum Kind { None, Skipped, Execute };
  Kind kind = None;
  std::size_t end = 0;  // just after its last line's line feed, or the end of the text
  // Execute: the script's bytes of the command's text, without the trailing ";".
  std::size_t textStart = 0;
  std::size_t textEnd = 0;
};

// The command line whose first word stands at `at`, or kind None when that word is no
// SQL*Plus command (SET TRANSACTION, SET ROLE and SET CONSTRAINTS are SQL).
ClientCommandLine ClientCommandAt(const std::string& text, std::size_t at);

// Whether `word` is `name` (upper case) or one of its abbreviations of at least `shortest`
// letters, in any letter case.
bool AbbreviatesWord(const std::string& word, const char* name, std::size_t shortest);

// What ends a statement's entry at the start of a line: a "." alone on it (the entry ends
// without being sent) or RUN alone on it (the entry is sent). `end` is just after the line.
struct EntryEnd {
  enum Kind { None, Dot, Run };
  Kind kind = None;
  std::size_t end = 0;
};
EntryEnd EntryEndAt(const std::string& text, std::size_t lineStart);

// The block an EXECUTE command runs: "BEGIN text; END;", the hyphens that continue its lines
// turned into blanks so that every byte keeps its place after the "BEGIN ".
std::string ExecuteBlock(const std::string& text, const ClientCommandLine& command);
constexpr std::size_t kExecuteBlockLead = 6;   // "BEGIN "
constexpr std::size_t kExecuteBlockTrail = 6;  // "; END;"

#endif
