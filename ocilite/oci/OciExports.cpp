// The OCI entry points: the eighteen the binding needs and the two it may use. Each
// checks its handles first and answers OCI_INVALID_HANDLE for a null or wrong-type one;
// errors go to the error handle.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "oci/Handles.h"
#include "oci/StatementRunner.h"
#include "OciApi.h"

// The exports keep the C names the client API declares; what they run is the library's own.
using namespace ocilite;

namespace {

const ub4 kAllocatable[] = {OCI_HTYPE_ERROR, OCI_HTYPE_SERVER, OCI_HTYPE_SVCCTX, OCI_HTYPE_SESSION, OCI_HTYPE_STMT};

std::unique_ptr<Handle> NewHandle(ub4 type) {
  switch (type) {
    case OCI_HTYPE_ERROR: return std::make_unique<ErrorHandle>();
    case OCI_HTYPE_SERVER: return std::make_unique<ServerHandle>();
    case OCI_HTYPE_SVCCTX: return std::make_unique<ServiceHandle>();
    case OCI_HTYPE_SESSION: return std::make_unique<SessionHandle>();
    case OCI_HTYPE_STMT: return std::make_unique<StmtHandle>();
    default: return nullptr;
  }
}

template <typename Value>
void Store(dvoid* destination, ub4* sizep, Value value) {
  std::memcpy(destination, &value, sizeof value);
  if (sizep) *sizep = sizeof value;
}

sword StatementAttribute(StmtHandle& statement, dvoid* value, ub4* sizep, ub4 attribute, ErrorHandle& error) {
  switch (attribute) {
    case OCI_ATTR_STMT_TYPE: Store<ub2>(value, sizep, static_cast<ub2>(statement.sql.kind.ociType)); return OCI_SUCCESS;
    case OCI_ATTR_PARSE_ERROR_OFFSET: Store<ub2>(value, sizep, statement.errorOffset); return OCI_SUCCESS;
    case OCI_ATTR_ROW_COUNT:
      Store<ub4>(value, sizep, statement.cursor ? statement.cursor->RowsFetched() : statement.rowCount);
      return OCI_SUCCESS;
    case OCI_ATTR_PARAM_COUNT:
      if (!statement.cursor) return error.Report(MakeOraError(24338), OCI_ERROR);
      Store<ub4>(value, sizep, static_cast<ub4>(statement.cursor->Columns().size()));
      return OCI_SUCCESS;
    default: return error.Report(MakeOraError(24315), OCI_ERROR);
  }
}

// The size attributes are 16 bits wide: a wider column says the most they can, not a wrapped size.
ub2 Clipped(int size) {
  const int widest = 65535;
  return static_cast<ub2>(size > widest ? widest : size);
}

sword ParamAttribute(ParamHandle& param, dvoid* value, ub4* sizep, ub4 attribute, ErrorHandle& error) {
  const StmtHandle& statement = *param.statement;
  if (!statement.cursor || param.index >= statement.cursor->Columns().size()) {
    return error.Report(MakeOraError(24334), OCI_ERROR);
  }
  const ColumnInfo& column = statement.cursor->Columns()[param.index];
  if (attribute == OCI_ATTR_NAME) {
    param.clientName = statement.charset.ClientText(column.name);
    Store<const char*>(value, nullptr, param.clientName.c_str());
    if (sizep) *sizep = static_cast<ub4>(param.clientName.size());
    return OCI_SUCCESS;
  }
  const OciColumnType& type = column.type;
  switch (attribute) {
    case OCI_ATTR_DATA_TYPE: Store<ub2>(value, sizep, static_cast<ub2>(type.dataType)); return OCI_SUCCESS;
    case OCI_ATTR_DATA_SIZE: Store<ub2>(value, sizep, Clipped(type.dataSize)); return OCI_SUCCESS;
    case OCI_ATTR_CHAR_SIZE: Store<ub2>(value, sizep, Clipped(type.charSize)); return OCI_SUCCESS;
    case OCI_ATTR_PRECISION: Store<sb2>(value, sizep, static_cast<sb2>(type.precision)); return OCI_SUCCESS;
    case OCI_ATTR_SCALE: Store<sb1>(value, sizep, static_cast<sb1>(type.scale)); return OCI_SUCCESS;
    case OCI_ATTR_DISP_SIZE: Store<ub2>(value, sizep, Clipped(type.displaySize)); return OCI_SUCCESS;
    default: return error.Report(MakeOraError(24315), OCI_ERROR);
  }
}

std::shared_ptr<Session> OpenSession(const ServiceHandle& service) {
  SessionHandle* handle = Find<SessionHandle>(service.session, OCI_HTYPE_SESSION);
  return handle && handle->session && handle->session->IsOpen() ? handle->session : nullptr;
}

void ForgetQuery(StmtHandle& statement) {
  ReleaseParams(statement);
  statement.cursor.reset();
}

// An offset into the statement as the database read it, counted in the client's bytes.
size_t ClientOffset(const StmtHandle& statement, size_t offset) {
  const std::string_view read =
      std::string_view(statement.sql.text).substr(0, std::min(offset, statement.sql.text.size()));
  return statement.charset.ClientText(read).size();
}

std::vector<ColumnTarget> Targets(const StmtHandle& statement) {
  std::vector<ColumnTarget> targets;
  for (const auto& entry : statement.defines) targets.push_back(entry.second->target);
  return targets;
}

}  // namespace

// Nothing is process-wide here: every handle carries its own state.
OCI_EXPORT sword OCIInitialize(ub4, dvoid*, dvoid* (*)(dvoid*, size_t), dvoid* (*)(dvoid*, dvoid*, size_t),
                               void (*)(dvoid*, dvoid*)) {
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIEnvInit(OCIEnv** envp, ub4, size_t, dvoid**) {
  if (!envp) return OCI_INVALID_HANDLE;
  *envp = reinterpret_cast<OCIEnv*>(RegisterHandle(std::make_unique<EnvHandle>()));
  return OCI_SUCCESS;
}

// Other sessions of the process may still be open; their handles go when they are freed.
OCI_EXPORT sword OCITerminate(ub4) { return OCI_SUCCESS; }

OCI_EXPORT sword OCIHandleAlloc(const dvoid* parenth, dvoid** hndlpp, ub4 type, size_t, dvoid**) {
  if (!Find<EnvHandle>(parenth, OCI_HTYPE_ENV) || !hndlpp) return OCI_INVALID_HANDLE;
  bool allocatable = false;
  for (ub4 known : kAllocatable) allocatable = allocatable || known == type;
  if (!allocatable) return OCI_ERROR;
  Handle* handle = RegisterHandle(NewHandle(type));
  handle->charset = static_cast<const EnvHandle*>(parenth)->charset;
  *hndlpp = handle;
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIHandleFree(dvoid* hndlp, ub4 type) {
  // Defines and parameters belong to their statement and go with it.
  bool freeable = type == OCI_HTYPE_ENV;
  for (ub4 known : kAllocatable) freeable = freeable || known == type;
  Handle* handle = freeable ? FindHandle(hndlp, type) : nullptr;
  if (!handle) return OCI_INVALID_HANDLE;
  ReleaseHandle(handle);
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIServerAttach(OCIServer* srvhp, OCIError* errhp, const OraText* dblink, sb4 dblink_len, ub4) {
  ServerHandle* server = Find<ServerHandle>(srvhp, OCI_HTYPE_SERVER);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!server || !error) return OCI_INVALID_HANDLE;
  error->Clear();
  std::string alias = dblink && dblink_len > 0 ? std::string(reinterpret_cast<const char*>(dblink), dblink_len) : "";
  OraError failure;
  server->attached = ResolveAlias(alias, server->location, failure);
  return server->attached ? OCI_SUCCESS : error->Report(failure, OCI_ERROR);
}

OCI_EXPORT sword OCIServerDetach(OCIServer* srvhp, OCIError* errhp, ub4) {
  ServerHandle* server = Find<ServerHandle>(srvhp, OCI_HTYPE_SERVER);
  if (!server || !Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  server->attached = false;
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIAttrSet(dvoid* trgthndlp, ub4 trghndltyp, dvoid* attributep, ub4 size, ub4 attrtype,
                            OCIError* errhp) {
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  Handle* target = FindHandle(trgthndlp, trghndltyp);
  if (!error || !target) return OCI_INVALID_HANDLE;
  if (trghndltyp == OCI_HTYPE_SVCCTX && (attrtype == OCI_ATTR_SERVER || attrtype == OCI_ATTR_SESSION)) {
    ub4 type = attrtype == OCI_ATTR_SERVER ? OCI_HTYPE_SERVER : OCI_HTYPE_SESSION;
    if (!FindHandle(attributep, type)) return OCI_INVALID_HANDLE;
    ServiceHandle* service = static_cast<ServiceHandle*>(target);
    (attrtype == OCI_ATTR_SERVER ? service->server : service->session) = attributep;
    return OCI_SUCCESS;
  }
  if (trghndltyp == OCI_HTYPE_STMT && attrtype == OCI_ATTR_PREFETCH_ROWS) {
    // OCILITE_NO_PREFETCH plays a client library that refuses it, for measuring without it.
    if (!attributep || std::getenv("OCILITE_NO_PREFETCH")) return error->Report(MakeOraError(24315), OCI_ERROR);
    std::memcpy(&static_cast<StmtHandle*>(target)->prefetchRows, attributep, sizeof(ub4));
    return OCI_SUCCESS;
  }
  if (trghndltyp == OCI_HTYPE_SESSION && (attrtype == OCI_ATTR_USERNAME || attrtype == OCI_ATTR_PASSWORD)) {
    std::string text = attributep ? target->charset.DatabaseText({static_cast<const char*>(attributep), size}) : "";
    SessionHandle* session = static_cast<SessionHandle*>(target);
    (attrtype == OCI_ATTR_USERNAME ? session->user : session->password) = text;
    return OCI_SUCCESS;
  }
  return error->Report(MakeOraError(24315), OCI_ERROR);
}

OCI_EXPORT sword OCIAttrGet(const dvoid* trgthndlp, ub4 trghndltyp, dvoid* attributep, ub4* sizep, ub4 attrtype,
                            OCIError* errhp) {
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  Handle* source = FindHandle(trgthndlp, trghndltyp);
  if (!error || !source || !attributep) return OCI_INVALID_HANDLE;
  // Reading attributes leaves the last error in place: callers read the offset, then the text.
  switch (trghndltyp) {
    case OCI_HTYPE_STMT:
      return StatementAttribute(*static_cast<StmtHandle*>(source), attributep, sizep, attrtype, *error);
    case OCI_DTYPE_PARAM:
      return ParamAttribute(*static_cast<ParamHandle*>(source), attributep, sizep, attrtype, *error);
    case OCI_HTYPE_ENV:
      if (attrtype != OCI_ATTR_ENV_CHARSET_ID) return error->Report(MakeOraError(24315), OCI_ERROR);
      Store<ub2>(attributep, sizep, source->charset.Id());
      return OCI_SUCCESS;
    case OCI_HTYPE_ERROR:
      if (attrtype != OCI_ATTR_PARSE_ERROR_OFFSET) return OCI_ERROR;
      Store<ub2>(attributep, sizep, static_cast<ub2>(static_cast<ErrorHandle*>(source)->error.offset));
      return OCI_SUCCESS;
    default: return OCI_ERROR;
  }
}

OCI_EXPORT sword OCIBindByPos(OCIStmt* stmtp, OCIBind**, OCIError* errhp, ub4, dvoid*, sb4, ub2, dvoid*, ub2*, ub2*,
                              ub4, ub4*, ub4) {
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!error || !Find<StmtHandle>(stmtp, OCI_HTYPE_STMT)) return OCI_INVALID_HANDLE;
  return error->Report(MakeOraError(3001, "bind variables"), OCI_ERROR);
}

OCI_EXPORT sword OCISessionBegin(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4 credt, ub4 mode) {
  ServiceHandle* service = Find<ServiceHandle>(svchp, OCI_HTYPE_SVCCTX);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  SessionHandle* session = Find<SessionHandle>(usrhp, OCI_HTYPE_SESSION);
  if (!service || !error || !session) return OCI_INVALID_HANDLE;
  error->Clear();
  ServerHandle* server = Find<ServerHandle>(service->server, OCI_HTYPE_SERVER);
  if (!server || !server->attached) return error->Report(MakeOraError(24327), OCI_ERROR);
  if (session->session) return error->Report(MakeOraError(24313), OCI_ERROR);
  LoginRequest request{session->user, session->password, credt == OCI_CRED_EXT, mode};
  OraError failure;
  OraError warning;
  session->session = Session::Begin(server->location, request, failure, warning);
  if (!session->session) return error->Report(failure, OCI_ERROR);
  session->session->RoundTrip();
  service->session = session;
  return warning.code ? error->Report(warning, OCI_SUCCESS_WITH_INFO) : OCI_SUCCESS;
}

OCI_EXPORT sword OCISessionEnd(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4) {
  SessionHandle* session = Find<SessionHandle>(usrhp, OCI_HTYPE_SESSION);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!Find<ServiceHandle>(svchp, OCI_HTYPE_SVCCTX) || !error || !session) return OCI_INVALID_HANDLE;
  // Oracle's client commits what is pending when the session ends; a failed commit rolls back.
  OraError failure;
  bool committed = true;
  if (session->session) {
    session->session->RoundTrip();
    committed = session->session->Commit(failure);
    session->session->End();
  }
  session->session.reset();
  return committed ? OCI_SUCCESS : error->Report(failure, OCI_ERROR);
}

OCI_EXPORT sword OCIStmtPrepare(OCIStmt* stmtp, OCIError* errhp, const OraText* stmt, ub4 stmt_len, ub4, ub4) {
  StmtHandle* statement = Find<StmtHandle>(stmtp, OCI_HTYPE_STMT);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!statement || !error || (!stmt && stmt_len > 0)) return OCI_INVALID_HANDLE;
  error->Clear();
  ForgetQuery(*statement);
  statement->sql.Prepare(statement->charset.DatabaseText({reinterpret_cast<const char*>(stmt), stmt_len}));
  statement->prepared = true;
  statement->rowCount = 0;
  statement->errorOffset = 0;
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIStmtExecute(OCISvcCtx* svchp, OCIStmt* stmtp, OCIError* errhp, ub4 iters, ub4, const OCISnapshot*,
                                OCISnapshot*, ub4 mode) {
  ServiceHandle* service = Find<ServiceHandle>(svchp, OCI_HTYPE_SVCCTX);
  StmtHandle* statement = Find<StmtHandle>(stmtp, OCI_HTYPE_STMT);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!service || !statement || !error) return OCI_INVALID_HANDLE;
  error->Clear();
  std::shared_ptr<Session> session = OpenSession(*service);
  if (!session) return error->Report(MakeOraError(3114), OCI_ERROR);
  if (!statement->prepared) return error->Report(MakeOraError(24337), OCI_ERROR);
  ForgetQuery(*statement);
  session->RoundTrip();  // which brings a query's first prefetched rows along
  if (session->Broken()) return error->Report(MakeOraError(1013), OCI_ERROR);
  Execution result;
  OraError failure;
  ExecuteRequest request{statement->sql, (mode & OCI_COMMIT_ON_SUCCESS) != 0, iters};
  sword status = static_cast<sword>(RunStatement(session, request, result, failure));
  // A break that came too late to stop the statement leaves its outcome alone.
  if (status != OCI_SUCCESS && session->Broken()) {
    failure = MakeOraError(1013);
    result.cursor.reset();
  }
  statement->rowCount = result.rowCount;
  statement->cursor = std::move(result.cursor);
  if (statement->cursor) {
    statement->cursor->Prefetch(statement->prefetchRows);
    statement->cursor->DeliverIn(statement->charset);
  }
  failure.offset = ClientOffset(*statement, failure.offset);
  statement->errorOffset = static_cast<ub2>(failure.offset);
  return status == OCI_SUCCESS ? OCI_SUCCESS : error->Report(failure, status);
}

OCI_EXPORT sword OCIParamGet(const dvoid* hndlp, ub4 htype, OCIError* errhp, dvoid** parmdpp, ub4 pos) {
  StmtHandle* statement = htype == OCI_HTYPE_STMT ? Find<StmtHandle>(hndlp, OCI_HTYPE_STMT) : nullptr;
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!statement || !error || !parmdpp) return OCI_INVALID_HANDLE;
  error->Clear();
  if (!statement->cursor) return error->Report(MakeOraError(24338), OCI_ERROR);
  if (pos < 1 || pos > statement->cursor->Columns().size()) return error->Report(MakeOraError(24334), OCI_ERROR);
  ParamHandle*& param = statement->params[pos];
  if (!param) param = static_cast<ParamHandle*>(RegisterHandle(std::make_unique<ParamHandle>(statement, pos - 1)));
  *parmdpp = param;
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIDefineByPos(OCIStmt* stmtp, OCIDefine** defnp, OCIError* errhp, ub4 position, dvoid* valuep,
                                sb4 value_sz, ub2 dty, dvoid* indp, ub2* rlenp, ub2* rcodep, ub4) {
  StmtHandle* statement = Find<StmtHandle>(stmtp, OCI_HTYPE_STMT);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!statement || !error || !defnp) return OCI_INVALID_HANDLE;
  error->Clear();
  if (dty != SQLT_STR) return error->Report(MakeOraError(3001, "data types other than SQLT_STR"), OCI_ERROR);
  if (position < 1 || (value_sz > 0 && !valuep)) return error->Report(MakeOraError(24334), OCI_ERROR);
  DefineHandle*& define = statement->defines[position];
  if (define) ReleaseHandle(define);
  define = static_cast<DefineHandle*>(RegisterHandle(std::make_unique<DefineHandle>()));
  define->target = {position, static_cast<char*>(valuep), value_sz, static_cast<int16_t*>(indp), rlenp, rcodep};
  *defnp = reinterpret_cast<OCIDefine*>(define);
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIStmtFetch(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, ub4) {
  StmtHandle* statement = Find<StmtHandle>(stmtp, OCI_HTYPE_STMT);
  ErrorHandle* error = Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR);
  if (!statement || !error) return OCI_INVALID_HANDLE;
  error->Clear();
  if (!statement->cursor) return error->Report(MakeOraError(24338), OCI_ERROR);
  if (nrows == 0) return OCI_SUCCESS;
  if (nrows > 1 || (orientation != OCI_FETCH_NEXT && orientation != OCI_DEFAULT)) {
    return error->Report(MakeOraError(3001, "array and scrollable fetches"), OCI_ERROR);
  }
  OraError failure;
  sword status = static_cast<sword>(statement->cursor->Fetch(Targets(*statement), failure));
  // A query cut short by a break is over: its SQLite statement goes, and with it the
  // interruption, which SQLite keeps while any statement is active.
  if (failure.code == 1013) statement->cursor.reset();
  return status == OCI_SUCCESS ? OCI_SUCCESS : error->Report(failure, status);
}

// The service context's session, for a break from another thread while a call runs there.
OCI_EXPORT sword OCIBreak(dvoid* hndlp, OCIError* errhp) {
  ServiceHandle* service = Find<ServiceHandle>(hndlp, OCI_HTYPE_SVCCTX);
  if (!service || !Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (std::shared_ptr<Session> session = OpenSession(*service)) session->Break();
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIReset(dvoid* hndlp, OCIError* errhp) {
  ServiceHandle* service = Find<ServiceHandle>(hndlp, OCI_HTYPE_SVCCTX);
  if (!service || !Find<ErrorHandle>(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (std::shared_ptr<Session> session = OpenSession(*service)) session->Reset();
  return OCI_SUCCESS;
}

OCI_EXPORT sword OCIErrorGet(dvoid* hndlp, ub4 recordno, OraText*, sb4* errcodep, OraText* bufp, ub4 bufsiz, ub4 type) {
  Handle* handle = FindHandle(hndlp, type);
  if (!handle || (type != OCI_HTYPE_ERROR && type != OCI_HTYPE_ENV)) return OCI_INVALID_HANDLE;
  const OraError* error = type == OCI_HTYPE_ERROR ? &static_cast<ErrorHandle*>(handle)->error : nullptr;
  if (!error || error->code == 0 || recordno != 1) return OCI_NO_DATA;
  if (errcodep) *errcodep = error->code;
  if (bufp && bufsiz > 0) {
    std::string text = handle->charset.ClientText(error->text) + "\n";
    size_t copied = text.size() < bufsiz - 1 ? text.size() : bufsiz - 1;
    std::memcpy(bufp, text.data(), copied);
    bufp[copied] = '\0';
  }
  return OCI_SUCCESS;
}
