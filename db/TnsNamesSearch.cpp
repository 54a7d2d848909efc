#include "TnsNamesSearch.h"

#include <algorithm>
#include <vector>

#include "ClientMachine.h"
#include "OracleHomes.h"
#include "WindowsPaths.h"

namespace {

const char kTnsFile[] = "tnsnames.ora";
const char kNetworkAdmin[] = "network\\admin";
const char kFirstOfAllHomesKey[] = "SOFTWARE\\ORACLE\\ALL_HOMES\\ID0";

class Search {
 public:
  Search(const ClientMachine& machine, const std::string& clientLibrary)
      : machine_(machine), clientFolder_(FolderOf(clientLibrary)), homeKeys_(OracleHomeKeys(machine)) {
    // The client library in use belongs to its home: that home's settings come first.
    std::stable_partition(homeKeys_.begin(), homeKeys_.end(), [this](const std::string& key) {
      std::string home;
      return !clientFolder_.empty() && machine_.RegistryText(key, "ORACLE_HOME", home) &&
             SameFolder(JoinPath(home, "bin"), clientFolder_);
    });
  }

  std::string Run() {
    const std::string demoHome = machine_.Environment(kDemoOracleHomeVariable);
    if (!demoHome.empty() && InHome(demoHome)) return found_;
    if (InFolder(machine_.Environment("TNS_ADMIN"))) return found_;
    if (InRegisteredFolder(kOracleRegistryKey)) return found_;
    for (const std::string& key : homeKeys_)
      if (InRegisteredFolder(key)) return found_;
    if (InOldStyleHomes()) return found_;
    for (const std::string& key : homeKeys_)
      if (InRegisteredHome(key, "ORACLE_HOME")) return found_;
    if (InRegisteredHome(kFirstOfAllHomesKey, "PATH")) return found_;
    if (!clientFolder_.empty() && InFolder(JoinPath(clientFolder_, kNetworkAdmin))) return found_;
    return "";
  }

 private:
  bool Found(const std::string& path) {
    if (!machine_.Exists(path)) return false;
    found_ = path;
    return true;
  }
  // A TNS_ADMIN folder holds the file itself.
  bool InFolder(const std::string& folder) { return !folder.empty() && Found(JoinPath(folder, kTnsFile)); }
  bool InRegisteredFolder(const std::string& key) {
    std::string folder;
    return machine_.RegistryText(key, "TNS_ADMIN", folder) && InFolder(folder);
  }
  // An empty home names the current drive's root, as the older lookup always did.
  bool InHome(const std::string& home) {
    return Found(home + "\\network\\admin\\tnsnames.ora") || Found(home + "\\net80\\admin\\tnsnames.ora");
  }
  bool InRegisteredHome(const std::string& key, const char* valueName) {
    std::string home;
    return machine_.RegistryText(key, valueName, home) && InHome(home);
  }
  // The older layout's own home: tried even when neither value is there.
  bool InOldStyleHomes() {
    std::string home;
    if (!machine_.RegistryText(kOracleRegistryKey, "ORACLE_HOME", home))
      machine_.RegistryText(kOracleRegistryKey, "ORA_CRS_HOME", home);
    return InHome(home);
  }

  const ClientMachine& machine_;
  const std::string clientFolder_;
  std::vector<std::string> homeKeys_;
  std::string found_;
};

}  // namespace

std::string FindTnsNamesFile(const ClientMachine& machine, const std::string& clientLibrary) {
  return Search(machine, clientLibrary).Run();
}
