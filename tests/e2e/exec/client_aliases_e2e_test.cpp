// The Connect dialog lists the aliases wherever today's Oracle clients keep them: a home
// registered under KEY_*, a TNS_ADMIN folder alone, network\admin beside oci.dll. The cases
// share this test's Wine prefix: each puts only its own place there and takes it away again.
#include <filesystem>

#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

namespace fs = std::filesystem;

const char kOracleKey[] = "SOFTWARE\\ORACLE";
const char kHomeKey[] = "SOFTWARE\\ORACLE\\KEY_OraClient19Home1";
const char kDemoEntry[] = "DEMO =\r\n  (DESCRIPTION = (ADDRESS = (PROTOCOL = TCP)(HOST = localhost)(PORT = 1521)))\r\n";

void WriteTnsFile(const fs::path& folder, const std::string& text) {
  fs::create_directories(folder);
  WriteFileBytes((folder / "tnsnames.ora").string(), text);
}

enum class Place { KeyHome, TnsAdminOnly, BesideOciDll };

struct AliasCase {
  const char* name;
  Place place;
};

class ClientAliases : public ::testing::TestWithParam<AliasCase> {
 protected:
  void SetUp() override {
    if (OracleClientRegistered()) GTEST_SKIP() << "an Oracle client is registered here";
    SetEnvironmentVariableA("TNS_ADMIN", nullptr);
  }
  void TearDown() override {
    if (IsSkipped()) return;  // the registered client's keys are not ours to remove
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kHomeKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kOracleKey);
    std::error_code ignored;
    fs::remove_all(fs::path(bench_.WorkFolder()) / "network", ignored);
  }
  // Puts the demo's entry where this case's client keeps it.
  void PutDemoEntry(Place place, const fs::path& scratch) {
    switch (place) {
      case Place::KeyHome: {
        WriteTnsFile(scratch / "home" / "network" / "admin", kDemoEntry);
        const std::string home = (scratch / "home").string();
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHomeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegSetValueExA(key, "ORACLE_HOME", 0, REG_SZ, reinterpret_cast<const BYTE*>(home.c_str()),
                       static_cast<DWORD>(home.size() + 1));
        RegCloseKey(key);
        break;
      }
      case Place::TnsAdminOnly:  // the site's file, included as such clients are often set up
        WriteTnsFile(scratch / "tns", "IFILE = site\\tnsnames.ora\r\n");
        WriteTnsFile(scratch / "tns" / "site", kDemoEntry);
        bench_.environment.push_back("TNS_ADMIN=" + (scratch / "tns").string());
        break;
      case Place::BesideOciDll: WriteTnsFile(fs::path(bench_.WorkFolder()) / "network" / "admin", kDemoEntry); break;
    }
  }

  Workbench bench_;
};

TEST_P(ClientAliases, ConnectDialogListsDemo) {
  const std::string name = std::string("aliases-") + GetParam().name;
  const fs::path scratch = fs::path(bench_.WorkFolder()) / (name + "-client");
  fs::remove_all(scratch);
  PutDemoEntry(GetParam().place, scratch);
  ASSERT_TRUE(bench_.Start(name));
  HWND dialog = bench_.WaitForDialog("Connect");
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(std::vector<std::string>{"DEMO"}, e2e::ComboItems(GetDlgItem(dialog, IDC_CONNECT_DATABASE)));
  Workbench::Answer(dialog, IDCANCEL);
  EXPECT_TRUE(bench_.Close());
  fs::remove_all(scratch);
}

const AliasCase kCases[] = {
    {"KeyHome", Place::KeyHome},
    {"TnsAdminOnly", Place::TnsAdminOnly},
    {"BesideOciDll", Place::BesideOciDll},
};

INSTANTIATE_TEST_SUITE_P(Clients, ClientAliases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AliasCase>& info) { return info.param.name; });

}  // namespace
}  // namespace exece2e
