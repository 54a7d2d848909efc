// Putting a freshly written file in the place of another one, in one step.
#ifndef ZENQUILL_WORKSPACE_FILEREPLACE_H
#define ZENQUILL_WORKSPACE_FILEREPLACE_H

#include <string>

// Renames `from` to `to`, replacing a file `to` the user may write. False when `to` is
// read-only, is a folder, or the rename fails; `from` then stays where it was.
bool ReplaceFileWith(const std::string& from, const std::string& to);

#endif
