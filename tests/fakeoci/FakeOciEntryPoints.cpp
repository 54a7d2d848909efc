// The OCI entry points of the test double, the optional two included. Each records its
// call as one line, checks the handles it is given, and returns the status the test scripted.
#include <algorithm>
#include <cstring>

#include "FakeOciState.h"

using namespace fakeoci;

namespace {

std::string Text(const void* bytes, size_t length) {
  return bytes ? std::string(static_cast<const char*>(bytes), length) : std::string();
}

std::string N(long long value) { return std::to_string(value); }

ub4 Attribute(ub4 id) {
  auto found = TheState().attributes.find(id);
  return found == TheState().attributes.end() ? 0 : found->second;
}

void FillDefines(Handle& statement, const Row& row, sword& status) {
  for (auto& [position, define] : statement.defines) {
    const std::optional<std::string>& value = position <= row.size() ? row[position - 1] : std::optional<std::string>();
    if (!value) {
      *define.indicator = OCI_IND_NULL;
      continue;
    }
    size_t room = define.size > 0 ? static_cast<size_t>(define.size) - 1 : 0;
    size_t copied = std::min(room, value->size());
    std::memcpy(define.buffer, value->data(), copied);
    define.buffer[copied] = 0;
    *define.indicator = 0;
    // A value cut short is reported the way a client library does: a warning, and its
    // length in the indicator, or -2 when the indicator cannot hold it.
    if (copied < value->size()) {
      *define.indicator = value->size() <= 32767 ? static_cast<sb2>(value->size()) : -2;
      status = OCI_SUCCESS_WITH_INFO;
    }
  }
}

sword GetStatementAttribute(const Handle& statement, void* value, ub4 attribute) {
  switch (attribute) {
    case OCI_ATTR_STMT_TYPE: *static_cast<ub2*>(value) = static_cast<ub2>(Attribute(attribute)); return OCI_SUCCESS;
    case OCI_ATTR_PARSE_ERROR_OFFSET:
      *static_cast<ub2*>(value) = static_cast<ub2>(Attribute(attribute));
      return OCI_SUCCESS;
    case OCI_ATTR_ROW_COUNT:
      *static_cast<ub4*>(value) =
          statement.executedAsQuery ? static_cast<ub4>(statement.fetchedRows) : Attribute(attribute);
      return OCI_SUCCESS;
    case OCI_ATTR_PARAM_COUNT:
      if (!statement.executedAsQuery) return OCI_ERROR;
      *static_cast<ub4*>(value) = static_cast<ub4>(TheState().columns.size());
      return OCI_SUCCESS;
    default: return OCI_ERROR;
  }
}

sword GetParameterAttribute(const Handle& parameter, void* value, ub4* size, ub4 attribute) {
  const Column& column = TheState().columns[parameter.position - 1];
  switch (attribute) {
    case OCI_ATTR_NAME:
      *static_cast<const char**>(value) = column.name.data();
      if (size) *size = static_cast<ub4>(column.name.size());
      return OCI_SUCCESS;
    case OCI_ATTR_DISP_SIZE: *static_cast<ub2*>(value) = column.displaySize; return OCI_SUCCESS;
    case OCI_ATTR_DATA_TYPE:
    case OCI_ATTR_DATA_SIZE:
    case OCI_ATTR_CHAR_SIZE: {
      auto found = column.attributes.find(attribute);
      *static_cast<ub2*>(value) = found == column.attributes.end() ? 0 : found->second;
      return OCI_SUCCESS;
    }
    default: return OCI_ERROR;
  }
}

}  // namespace

OCI_EXPORT sword OCIInitialize(ub4 mode, dvoid* ctxp, dvoid* (*malocfp)(dvoid*, size_t),
                               dvoid* (*ralocfp)(dvoid*, dvoid*, size_t), void (*mfreefp)(dvoid*, dvoid*)) {
  bool hooks = ctxp || malocfp || ralocfp || mfreefp;
  return Record("OCIInitialize mode=" + N(mode) + (hooks ? " hooks" : ""));
}

OCI_EXPORT sword OCIEnvInit(OCIEnv** envp, ub4 mode, size_t xtramem_sz, dvoid**) {
  sword status = Record("OCIEnvInit mode=" + N(mode) + " extra=" + N(xtramem_sz));
  if (Proceeds(status)) *envp = reinterpret_cast<OCIEnv*>(Allocate(OCI_HTYPE_ENV));
  return status;
}

OCI_EXPORT sword OCIHandleAlloc(const dvoid* parenth, dvoid** hndlpp, ub4 type, size_t xtramem_sz, dvoid**) {
  sword status = Record("OCIHandleAlloc type=" + N(type) + " extra=" + N(xtramem_sz));
  *hndlpp = nullptr;
  if (!Find(parenth, OCI_HTYPE_ENV)) return OCI_INVALID_HANDLE;
  if (Proceeds(status)) *hndlpp = Allocate(type);
  return status;
}

OCI_EXPORT sword OCIServerAttach(OCIServer* srvhp, OCIError* errhp, const OraText* dblink, sb4 dblink_len, ub4 mode) {
  sword status =
      Record("OCIServerAttach dblink=" + Text(dblink, dblink_len) + " length=" + N(dblink_len) + " mode=" + N(mode));
  if (!Find(srvhp, OCI_HTYPE_SERVER) || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  return status;
}

OCI_EXPORT sword OCIAttrSet(dvoid* trgthndlp, ub4 trghndltyp, dvoid* attributep, ub4 size, ub4 attrtype,
                            OCIError* errhp) {
  bool isText = attrtype == OCI_ATTR_USERNAME || attrtype == OCI_ATTR_PASSWORD;
  bool isCount = attrtype == OCI_ATTR_PREFETCH_ROWS && attributep && size == sizeof(ub4);
  std::string value = isText    ? " value=" + Text(attributep, size)
                      : isCount ? " value=" + N(*static_cast<const ub4*>(attributep))
                                : "";
  sword status = Record("OCIAttrSet htype=" + N(trghndltyp) + " attr=" + N(attrtype) + value + " size=" + N(size));
  Handle* target = Find(trgthndlp, trghndltyp);
  if (!target || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (!Proceeds(status)) return status;
  if (attrtype == OCI_ATTR_SERVER) target->server = Find(attributep, OCI_HTYPE_SERVER);
  if (attrtype == OCI_ATTR_SESSION) target->session = Find(attributep, OCI_HTYPE_SESSION);
  return status;
}

OCI_EXPORT sword OCIAttrGet(const dvoid* trgthndlp, ub4 trghndltyp, dvoid* attributep, ub4* sizep, ub4 attrtype,
                            OCIError* errhp) {
  sword status = Record("OCIAttrGet htype=" + N(trghndltyp) + " attr=" + N(attrtype));
  Handle* source = Find(trgthndlp, trghndltyp);
  if (!source || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (!Proceeds(status)) return status;
  if (trghndltyp == OCI_DTYPE_PARAM) return GetParameterAttribute(*source, attributep, sizep, attrtype);
  if (trghndltyp == OCI_HTYPE_ENV) {
    if (attrtype != OCI_ATTR_ENV_CHARSET_ID) return OCI_ERROR;
    *static_cast<ub2*>(attributep) = static_cast<ub2>(Attribute(attrtype));
    return OCI_SUCCESS;
  }
  return GetStatementAttribute(*source, attributep, attrtype);
}

OCI_EXPORT sword OCIBindByPos(OCIStmt*, OCIBind**, OCIError*, ub4 position, dvoid*, sb4 value_sz, ub2 dty, dvoid*, ub2*,
                              ub2*, ub4, ub4*, ub4 mode) {
  // Nothing in the system binds variables; a call here is itself the finding.
  return Record("OCIBindByPos position=" + N(position) + " size=" + N(value_sz) + " type=" + N(dty) +
                " mode=" + N(mode));
}

OCI_EXPORT sword OCIHandleFree(dvoid* hndlp, ub4 type) {
  sword status = Record("OCIHandleFree type=" + N(type));
  if (!Free(hndlp, type)) return OCI_INVALID_HANDLE;
  return status;
}

OCI_EXPORT sword OCISessionBegin(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4 credt, ub4 mode) {
  sword status = Record("OCISessionBegin credentials=" + N(credt) + " mode=" + N(mode));
  Handle* context = Find(svchp, OCI_HTYPE_SVCCTX);
  if (!context || !Find(errhp, OCI_HTYPE_ERROR) || !Find(usrhp, OCI_HTYPE_SESSION)) return OCI_INVALID_HANDLE;
  if (!context->server) return OCI_ERROR;
  return status;
}

OCI_EXPORT sword OCISessionEnd(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4 mode) {
  sword status = Record("OCISessionEnd mode=" + N(mode));
  if (!Find(svchp, OCI_HTYPE_SVCCTX) || !Find(errhp, OCI_HTYPE_ERROR) || !Find(usrhp, OCI_HTYPE_SESSION))
    return OCI_INVALID_HANDLE;
  return status;
}

OCI_EXPORT sword OCIStmtExecute(OCISvcCtx* svchp, OCIStmt* stmtp, OCIError* errhp, ub4 iters, ub4 rowoff,
                                const OCISnapshot* snap_in, OCISnapshot* snap_out, ub4 mode) {
  bool snapshots = snap_in || snap_out;
  sword status = Record("OCIStmtExecute iters=" + N(iters) + " rowoff=" + N(rowoff) + " mode=" + N(mode) +
                        (snapshots ? " snapshots" : ""));
  Handle* context = Find(svchp, OCI_HTYPE_SVCCTX);
  Handle* statement = Find(stmtp, OCI_HTYPE_STMT);
  if (!context || !statement || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  bool select = Attribute(OCI_ATTR_STMT_TYPE) == OCI_STMT_SELECT;
  // No session in the context, no prepared text, or a non-query run zero times: refused.
  if (!context->session || !statement->prepared || (iters == 0 && !select)) return OCI_ERROR;
  if (Proceeds(status) && select && iters == 0) {
    statement->executedAsQuery = true;
    statement->fetchedRows = 0;
  }
  return status;
}

OCI_EXPORT sword OCIStmtPrepare(OCIStmt* stmtp, OCIError* errhp, const OraText* stmt, ub4 stmt_len, ub4 language,
                                ub4 mode) {
  sword status = Record("OCIStmtPrepare text=" + Text(stmt, stmt_len) + " length=" + N(stmt_len) +
                        " language=" + N(language) + " mode=" + N(mode));
  Handle* statement = Find(stmtp, OCI_HTYPE_STMT);
  if (!statement || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (Proceeds(status)) statement->prepared = true;
  return status;
}

OCI_EXPORT sword OCIStmtFetch(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, ub4 mode) {
  sword status = Record("OCIStmtFetch rows=" + N(nrows) + " orientation=" + N(orientation) + " mode=" + N(mode));
  Handle* statement = Find(stmtp, OCI_HTYPE_STMT);
  if (!statement || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (!Proceeds(status)) return status;
  if (!statement->executedAsQuery) return OCI_ERROR;
  const std::vector<Row>& rows = TheState().rows;
  if (statement->fetchedRows >= rows.size()) return OCI_NO_DATA;
  FillDefines(*statement, rows[statement->fetchedRows++], status);
  return status;
}

OCI_EXPORT sword OCIDefineByPos(OCIStmt* stmtp, OCIDefine** defnp, OCIError* errhp, ub4 position, dvoid* valuep,
                                sb4 value_sz, ub2 dty, dvoid* indp, ub2* rlenp, ub2* rcodep, ub4 mode) {
  bool arrays = rlenp || rcodep;
  sword status = Record("OCIDefineByPos position=" + N(position) + " size=" + N(value_sz) + " type=" + N(dty) +
                        " mode=" + N(mode) + (arrays ? " arrays" : ""));
  Handle* statement = Find(stmtp, OCI_HTYPE_STMT);
  if (!statement || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (!Proceeds(status)) return status;
  statement->defines[position] = {static_cast<char*>(valuep), value_sz, static_cast<sb2*>(indp)};
  *defnp = reinterpret_cast<OCIDefine*>(AllocateOwned(*statement, OCI_HTYPE_DEFINE));
  return status;
}

OCI_EXPORT sword OCIErrorGet(dvoid* hndlp, ub4 recordno, OraText* sqlstate, sb4* errcodep, OraText* bufp, ub4 bufsiz,
                             ub4 type) {
  sword status = Record("OCIErrorGet record=" + N(recordno) + " size=" + N(bufsiz) + " type=" + N(type) +
                        (sqlstate ? " sqlstate" : ""));
  if (!Find(hndlp, type)) return OCI_INVALID_HANDLE;
  const std::optional<std::string>& text = TheState().errorText;
  if (!Proceeds(status)) return status;
  if (!text) return OCI_NO_DATA;
  size_t copied = std::min<size_t>(text->size(), bufsiz > 0 ? bufsiz - 1 : 0);
  if (bufsiz > 0) {
    std::memcpy(bufp, text->data(), copied);
    bufp[copied] = 0;
  }
  *errcodep = 1;
  return status;
}

OCI_EXPORT sword OCIParamGet(const dvoid* hndlp, ub4 htype, OCIError* errhp, dvoid** parmdpp, ub4 pos) {
  sword status = Record("OCIParamGet htype=" + N(htype) + " position=" + N(pos));
  Handle* statement = Find(hndlp, htype);
  if (!statement || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  if (!Proceeds(status)) return status;
  if (!statement->executedAsQuery || pos < 1 || pos > TheState().columns.size()) return OCI_ERROR;
  Handle* parameter = AllocateOwned(*statement, OCI_DTYPE_PARAM);
  parameter->position = pos;
  *parmdpp = parameter;
  return status;
}

OCI_EXPORT sword OCIServerDetach(OCIServer* srvhp, OCIError* errhp, ub4 mode) {
  sword status = Record("OCIServerDetach mode=" + N(mode));
  if (!Find(srvhp, OCI_HTYPE_SERVER) || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  return status;
}

OCI_EXPORT sword OCITerminate(ub4 mode) { return Record("OCITerminate mode=" + N(mode)); }

OCI_EXPORT sword OCIBreak(dvoid* hndlp, OCIError* errhp) {
  sword status = Record("OCIBreak");
  if (!Find(hndlp, OCI_HTYPE_SVCCTX) || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  return status;
}

OCI_EXPORT sword OCIReset(dvoid* hndlp, OCIError* errhp) {
  sword status = Record("OCIReset");
  if (!Find(hndlp, OCI_HTYPE_SVCCTX) || !Find(errhp, OCI_HTYPE_ERROR)) return OCI_INVALID_HANDLE;
  return status;
}
