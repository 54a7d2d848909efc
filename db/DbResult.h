// Result codes of every database operation, and the login types of a session.
#ifndef ZENQUILL_DB_DBRESULT_H
#define ZENQUILL_DB_DBRESULT_H

enum DbResult {
  DB_OK = 0,
  DB_SUCCESS_WITH_INFO,
  DB_ERROR,
  DB_NEED_DATA,
  DB_NO_DATA,
  DB_STILL_EXECUTING,
  DB_INVALID_HANDLE,
  DB_CONTINUE,
  DB_NOT_CONNECTED,
  DB_NOT_LOADED
};

enum LoginType { LOGIN_NORMAL = 0, LOGIN_SYSOPER = 1, LOGIN_SYSDBA = 2 };

#endif
