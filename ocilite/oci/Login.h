// Checks a login against the database's users: password or operating-system
// authentication, account status, and the SYSDBA/SYSOPER privileges.
#ifndef ZENQUILL_OCILITE_LOGIN_H
#define ZENQUILL_OCILITE_LOGIN_H

#include "oci/Session.h"
#include "oracle/OraError.h"

struct sqlite3;

namespace ocilite {

// False, with `error` set, when the login is refused. `expiring` tells of a password that
// is about to expire.
bool Authenticate(sqlite3* db, const LoginRequest& request, UserAccount& account, OraError& error, bool& expiring);

}  // namespace ocilite

#endif
