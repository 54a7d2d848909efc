// What stands behind each OCI handle, and the registry that tells a live handle of the
// expected type from anything else a caller may pass (null, freed, or of another type).
#ifndef ZENQUILL_OCILITE_HANDLES_H
#define ZENQUILL_OCILITE_HANDLES_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "oci/ClientCharset.h"
#include "oci/Cursor.h"
#include "oci/Session.h"
#include "oci/StatementRunner.h"
#include "OciApi.h"
#include "oracle/OraError.h"
#include "storage/DataFiles.h"

namespace ocilite {

struct Handle {
  explicit Handle(ub4 handleType) : type(handleType) {}
  virtual ~Handle() = default;
  const ub4 type;
  ClientCharset charset;  // its environment's: what text crossing this handle is written in
};

struct EnvHandle : Handle {
  EnvHandle() : Handle(OCI_HTYPE_ENV) { charset = ClientCharset::FromNlsLang(); }
};

struct ErrorHandle : Handle {
  ErrorHandle() : Handle(OCI_HTYPE_ERROR) {}
  void Clear() { error = OraError(); }
  // Records the error and answers the status it goes with.
  sword Report(const OraError& reported, sword status) {
    error = reported;
    return status;
  }
  OraError error;  // code 0: none
};

struct ServerHandle : Handle {
  ServerHandle() : Handle(OCI_HTYPE_SERVER) {}
  bool attached = false;
  DatabaseLocation location;
};

struct SessionHandle : Handle {
  SessionHandle() : Handle(OCI_HTYPE_SESSION) {}
  std::string user;
  std::string password;
  std::shared_ptr<Session> session;
};

struct ServiceHandle : Handle {
  ServiceHandle() : Handle(OCI_HTYPE_SVCCTX) {}
  const void* server = nullptr;  // checked against the registry at each use
  const void* session = nullptr;
};

struct DefineHandle : Handle {
  DefineHandle() : Handle(OCI_HTYPE_DEFINE) {}
  ColumnTarget target = {};
};

struct StmtHandle;

struct ParamHandle : Handle {
  ParamHandle(StmtHandle* owner, size_t column) : Handle(OCI_DTYPE_PARAM), statement(owner), index(column) {}
  StmtHandle* statement;
  size_t index;
  std::string clientName;  // the column's name in the client's character set
};

struct StmtHandle : Handle {
  StmtHandle() : Handle(OCI_HTYPE_STMT) {}
  bool prepared = false;
  PreparedStatement sql;  // the text in the database's character set, read once at prepare
  ub4 rowCount = 0;
  ub2 errorOffset = 0;
  ub4 prefetchRows = 1;  // Oracle's client prefetches one row unless told otherwise
  std::unique_ptr<Cursor> cursor;
  std::map<unsigned, DefineHandle*> defines;  // by position; registered, owned by the registry
  std::map<unsigned, ParamHandle*> params;
};

// Takes ownership of a new handle and returns it.
Handle* RegisterHandle(std::unique_ptr<Handle> handle);

// Frees the handle, and a statement's defines and parameters with it.
void ReleaseHandle(Handle* handle);

// The live handle of that type at `pointer`, or null.
Handle* FindHandle(const void* pointer, ub4 type);

template <typename T>
T* Find(const void* pointer, ub4 type) {
  return static_cast<T*>(FindHandle(pointer, type));
}

// Releases a statement's parameters (their pointers stop being valid handles).
void ReleaseParams(StmtHandle& statement);

}  // namespace ocilite

#endif
