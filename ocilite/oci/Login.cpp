#include "oci/Login.h"

#include <cstdlib>
#include <vector>

#include "OciApi.h"
#include "sql/SqlLexer.h"
#include "storage/Platform.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace {

const char kUserColumns[] =
    "SELECT USERNAME, PASSWORD, ACCOUNT_STATUS, IS_DBA, CAN_SYSDBA, CAN_SYSOPER, CAN_CREATE FROM main.ZQ$USERS ";
enum { kName, kPassword, kStatus, kIsDba, kCanSysdba, kCanSysoper, kCanCreate };

// OCILITE_OS_USER stands in for the operating-system user where one is configured.
std::string OsUser() {
  const char* configured = std::getenv("OCILITE_OS_USER");
  return ToUpper(configured && *configured ? std::string(configured) : OperatingSystemUser());
}

// A user name counts in upper case unless it is quoted, as in Oracle.
std::string LoginName(const std::string& user) {
  if (user.size() >= 2 && user.front() == '"' && user.back() == '"') return user.substr(1, user.size() - 2);
  return ToUpper(user);
}

bool FindUser(sqlite3* db, const LoginRequest& request, std::vector<SqlValue>& row, OraError& error) {
  if (request.external) {
    if (QueryRow(db, (std::string(kUserColumns) + "WHERE EXTERNAL_NAME = ?").c_str(), {OsUser()}, row)) return true;
    error = MakeOraError(1004);
    return false;
  }
  bool found = QueryRow(db, (std::string(kUserColumns) + "WHERE USERNAME = ?").c_str(), {LoginName(request.user)}, row);
  if (found && !std::holds_alternative<std::nullptr_t>(row[kPassword]) && TextOf(row[kPassword]) == request.password) {
    return true;
  }
  error = MakeOraError(1017);
  return false;
}

bool MayUseMode(const std::vector<SqlValue>& row, unsigned mode) {
  if ((mode & OCI_SYSDBA) && IntOf(row[kCanSysdba]) == 0) return false;
  return !(mode & OCI_SYSOPER) || IntOf(row[kCanSysoper]) != 0;
}

}  // namespace

bool Authenticate(sqlite3* db, const LoginRequest& request, UserAccount& account, OraError& error, bool& expiring) {
  std::vector<SqlValue> row;
  if (!FindUser(db, request, row, error)) return false;
  std::string status = TextOf(row[kStatus]);
  if (status.find("LOCKED") != std::string::npos) {
    error = MakeOraError(28000);
    return false;
  }
  if (!MayUseMode(row, request.mode)) {
    error = MakeOraError(1031);
    return false;
  }
  account.name = TextOf(row[kName]);
  account.isDba = IntOf(row[kIsDba]) != 0;
  account.canCreate = IntOf(row[kCanCreate]) != 0;
  expiring = status.find("GRACE") != std::string::npos;
  return true;
}

}  // namespace ocilite
