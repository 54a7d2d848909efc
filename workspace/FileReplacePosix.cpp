#include <sys/stat.h>

#include <cstdio>

#include "FileReplace.h"

// rename(2) would replace a read-only file too; Windows refuses, and so do we. The mode
// bits stand for Windows' read-only attribute, whoever runs the program.
bool ReplaceFileWith(const std::string& from, const std::string& to) {
  struct stat target;
  if (stat(to.c_str(), &target) == 0 && (target.st_mode & S_IWUSR) == 0) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}
