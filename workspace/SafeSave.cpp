#include "SafeSave.h"

#include <cstdio>

#include "FileReplace.h"

std::string SavingPathFor(const std::string& path) { return path + ".zq-saving"; }

bool SaveThroughTemporaryFile(const std::string& path, const std::function<bool(const std::string&)>& write) {
  const std::string saving = SavingPathFor(path);
  const bool saved = write(saving) && ReplaceFileWith(saving, path);
  if (!saved) std::remove(saving.c_str());
  return saved;
}
