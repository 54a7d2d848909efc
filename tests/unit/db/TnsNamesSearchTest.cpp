// Which tnsnames.ora the discovery reads, over a made-up environment, registry and folders.
#include <gtest/gtest.h>

#include "FakeClientMachine.h"
#include "TnsNamesSearch.h"

namespace {

using Registry = std::map<std::string, std::map<std::string, std::string>>;

const char kOracle[] = "SOFTWARE\\ORACLE";
const char kHome19[] = "SOFTWARE\\ORACLE\\KEY_OraClient19Home1";
const char kHome21[] = "SOFTWARE\\ORACLE\\KEY_OraClient21Home1";
const char kId0[] = "SOFTWARE\\ORACLE\\ALL_HOMES\\ID0";

std::string Net(const std::string& home) { return home + "\\network\\admin\\tnsnames.ora"; }
std::string Net80(const std::string& home) { return home + "\\net80\\admin\\tnsnames.ora"; }
std::string Direct(const std::string& folder) { return folder + "\\tnsnames.ora"; }

struct Machine {
  std::map<std::string, std::string> environment;
  Registry registry;
  std::vector<std::string> files;
  std::string clientLibrary = "";
};

TEST(TnsNamesSearch, FirstFileFoundInTheClientsOrder) {
  const Registry oldHome = {{kOracle, {{"ORACLE_HOME", "C:\\ora"}}}};
  const Registry twoHomes = {{kHome19, {{"ORACLE_HOME", "C:\\o19"}}}, {kHome21, {{"ORACLE_HOME", "C:\\o21"}}}};
  const struct {
    const char* name;
    Machine machine;
    std::string chosen;
  } cases[] = {
      {"nothing anywhere", {}, ""},
      {"demo home first",
       {{{"ZENQUILL_ORACLE_HOME", "C:\\demo"}, {"TNS_ADMIN", "C:\\tns"}}, {}, {Net("C:\\demo"), Direct("C:\\tns")}},
       Net("C:\\demo")},
      {"TNS_ADMIN variable holds the file itself",
       {{{"TNS_ADMIN", "C:\\tns\\"}}, {}, {Direct("C:\\tns")}},
       Direct("C:\\tns")},
      {"TNS_ADMIN variable before the registry",
       {{{"TNS_ADMIN", "C:\\tns"}}, oldHome, {Direct("C:\\tns"), Net("C:\\ora")}},
       Direct("C:\\tns")},
      {"TNS_ADMIN naming no file passed over",
       {{{"TNS_ADMIN", "C:\\none"}}, oldHome, {Net("C:\\ora")}},
       Net("C:\\ora")},
      {"registry TNS_ADMIN of SOFTWARE\\ORACLE before a home's",
       {{},
        {{kOracle, {{"TNS_ADMIN", "C:\\a"}}}, {kHome19, {{"TNS_ADMIN", "C:\\b"}}}},
        {Direct("C:\\a"), Direct("C:\\b")}},
       Direct("C:\\a")},
      {"a home's TNS_ADMIN before the old-style home",
       {{},
        {{kOracle, {{"ORACLE_HOME", "C:\\ora"}}}, {kHome19, {{"TNS_ADMIN", "C:\\b"}}}},
        {Direct("C:\\b"), Net("C:\\ora")}},
       Direct("C:\\b")},
      {"old-style home before the KEY_ homes",
       {{},
        {{kOracle, {{"ORACLE_HOME", "C:\\ora"}}}, {kHome19, {{"ORACLE_HOME", "C:\\o19"}}}},
        {Net("C:\\ora"), Net("C:\\o19")}},
       Net("C:\\ora")},
      {"ORA_CRS_HOME without ORACLE_HOME",
       {{}, {{kOracle, {{"ORA_CRS_HOME", "C:\\crs"}}}}, {Net("C:\\crs")}},
       Net("C:\\crs")},
      {"net80 when network has none", {{}, oldHome, {Net80("C:\\ora")}}, Net80("C:\\ora")},
      {"KEY_ homes in the registry's order", {{}, twoHomes, {Net("C:\\o19"), Net("C:\\o21")}}, Net("C:\\o19")},
      {"the home of the oci.dll in use first",
       {{}, twoHomes, {Net("C:\\o19"), Net("C:\\o21")}, "c:/O21/Bin/oci.dll"},
       Net("C:\\o21")},
      {"KEY_ homes before ALL_HOMES",
       {{}, {{kHome19, {{"ORACLE_HOME", "C:\\o19"}}}, {kId0, {{"PATH", "C:\\id0"}}}}, {Net("C:\\o19"), Net("C:\\id0")}},
       Net("C:\\o19")},
      {"keys not named KEY_ are no homes",
       {{}, {{"SOFTWARE\\ORACLE\\OTHER", {{"ORACLE_HOME", "C:\\x"}}}}, {Net("C:\\x")}},
       ""},
      {"ALL_HOMES net80", {{}, {{kId0, {{"PATH", "C:\\id0"}}}}, {Net80("C:\\id0")}}, Net80("C:\\id0")},
      {"beside oci.dll last", {{}, {{kId0, {{"PATH", "C:\\id0"}}}}, {Net("C:\\ic")}, "C:\\ic\\oci.dll"}, Net("C:\\ic")},
      {"the drive's root when no home is named", {{}, {}, {Net(""), Net("C:\\ic")}, "C:\\ic\\oci.dll"}, Net("")},
  };
  for (const auto& c : cases) {
    FakeClientMachine machine;
    machine.environment = c.machine.environment;
    machine.registry = c.machine.registry;
    for (const std::string& file : c.machine.files) machine.files[file] = "";
    EXPECT_EQ(c.chosen, FindTnsNamesFile(machine, c.machine.clientLibrary)) << c.name;
  }
}

}  // namespace
