// Saving a file so that a failed write never leaves a half file: everything goes into a
// temporary file beside the target first, which then takes the target's place in one step.
#ifndef ZENQUILL_WORKSPACE_SAFESAVE_H
#define ZENQUILL_WORKSPACE_SAFESAVE_H

#include <functional>
#include <string>

// The temporary file a save of `path` writes first.
std::string SavingPathFor(const std::string& path);

// Calls `write` with the temporary file's path, then puts that file in path's place. False
// when `write` fails or the replacing does, with the temporary file removed and `path` as it was.
bool SaveThroughTemporaryFile(const std::string& path, const std::function<bool(const std::string&)>& write);

#endif
