// The part of the Oracle Call Interface that Zenquill calls: types, constants and the
// prototypes of the eighteen entry points and of the two optional ones that cancel a call,
// declared from the published interface.
// Shared by the binding (which loads them), the stand-in client library ocilite and the
// test double (which export them). Plain C linkage, default calling convention.
#ifndef ZENQUILL_DB_OCIAPI_H
#define ZENQUILL_DB_OCIAPI_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef unsigned char ub1;
typedef signed char sb1;
typedef unsigned short ub2;
typedef signed short sb2;
typedef unsigned int ub4;
typedef signed int sb4;
typedef unsigned char OraText;
typedef int sword;
typedef void dvoid;

// Opaque handles: the client library decides what stands behind them.
typedef struct OCIEnv OCIEnv;
typedef struct OCIError OCIError;
typedef struct OCIServer OCIServer;
typedef struct OCISvcCtx OCISvcCtx;
typedef struct OCISession OCISession;
typedef struct OCIStmt OCIStmt;
typedef struct OCIDefine OCIDefine;
typedef struct OCIBind OCIBind;
typedef struct OCISnapshot OCISnapshot;
typedef struct OCIParam OCIParam;

// Statuses.
enum {
  OCI_SUCCESS = 0,
  OCI_SUCCESS_WITH_INFO = 1,
  OCI_NEED_DATA = 99,
  OCI_NO_DATA = 100,
  OCI_ERROR = -1,
  OCI_INVALID_HANDLE = -2,
  OCI_STILL_EXECUTING = -3123,
  OCI_CONTINUE = -24200
};

// Modes.
enum {
  OCI_DEFAULT = 0,
  OCI_THREADED = 1,
  OCI_OBJECT = 2,
  OCI_ENV_NO_UCB = 1,
  OCI_SYSDBA = 2,
  OCI_SYSOPER = 4,
  OCI_COMMIT_ON_SUCCESS = 32
};

// Handle and descriptor types.
enum {
  OCI_HTYPE_ENV = 1,
  OCI_HTYPE_ERROR = 2,
  OCI_HTYPE_SVCCTX = 3,
  OCI_HTYPE_STMT = 4,
  OCI_HTYPE_BIND = 5,
  OCI_HTYPE_DEFINE = 6,
  OCI_HTYPE_SERVER = 8,
  OCI_HTYPE_SESSION = 9,
  OCI_DTYPE_PARAM = 53
};

// Attributes.
enum {
  OCI_ATTR_DATA_SIZE = 1,
  OCI_ATTR_DATA_TYPE = 2,
  OCI_ATTR_DISP_SIZE = 3,
  OCI_ATTR_NAME = 4,
  OCI_ATTR_PRECISION = 5,
  OCI_ATTR_SCALE = 6,
  OCI_ATTR_SERVER = 6,
  OCI_ATTR_SESSION = 7,
  OCI_ATTR_ROW_COUNT = 9,
  OCI_ATTR_PREFETCH_ROWS = 11,
  OCI_ATTR_PREFETCH_MEMORY = 13,
  OCI_ATTR_PARAM_COUNT = 18,
  OCI_ATTR_USERNAME = 22,
  OCI_ATTR_PASSWORD = 23,
  OCI_ATTR_STMT_TYPE = 24,
  OCI_ATTR_ENV_CHARSET_ID = 31,
  OCI_ATTR_PARSE_ERROR_OFFSET = 129,
  OCI_ATTR_CHAR_SIZE = 286
};

// Column data types reported through OCI_ATTR_DATA_TYPE.
enum {
  SQLT_CHR = 1,
  SQLT_NUM = 2,
  SQLT_LNG = 8,
  SQLT_RID = 11,
  SQLT_DAT = 12,
  SQLT_BIN = 23,
  SQLT_LBI = 24,
  SQLT_AFC = 96,
  SQLT_IBFLOAT = 100,
  SQLT_IBDOUBLE = 101,
  SQLT_RDD = 104,
  SQLT_CLOB = 112,
  SQLT_BLOB = 113,
  SQLT_TIMESTAMP = 187,
  SQLT_TIMESTAMP_TZ = 188,
  SQLT_INTERVAL_YM = 189,
  SQLT_INTERVAL_DS = 190,
  SQLT_TIMESTAMP_LTZ = 232
};

// Credentials, syntax, fetch orientation, data types, indicators.
enum { OCI_CRED_RDBMS = 1, OCI_CRED_EXT = 2, OCI_NTV_SYNTAX = 1, OCI_FETCH_NEXT = 2, SQLT_STR = 5, OCI_IND_NULL = -1 };

// Statement types reported through OCI_ATTR_STMT_TYPE.
enum {
  OCI_STMT_SELECT = 1,
  OCI_STMT_UPDATE = 2,
  OCI_STMT_DELETE = 3,
  OCI_STMT_INSERT = 4,
  OCI_STMT_CREATE = 5,
  OCI_STMT_DROP = 6,
  OCI_STMT_ALTER = 7,
  OCI_STMT_BEGIN = 8,
  OCI_STMT_DECLARE = 9
};

sword OCIInitialize(ub4 mode, dvoid* ctxp, dvoid* (*malocfp)(dvoid*, size_t), dvoid* (*ralocfp)(dvoid*, dvoid*, size_t),
                    void (*mfreefp)(dvoid*, dvoid*));
sword OCIEnvInit(OCIEnv** envp, ub4 mode, size_t xtramem_sz, dvoid** usrmempp);
sword OCIHandleAlloc(const dvoid* parenth, dvoid** hndlpp, ub4 type, size_t xtramem_sz, dvoid** usrmempp);
sword OCIServerAttach(OCIServer* srvhp, OCIError* errhp, const OraText* dblink, sb4 dblink_len, ub4 mode);
sword OCIAttrSet(dvoid* trgthndlp, ub4 trghndltyp, dvoid* attributep, ub4 size, ub4 attrtype, OCIError* errhp);
sword OCIAttrGet(const dvoid* trgthndlp, ub4 trghndltyp, dvoid* attributep, ub4* sizep, ub4 attrtype, OCIError* errhp);
sword OCIBindByPos(OCIStmt* stmtp, OCIBind** bindp, OCIError* errhp, ub4 position, dvoid* valuep, sb4 value_sz, ub2 dty,
                   dvoid* indp, ub2* alenp, ub2* rcodep, ub4 maxarr_len, ub4* curelep, ub4 mode);
sword OCIHandleFree(dvoid* hndlp, ub4 type);
sword OCISessionBegin(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4 credt, ub4 mode);
sword OCISessionEnd(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4 mode);
sword OCIStmtExecute(OCISvcCtx* svchp, OCIStmt* stmtp, OCIError* errhp, ub4 iters, ub4 rowoff,
                     const OCISnapshot* snap_in, OCISnapshot* snap_out, ub4 mode);
sword OCIStmtPrepare(OCIStmt* stmtp, OCIError* errhp, const OraText* stmt, ub4 stmt_len, ub4 language, ub4 mode);
sword OCIStmtFetch(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, ub4 mode);
sword OCIDefineByPos(OCIStmt* stmtp, OCIDefine** defnp, OCIError* errhp, ub4 position, dvoid* valuep, sb4 value_sz,
                     ub2 dty, dvoid* indp, ub2* rlenp, ub2* rcodep, ub4 mode);
sword OCIErrorGet(dvoid* hndlp, ub4 recordno, OraText* sqlstate, sb4* errcodep, OraText* bufp, ub4 bufsiz, ub4 type);
sword OCIParamGet(const dvoid* hndlp, ub4 htype, OCIError* errhp, dvoid** parmdpp, ub4 pos);
sword OCIServerDetach(OCIServer* srvhp, OCIError* errhp, ub4 mode);
sword OCITerminate(ub4 mode);
// Both take the service context: the break may come from another thread while a call runs.
sword OCIBreak(dvoid* hndlp, OCIError* errhp);
sword OCIReset(dvoid* hndlp, OCIError* errhp);

#ifdef __cplusplus
}
#endif

// Exporters (ocilite, the test double) mark their definitions with OCI_EXPORT.
#if defined(_WIN32)
#define OCI_EXPORT extern "C" __declspec(dllexport)
#else
#define OCI_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#endif
