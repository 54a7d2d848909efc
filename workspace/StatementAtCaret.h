// Which statement of a split text the editor's caret stands in, for Execute Statement.
#ifndef ZENQUILL_WORKSPACE_STATEMENTATCARET_H
#define ZENQUILL_WORKSPACE_STATEMENTATCARET_H

#include <cstddef>
#include <string>
#include <vector>

#include "ScriptSplitter.h"

// The index in `statements` (split from `text`, not empty) of the statement that holds
// `caret`: a statement reaches from its first character to just behind the separator that
// ended it (a PL/SQL separator on a line of its own included) and the blanks after that on
// its line, so a caret at the end of the statement's last line still runs it. A caret in
// the blank lines or comments between two statements takes the one that follows; behind
// the last statement, the last.
std::size_t StatementAtCaret(const std::string& text, const std::vector<SplitStatement>& statements, std::size_t caret,
                             const std::string& sqlSeparator, const std::string& plsqlSeparator);

#endif
