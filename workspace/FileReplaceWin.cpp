#include <windows.h>

#include "FileReplace.h"

// MoveFileEx refuses a read-only target by itself.
bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
