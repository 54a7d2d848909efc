// Cuts the text the user runs into the statements that are sent to the database one by one,
// as SQL*Plus would cut a script.
#ifndef ZENQUILL_WORKSPACE_SCRIPTSPLITTER_H
#define ZENQUILL_WORKSPACE_SCRIPTSPLITTER_H

#include <cstddef>
#include <string>
#include <vector>

// A statement as it is sent, and the byte position in the split text of the first script
// byte it holds, so that an error offset inside the statement can become a caret position.
// An EXECUTE command is sent as "BEGIN " + its text + "; END;": `lead` and `trail` count
// the bytes the script does not hold (0 for every other statement).
struct SplitStatement {
  std::string text;
  std::size_t offset;
  std::size_t lead = 0;
  std::size_t trail = 0;

  // How many of the split text's bytes, from `offset` on, the statement was taken from.
  std::size_t ScriptLength() const { return text.size() - lead - trail; }
};

// A SQL*Plus command line that was not sent (every one but EXECUTE): its bytes in the split
// text, and how many statements of the text come before it.
struct SplitCommand {
  std::size_t start;
  std::size_t end;
  std::size_t before;
};

// Appends the statements of `text` to `statements` and returns how many it appended.
// The SQL separator ends ordinary statements; the PL/SQL separator, alone on its line, ends
// blocks and program units, and any other statement that is still open, as RUN alone on its
// line does. A "." alone on its line ends the entry unsent, unless a lone PL/SQL separator
// or RUN follows. Statements are sent without blanks at their ends; nothing but blanks and
// comments, and empty statements, are never sent; SQL*Plus command lines at the start of a
// statement are skipped (`skippedCommands` counts them, `commands` lists them with the
// entries left unsent), except EXECUTE, which runs as a block. With both separators empty
// the whole text is one statement, unchanged.
int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<SplitStatement>& statements, int& skippedCommands);
int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<SplitStatement>& statements, std::vector<SplitCommand>& commands);
int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<SplitStatement>& statements);
int SplitStatements(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator,
                    std::vector<std::string>& statements);

// The split text's own bytes of a statement (an EXECUTE command's text, as typed).
std::string ScriptBytes(const std::string& splitText, const SplitStatement& statement);

// Remove CR, LF and blanks, then one copy of `separator` (in any letter case; a separator
// that begins or ends with a letter only as a whole word) and the blanks beside it, from the
// end, or from the start, of a statement that was cut at that separator.
void TrimStatementEnd(std::string& statement, const std::string& separator);
void TrimStatementStart(std::string& statement, const std::string& separator);

#endif
