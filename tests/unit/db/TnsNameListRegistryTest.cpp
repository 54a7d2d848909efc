// Finding tnsnames.ora through the Oracle registry keys, in this test's own Wine prefix:
// the keys are written here under HKEY_LOCAL_MACHINE and removed afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TnsNameList.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const char kOracleKey[] = "SOFTWARE\\ORACLE";
const char kAllHomesKey[] = "SOFTWARE\\ORACLE\\ALL_HOMES";
const char kFirstHomeKey[] = "SOFTWARE\\ORACLE\\ALL_HOMES\\ID0";

bool KeyExists(const char* subkey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void SetValue(const char* subkey, const char* name, const std::string& value, DWORD type = REG_SZ,
              bool terminated = true) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
  DWORD size = static_cast<DWORD>(value.size() + (terminated ? 1 : 0));
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()), size));
  RegCloseKey(key);
}

class TnsRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    if (KeyExists(kOracleKey)) GTEST_SKIP() << "an Oracle client is registered here";
    homes_ = fs::current_path() / "tns-homes";
    fs::remove_all(homes_);
  }
  void TearDown() override {
    if (IsSkipped()) return;  // the registered client's keys are not ours to remove
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFirstHomeKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAllHomesKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kOracleKey);
    fs::remove_all(homes_);
  }
  // A home folder holding a tnsnames.ora at `variant` ("network" or "net80") with one alias.
  std::string Home(const std::string& name, const std::string& variant, const std::string& alias) {
    fs::path folder = homes_ / name / variant / "admin";
    fs::create_directories(folder);
    std::ofstream(folder / "tnsnames.ora", std::ios::binary) << alias << " =\r\n  (x)\r\n";
    return (homes_ / name).string();
  }

 private:
  fs::path homes_;
};

TEST_F(TnsRegistry, NoOracleKeysMeansNoNamesAndNoKeysCreated) {
  EXPECT_EQ(Names{}, TnsNameList().Names());
  EXPECT_FALSE(KeyExists(kOracleKey));
  EXPECT_FALSE(KeyExists(kFirstHomeKey));
}

TEST_F(TnsRegistry, OracleHomeNetworkFileComesFirst) {
  std::string home = Home("both", "network", "NETWORK");
  Home("both", "net80", "NET80");
  SetValue(kOracleKey, "ORACLE_HOME", home);
  EXPECT_EQ(Names{"NETWORK"}, TnsNameList().Names());
}

TEST_F(TnsRegistry, OracleHomeWithOnlyTheNet80File) {
  SetValue(kOracleKey, "ORACLE_HOME", Home("old", "net80", "NET80"));
  EXPECT_EQ(Names{"NET80"}, TnsNameList().Names());
}

TEST_F(TnsRegistry, ClusterHomeStandsInForAMissingOracleHome) {
  SetValue(kOracleKey, "ORA_CRS_HOME", Home("crs", "network", "CRS"));
  EXPECT_EQ(Names{"CRS"}, TnsNameList().Names());
}

TEST_F(TnsRegistry, ClusterHomeIsNotAskedWhenOracleHomeIsThere) {
  SetValue(kOracleKey, "ORACLE_HOME", Home("main", "network", "MAIN"));
  SetValue(kOracleKey, "ORA_CRS_HOME", Home("crs", "network", "CRS"));
  EXPECT_EQ(Names{"MAIN"}, TnsNameList().Names());
}

TEST_F(TnsRegistry, FirstOfAllHomesWhenOracleHomeHasNoFile) {
  SetValue(kOracleKey, "ORACLE_HOME", Home("empty", "elsewhere", "NONE"));
  SetValue(kFirstHomeKey, "PATH", Home("id0", "network", "ID0"));
  EXPECT_EQ(Names{"ID0"}, TnsNameList().Names());
}

TEST_F(TnsRegistry, FirstOfAllHomesNet80FileIsTheLastResort) {
  SetValue(kFirstHomeKey, "PATH", Home("id0", "net80", "ID0_NET80"));
  EXPECT_EQ(Names{"ID0_NET80"}, TnsNameList().Names());
}

TEST_F(TnsRegistry, DemoHomeInTheEnvironmentComesBeforeTheRegistry) {
  SetValue(kOracleKey, "ORACLE_HOME", Home("main", "network", "MAIN"));
  const std::string demo = Home("demo", "network", "DEMO");
  _putenv_s(kDemoOracleHomeVariable, demo.c_str());
  const Names names = TnsNameList().Names();
  _putenv_s(kDemoOracleHomeVariable, "");
  EXPECT_EQ(Names{"DEMO"}, names);
  EXPECT_EQ(Names{"MAIN"}, TnsNameList().Names()) << "without it the registry's home as before";
}

// The value's type is not looked at, and a value without a terminating zero reads whole.
TEST_F(TnsRegistry, HomeValueOfAnyTypeIsReadAsText) {
  SetValue(kOracleKey, "ORACLE_HOME", Home("binary", "network", "BINARY"), REG_BINARY, false);
  EXPECT_EQ(Names{"BINARY"}, TnsNameList().Names());
}

}  // namespace
