#include <windows.h>

#include "FileReplace.h"

// Windows itself refuses to replace a read-only file; Wine run as root does not, so the
// attribute is asked first.
bool ReplaceFileWith(const std::string& from, const std::string& to) {
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
