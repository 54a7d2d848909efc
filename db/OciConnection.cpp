#include "OciConnection.h"

#include <cstdio>

namespace {

const char kNotLoadedText[] = "Not connected to database, OCI.DLL is not loaded!!";
// The user name that operating-system authentication is asked for with.
const char kExternalUser[] = "Zenquill";

ub4 SessionMode(int loginType) {
  switch (loginType) {
    case LOGIN_SYSDBA: return OCI_SYSDBA;
    case LOGIN_SYSOPER: return OCI_SYSOPER;
    default: return OCI_DEFAULT;
  }
}

DbResult Map(sword status) { return OciBinding::MapOciStatus(status); }

}  // namespace

OciConnection::OciConnection() { binding_.LoadClient(); }

OciConnection::~OciConnection() {
  if (!binding_.IsLoaded()) return;
  Disconnect();
  binding_.Unload();
}

DbResult OciConnection::RequireSession() const {
  if (stage_ != Stage::kConnected) return DB_NOT_CONNECTED;
  if (!binding_.IsLoaded()) return DB_NOT_LOADED;
  return DB_OK;
}

DbResult OciConnection::Connect(const char* database, size_t databaseLength, const char* user, size_t userLength,
                                const char* password, size_t passwordLength, int loginType) {
  if (stage_ == Stage::kConnected) return DB_ERROR;
  if (!binding_.IsLoaded()) return DB_NOT_LOADED;
  // The previous attempt's handles were kept so that its error could be read; not any more.
  ReleaseSession();
  // Threaded: a break comes from the window's thread while the worker's call runs.
  sword status = Oci().OCIInitialize(OCI_OBJECT | OCI_THREADED, nullptr, nullptr, nullptr, nullptr);
  if (status != OCI_SUCCESS) return Map(status);
  stage_ = Stage::kInitialized;
  status = Oci().OCIEnvInit(&environment_, OCI_ENV_NO_UCB, 0, nullptr);
  if (status != OCI_SUCCESS) return Map(status);
  DbResult result = AttachServer(database, databaseLength);
  if (result != DB_OK) return result;
  return BeginSession(user, userLength, password, passwordLength, loginType);
}

DbResult OciConnection::AttachServer(const char* database, size_t databaseLength) {
  AllocateHandle(error_, OCI_HTYPE_ERROR);
  AllocateHandle(server_, OCI_HTYPE_SERVER);
  sword status = Oci().OCIServerAttach(server_, error_, reinterpret_cast<const OraText*>(database),
                                       static_cast<sb4>(databaseLength), OCI_DEFAULT);
  if (status != OCI_SUCCESS) return Map(status);
  stage_ = Stage::kAttached;
  return DB_OK;
}

// A session that begins with a warning (a password about to expire) is open on the server
// and usable: it is kept, and the warning is what the caller gets to read.
DbResult OciConnection::BeginSession(const char* user, size_t userLength, const char* password, size_t passwordLength,
                                     int loginType) {
  AllocateHandle(serviceContext_, OCI_HTYPE_SVCCTX);
  Oci().OCIAttrSet(serviceContext_, OCI_HTYPE_SVCCTX, server_, 0, OCI_ATTR_SERVER, error_);
  AllocateHandle(session_, OCI_HTYPE_SESSION);
  ub4 credentials = SetCredentials(user, userLength, password, passwordLength);
  sword begun = Oci().OCISessionBegin(serviceContext_, error_, session_, credentials, SessionMode(loginType));
  if (begun != OCI_SUCCESS && begun != OCI_SUCCESS_WITH_INFO) return Map(begun);
  stage_ = Stage::kSessionBegun;
  sword status = Oci().OCIAttrSet(serviceContext_, OCI_HTYPE_SVCCTX, session_, 0, OCI_ATTR_SESSION, error_);
  if (status != OCI_SUCCESS) return Map(status);
  stage_ = Stage::kConnected;
  return Map(begun);
}

ub4 OciConnection::SetCredentials(const char* user, size_t userLength, const char* password, size_t passwordLength) {
  ub4 credentials = OCI_CRED_RDBMS;
  if (userLength == 0 && passwordLength == 0) {
    user = kExternalUser;
    userLength = sizeof kExternalUser - 1;
    password = "";
    credentials = OCI_CRED_EXT;
  }
  Oci().OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char*>(user), static_cast<ub4>(userLength),
                   OCI_ATTR_USERNAME, error_);
  Oci().OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char*>(password), static_cast<ub4>(passwordLength),
                   OCI_ATTR_PASSWORD, error_);
  return credentials;
}

// Undoes as much of a Connect as was done, whether it completed or failed halfway.
void OciConnection::ReleaseSession() {
  if (stage_ >= Stage::kSessionBegun) Oci().OCISessionEnd(serviceContext_, error_, session_, OCI_DEFAULT);
  FreeHandle(session_, OCI_HTYPE_SESSION);
  FreeHandle(serviceContext_, OCI_HTYPE_SVCCTX);
  if (stage_ >= Stage::kAttached) Oci().OCIServerDetach(server_, error_, OCI_DEFAULT);
  FreeHandle(server_, OCI_HTYPE_SERVER);
  FreeHandle(breakError_, OCI_HTYPE_ERROR);
  FreeHandle(error_, OCI_HTYPE_ERROR);
  FreeHandle(environment_, OCI_HTYPE_ENV);
  if (stage_ >= Stage::kInitialized) Oci().OCITerminate(OCI_DEFAULT);
  stage_ = Stage::kNone;
}

DbResult OciConnection::Disconnect() {
  DbResult result = RequireSession();
  if (result == DB_OK) CloseQuery();
  ReleaseSession();
  return result;
}

DbResult OciConnection::Break() {
  DbResult result = RequireSession();
  if (result != DB_OK) return result;
  if (!CanBreak()) return DB_ERROR;
  if (!breakError_) AllocateHandle(breakError_, OCI_HTYPE_ERROR);
  return Map(Oci().OCIBreak(serviceContext_, breakError_));
}

DbResult OciConnection::Reset() {
  DbResult result = RequireSession();
  if (result != DB_OK) return result;
  if (!CanBreak()) return DB_ERROR;
  return Map(Oci().OCIReset(serviceContext_, error_));
}

DbResult OciConnection::SetManualCommit(int manual) {
  manualCommit_ = manual ? 1 : 0;
  return DB_OK;
}

DbResult OciConnection::GetErrorText(char* buffer, size_t size, int& errorCode) {
  errorCode = 0;
  if (!binding_.IsLoaded()) {
    if (size > 0) std::snprintf(buffer, size, "%s", kNotLoadedText);
    return DB_OK;
  }
  // No Connect was tried, or its handles are gone: there is nothing to ask.
  if (!error_) return DB_INVALID_HANDLE;
  sb4 code = 0;
  sword status = Oci().OCIErrorGet(error_, 1, nullptr, &code, reinterpret_cast<OraText*>(buffer),
                                   static_cast<ub4>(size), OCI_HTYPE_ERROR);
  errorCode = code;
  return Map(status);
}
