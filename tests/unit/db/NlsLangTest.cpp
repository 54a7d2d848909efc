// The NLS_LANG set before the client library loads, and the client character set that
// follows, over a made-up environment and registry.
#include <gtest/gtest.h>

#include "FakeClientMachine.h"
#include "NlsLang.h"

namespace {

const char kOracle[] = "SOFTWARE\\ORACLE";
const char kHome[] = "SOFTWARE\\ORACLE\\KEY_OraClient19Home1";

TEST(NlsLang, DefaultOnlyWhereSetNowhereAndTheCodePageHasASet) {
  const struct {
    const char* name;
    const char* environment;  // "" for unset
    std::map<std::string, std::map<std::string, std::string>> registry;
    unsigned codePage;
    std::string defaultValue;
    std::string clientSet;  // afterwards, as the About box shows it
  } cases[] = {
      {"1250", "", {}, 1250, "AMERICAN_AMERICA.EE8MSWIN1250", "EE8MSWIN1250"},
      {"1251", "", {}, 1251, "AMERICAN_AMERICA.CL8MSWIN1251", "CL8MSWIN1251"},
      {"1252", "", {}, 1252, "AMERICAN_AMERICA.WE8MSWIN1252", "WE8MSWIN1252"},
      {"1253", "", {}, 1253, "AMERICAN_AMERICA.EL8MSWIN1253", "EL8MSWIN1253"},
      {"1254", "", {}, 1254, "AMERICAN_AMERICA.TR8MSWIN1254", "TR8MSWIN1254"},
      {"1255", "", {}, 1255, "AMERICAN_AMERICA.IW8MSWIN1255", "IW8MSWIN1255"},
      {"1256", "", {}, 1256, "AMERICAN_AMERICA.AR8MSWIN1256", "AR8MSWIN1256"},
      {"1257", "", {}, 1257, "AMERICAN_AMERICA.BLT8MSWIN1257", "BLT8MSWIN1257"},
      {"1258", "", {}, 1258, "AMERICAN_AMERICA.VN8MSWIN1258", "VN8MSWIN1258"},
      {"874", "", {}, 874, "AMERICAN_AMERICA.TH8TISASCII", "TH8TISASCII"},
      {"932", "", {}, 932, "AMERICAN_AMERICA.JA16SJIS", "JA16SJIS"},
      {"936", "", {}, 936, "AMERICAN_AMERICA.ZHS16GBK", "ZHS16GBK"},
      {"949", "", {}, 949, "AMERICAN_AMERICA.KO16MSWIN949", "KO16MSWIN949"},
      {"950", "", {}, 950, "AMERICAN_AMERICA.ZHT16MSWIN950", "ZHT16MSWIN950"},
      {"another code page", "", {}, 437, "", "US7ASCII"},
      {"UTF-8 as the ANSI code page", "", {}, 65001, "", "US7ASCII"},
      {"ISO 8859-1 is no ANSI code page", "", {}, 28591, "", "US7ASCII"},
      {"set in the environment", "GERMAN_GERMANY.we8iso8859p1", {}, 1252, "", "WE8ISO8859P1"},
      {"set without a character set", "AMERICAN_AMERICA", {}, 1252, "", "US7ASCII"},
      {"set in SOFTWARE\\ORACLE", "", {{kOracle, {{"NLS_LANG", ".UTF8"}}}}, 1252, "", "UTF8"},
      {"set in a KEY_ home", "", {{kHome, {{"NLS_LANG", "FRENCH_FRANCE.WE8MSWIN1252"}}}}, 1250, "", "WE8MSWIN1252"},
      {"an empty value is unset",
       "",
       {{kHome, {{"NLS_LANG", ""}}}},
       1252,
       "AMERICAN_AMERICA.WE8MSWIN1252",
       "WE8MSWIN1252"},
      {"other values are no NLS_LANG",
       "",
       {{kHome, {{"ORACLE_HOME", "C:\\o"}}}},
       1251,
       "AMERICAN_AMERICA.CL8MSWIN1251",
       "CL8MSWIN1251"},
  };
  for (const auto& c : cases) {
    FakeClientMachine machine;
    if (*c.environment) machine.environment["NLS_LANG"] = c.environment;
    machine.registry = c.registry;
    EXPECT_EQ(c.defaultValue, DefaultNlsLang(machine, c.codePage)) << c.name;
    if (!c.defaultValue.empty()) machine.environment["NLS_LANG"] = c.defaultValue;
    EXPECT_EQ(c.clientSet, ClientCharsetName(machine)) << c.name;
  }
}

}  // namespace
