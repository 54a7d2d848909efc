#include "storage/DataFiles.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "sql/SqlLexer.h"
#include "storage/DemoDatabase.h"
#include "storage/Platform.h"

namespace ocilite {

std::string DataFolder() {
  const char* configured = std::getenv("OCILITE_DATA");
  return configured && *configured ? std::string(configured) : LibraryFolder();
}

bool IsPlainName(std::string_view name, bool isAlias) {
  if (name.empty() || name.size() > 64) return false;
  for (char c : name) {
    bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '#';
    if (!plain && !(isAlias && (c == '.' || c == '-'))) return false;
  }
  return name.front() != '.';
}

bool ResolveAlias(std::string_view alias, DatabaseLocation& location, OraError& error) {
  if (alias.empty()) {
    error = MakeOraError(12162);
    return false;
  }
  location.folder = DataFolder();
  location.alias = ToUpper(alias);
  std::error_code ignored;
  if (IsPlainName(location.alias, true) && std::filesystem::exists(location.MainFile(), ignored)) return true;
  if (location.alias == kDemoAlias) return CreateDemoDatabase(location, error);
  error = MakeOraError(12154);
  return false;
}

}  // namespace ocilite
