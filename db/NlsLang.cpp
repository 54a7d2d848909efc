#include "NlsLang.h"

#include <cctype>

#include "ClientMachine.h"
#include "OracleCharsets.h"
#include "OracleHomes.h"

bool FindNlsLang(const ClientMachine& machine, std::string& nlsLang) {
  nlsLang = machine.Environment(kNlsLangVariable);
  return !nlsLang.empty() || FindOracleRegistryValue(machine, kNlsLangVariable, nlsLang);
}

std::string DefaultNlsLang(const ClientMachine& machine, unsigned ansiCodePage) {
  std::string set;
  const OracleCharset* charset = CharsetForAnsiCodePage(ansiCodePage);
  if (!charset || FindNlsLang(machine, set)) return "";
  return std::string("AMERICAN_AMERICA.") + charset->name;
}

std::string ClientCharsetName(const ClientMachine& machine) {
  std::string nlsLang;
  const size_t dot = FindNlsLang(machine, nlsLang) ? nlsLang.find('.') : std::string::npos;
  std::string name;
  if (dot != std::string::npos)
    for (char c : nlsLang.substr(dot + 1)) name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name.empty() ? DefaultClientCharset().name : name;
}
