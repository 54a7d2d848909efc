// Cuts the text the user runs into the statements that are sent to the database one by one.
#ifndef ZENQUILL_WORKSPACE_SCRIPTSPLITTER_H
#define ZENQUILL_WORKSPACE_SCRIPTSPLITTER_H

#include <cstddef>
#include <string>
#include <vector>

// A statement as it is sent, and the byte position of its first character in the text that
// was split, so that an error offset inside the statement can become a caret position.
struct SplitStatement {
  std::string text;
  size_t offset;
};

// Appends the statements of `text` to `statements` and returns how many it appended.
// The SQL separator ends ordinary statements; the PL/SQL separator, alone on its line, ends
// blocks and program units. With both separators empty the whole text is one statement.
int SplitStatements(const std::string& text, const std::string& sqlSeparator,
                    const std::string& plsqlSeparator, std::vector<SplitStatement>& statements);
int SplitStatements(const std::string& text, const std::string& sqlSeparator,
                    const std::string& plsqlSeparator, std::vector<std::string>& statements);

// Remove CR, LF, blanks and copies of `separator` (in any letter case) from the end, or from
// the start, of a statement that was cut at that separator, until none is left there.
void TrimStatementEnd(std::string& statement, const std::string& separator);
void TrimStatementStart(std::string& statement, const std::string& separator);

#endif
