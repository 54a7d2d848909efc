#include <cstdio>
#include <fstream>

#include "TnsFilePlacement.h"

namespace {

// Without a registry the Oracle home is empty, so the first path the discovery tries is
// this one, relative to the working directory: one file name holding backslashes.
const char kFallbackPath[] = "\\network\\admin\\tnsnames.ora";

}  // namespace

bool PlaceTnsNamesFile(const std::string& bytes) {
  std::ofstream file(kFallbackPath, std::ios::binary);
  file << bytes;
  return static_cast<bool>(file);
}

void RemoveTnsNamesFile() { std::remove(kFallbackPath); }
