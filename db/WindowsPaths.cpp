#include "WindowsPaths.h"

#include <cctype>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Lower case, backslashes, no trailing separator.
std::string FolderKey(const std::string& folder) {
  std::string key;
  for (char c : folder) key += IsSeparator(c) ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || IsSeparator(folder.back())) return folder + name;
  return folder + "\\" + name;
}

std::string FolderOf(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

bool IsAbsolutePath(const std::string& path) {
  if (!path.empty() && IsSeparator(path[0])) return true;
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         IsSeparator(path[2]);
}

bool SameFolder(const std::string& a, const std::string& b) { return FolderKey(a) == FolderKey(b); }
