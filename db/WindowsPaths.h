// Windows file paths as text, so the rules that build them run anywhere.
#ifndef ZENQUILL_DB_WINDOWSPATHS_H
#define ZENQUILL_DB_WINDOWSPATHS_H

#include <string>

// `name` inside `folder`, with one backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder part of a file's path, without its last separator; empty for a bare name.
std::string FolderOf(const std::string& path);

// True for "C:\...", "\..." and "\\server\...": paths that do not depend on a folder.
bool IsAbsolutePath(const std::string& path);

// The same folder whatever the case of its letters and its separators.
bool SameFolder(const std::string& a, const std::string& b);

#endif
