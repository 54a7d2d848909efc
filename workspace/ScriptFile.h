// SQL script files: the editor's bytes exactly, no byte order mark, no terminating zero.
#ifndef ZENQUILL_WORKSPACE_SCRIPTFILE_H
#define ZENQUILL_WORKSPACE_SCRIPTFILE_H

#include <string>

// The file's bytes up to its first zero byte. False, with text untouched, when the file
// cannot be opened or read.
bool ReadScriptFile(const std::string& path, std::string& text);

// Writes the bytes to a temporary file beside `path`, then puts that file in path's place,
// so a write that fails half-way never destroys what the file held. False on any failure,
// with the temporary file removed and `path` as it was.
bool WriteScriptFile(const std::string& path, const std::string& text);

// The temporary file WriteScriptFile writes first.
std::string ScriptSavingPath(const std::string& path);

#endif
