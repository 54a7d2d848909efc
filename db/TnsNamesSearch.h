// Where the Oracle client keeps tnsnames.ora: the places today's clients use, in the order
// that keeps the older registry layout's answer wherever that layout finds a file.
#ifndef ZENQUILL_DB_TNSNAMESSEARCH_H
#define ZENQUILL_DB_TNSNAMESSEARCH_H

#include <string>

class ClientMachine;

// When set and not empty, this environment variable names the Oracle home searched first:
// the Windows download's demo starts the program so.
constexpr char kDemoOracleHomeVariable[] = "ZENQUILL_ORACLE_HOME";

// The first tnsnames.ora that exists, in this order: the demo's home; the folder the
// TNS_ADMIN variable names; TNS_ADMIN in "SOFTWARE\ORACLE", then in the KEY_* homes; the home
// "SOFTWARE\ORACLE" names (ORACLE_HOME, else ORA_CRS_HOME); the KEY_* homes' ORACLE_HOME;
// the first of ALL_HOMES; "network\admin" beside the client library. KEY_* homes go in the
// registry's order, the one whose "bin" folder holds `clientLibrary` first. In a home the
// file is under "network\admin", else "net80\admin". Empty when none exists.
std::string FindTnsNamesFile(const ClientMachine& machine, const std::string& clientLibrary);

#endif
