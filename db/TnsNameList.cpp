#include "TnsNameList.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "RegistryLookup.h"
#include "TnsNames.h"

namespace {

const char kOracleKey[] = "SOFTWARE\\ORACLE";
const char kFirstHomeKey[] = "SOFTWARE\\ORACLE\\ALL_HOMES\\ID0";
const char kNetworkFile[] = "\\network\\admin\\tnsnames.ora";
const char kNet80File[] = "\\net80\\admin\\tnsnames.ora";

bool Exists(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// The Oracle home a program started for the demo names in its environment, so that the
// demo needs no registry entry and never changes a real client's; empty otherwise.
std::string DemoOracleHome() {
  const char* home = std::getenv(kDemoOracleHomeVariable);
  return home ? home : "";
}

// With no Oracle home found the paths start with a backslash: the current drive's root.
std::string FindTnsNamesFile() {
  std::string home = DemoOracleHome();
  if (home.empty() && !LookupLocalMachineText(kOracleKey, "ORACLE_HOME", home))
    LookupLocalMachineText(kOracleKey, "ORA_CRS_HOME", home);
  for (const char* file : {kNetworkFile, kNet80File})
    if (Exists(home + file)) return home + file;
  LookupLocalMachineText(kFirstHomeKey, "PATH", home);
  if (Exists(home + kNetworkFile)) return home + kNetworkFile;
  return home + kNet80File;
}

}  // namespace

TnsNameList::TnsNameList() {
  std::ifstream file(FindTnsNamesFile(), std::ios::binary);
  if (!file) return;
  std::ostringstream text;
  text << file.rdbuf();
  names_ = ReadTnsAliases(text.str());
}
