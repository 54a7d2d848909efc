// The entry points called directly: handle checks, attributes, defines, truncation,
// indicators and the error records the binding never asks for in these ways.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "OciApi.h"
#include "ScratchData.h"

namespace {

// One session's handles, set up and torn down as the binding does it.
class OciSession {
 public:
  template <typename Handle>
  Handle* Allocate(ub4 type) {
    void* handle = nullptr;
    OCIHandleAlloc(env_, &handle, type, 0, nullptr);
    return static_cast<Handle*>(handle);
  }

  sword Begin(const std::string& user, const std::string& password) {
    OCIInitialize(OCI_OBJECT, nullptr, nullptr, nullptr, nullptr);
    OCIEnvInit(&env_, OCI_ENV_NO_UCB, 0, nullptr);
    err_ = Allocate<OCIError>(OCI_HTYPE_ERROR);
    srv_ = Allocate<OCIServer>(OCI_HTYPE_SERVER);
    sword attached = OCIServerAttach(srv_, err_, reinterpret_cast<const OraText*>("DEMO"), 4, OCI_DEFAULT);
    if (attached != OCI_SUCCESS) return attached;
    svc_ = Allocate<OCISvcCtx>(OCI_HTYPE_SVCCTX);
    OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, srv_, 0, OCI_ATTR_SERVER, err_);
    sess_ = Allocate<OCISession>(OCI_HTYPE_SESSION);
    OCIAttrSet(sess_, OCI_HTYPE_SESSION, const_cast<char*>(user.data()), static_cast<ub4>(user.size()), OCI_ATTR_USERNAME, err_);
    OCIAttrSet(sess_, OCI_HTYPE_SESSION, const_cast<char*>(password.data()), static_cast<ub4>(password.size()),
               OCI_ATTR_PASSWORD, err_);
    sword begun = OCISessionBegin(svc_, err_, sess_, OCI_CRED_RDBMS, OCI_DEFAULT);
    OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, sess_, 0, OCI_ATTR_SESSION, err_);
    return begun;
  }

  void End() {
    if (stmt_) OCIHandleFree(stmt_, OCI_HTYPE_STMT);
    OCISessionEnd(svc_, err_, sess_, OCI_DEFAULT);
    OCIHandleFree(sess_, OCI_HTYPE_SESSION);
    OCIHandleFree(svc_, OCI_HTYPE_SVCCTX);
    OCIServerDetach(srv_, err_, OCI_DEFAULT);
    OCIHandleFree(srv_, OCI_HTYPE_SERVER);
    OCIHandleFree(err_, OCI_HTYPE_ERROR);
    OCIHandleFree(env_, OCI_HTYPE_ENV);
    OCITerminate(OCI_DEFAULT);
    stmt_ = nullptr;
  }

  sword Prepare(const std::string& sql) {
    if (!stmt_) stmt_ = Allocate<OCIStmt>(OCI_HTYPE_STMT);
    return OCIStmtPrepare(stmt_, err_, reinterpret_cast<const OraText*>(sql.data()), static_cast<ub4>(sql.size()),
                          OCI_NTV_SYNTAX, OCI_DEFAULT);
  }

  sword Query(const std::string& sql) {
    Prepare(sql);
    return OCIStmtExecute(svc_, stmt_, err_, 0, 0, nullptr, nullptr, OCI_DEFAULT);
  }

  std::string ErrorText() {
    char text[512] = {};
    sb4 code = 0;
    if (OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR) != OCI_SUCCESS) {
      return "(none)";
    }
    return text;
  }

  ub2 StatementType() {
    ub2 type = 0;
    OCIAttrGet(stmt_, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, err_);
    return type;
  }

  ub4 RowCount() {
    ub4 rows = 0;
    OCIAttrGet(stmt_, OCI_HTYPE_STMT, &rows, nullptr, OCI_ATTR_ROW_COUNT, err_);
    return rows;
  }

 protected:
  OCIEnv* env_ = nullptr;
  OCIError* err_ = nullptr;
  OCIServer* srv_ = nullptr;
  OCISvcCtx* svc_ = nullptr;
  OCISession* sess_ = nullptr;
  OCIStmt* stmt_ = nullptr;
};

class OciCallsTest : public ::testing::Test, protected OciSession {
 protected:
  static void Seed() {
    OciSession session;
    ASSERT_EQ(OCI_SUCCESS, session.Begin("SCOTT", "tiger"));
    session.End();
  }

  void SetUp() override {
    UseFreshDemoCopy(OCILITE_TEST_PROGRAM, Seed);
    ASSERT_EQ(OCI_SUCCESS, Begin("SCOTT", "tiger")) << ErrorText();
  }
  void TearDown() override { End(); }
};

TEST_F(OciCallsTest, NullOrWrongHandlesAreRefused) {
  Prepare("SELECT 1 FROM DUAL");
  OCIError* wrongStatement = err_;  // a live handle of another type
  void* out = nullptr;
  ub4 size = 0;
  char buffer[8];
  sb2 indicator = 0;
  OCIDefine* define = nullptr;
  const sword expected = OCI_INVALID_HANDLE;
  EXPECT_EQ(expected, OCIEnvInit(nullptr, OCI_DEFAULT, 0, nullptr));
  EXPECT_EQ(expected, OCIHandleAlloc(nullptr, &out, OCI_HTYPE_STMT, 0, nullptr));
  EXPECT_EQ(expected, OCIHandleAlloc(err_, &out, OCI_HTYPE_STMT, 0, nullptr));
  EXPECT_EQ(expected, OCIServerAttach(nullptr, err_, reinterpret_cast<const OraText*>("DEMO"), 4, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIServerAttach(srv_, nullptr, reinterpret_cast<const OraText*>("DEMO"), 4, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIAttrSet(nullptr, OCI_HTYPE_SVCCTX, srv_, 0, OCI_ATTR_SERVER, err_));
  EXPECT_EQ(expected, OCIAttrSet(svc_, OCI_HTYPE_SESSION, srv_, 0, OCI_ATTR_SERVER, err_));
  EXPECT_EQ(expected, OCIAttrGet(wrongStatement, OCI_HTYPE_STMT, &size, nullptr, OCI_ATTR_ROW_COUNT, err_));
  EXPECT_EQ(expected, OCIBindByPos(nullptr, nullptr, err_, 1, nullptr, 0, SQLT_STR, nullptr, nullptr, nullptr, 0,
                                   nullptr, OCI_DEFAULT));
  EXPECT_EQ(expected, OCISessionBegin(svc_, err_, nullptr, OCI_CRED_RDBMS, OCI_DEFAULT));
  EXPECT_EQ(expected, OCISessionEnd(nullptr, err_, sess_, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIStmtPrepare(nullptr, err_, reinterpret_cast<const OraText*>("X"), 1, OCI_NTV_SYNTAX, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIStmtExecute(svc_, reinterpret_cast<OCIStmt*>(wrongStatement), err_, 0, 0, nullptr, nullptr,
                                     OCI_DEFAULT));
  EXPECT_EQ(expected, OCIStmtExecute(nullptr, stmt_, err_, 0, 0, nullptr, nullptr, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIStmtFetch(stmt_, nullptr, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIDefineByPos(nullptr, &define, err_, 1, buffer, sizeof buffer, SQLT_STR, &indicator, nullptr,
                                     nullptr, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIErrorGet(nullptr, 1, nullptr, nullptr, nullptr, 0, OCI_HTYPE_ERROR));
  EXPECT_EQ(expected, OCIParamGet(stmt_, OCI_HTYPE_ERROR, err_, &out, 1));
  EXPECT_EQ(expected, OCIServerDetach(nullptr, err_, OCI_DEFAULT));
  EXPECT_EQ(expected, OCIHandleFree(nullptr, OCI_HTYPE_STMT));
  EXPECT_EQ(expected, OCIHandleFree(err_, OCI_HTYPE_STMT));
}

TEST_F(OciCallsTest, FreedHandleIsNoLongerValid) {
  OCIStmt* statement = Allocate<OCIStmt>(OCI_HTYPE_STMT);
  ASSERT_EQ(OCI_SUCCESS, OCIHandleFree(statement, OCI_HTYPE_STMT));
  EXPECT_EQ(OCI_INVALID_HANDLE, OCIStmtPrepare(statement, err_, reinterpret_cast<const OraText*>("X"), 1,
                                               OCI_NTV_SYNTAX, OCI_DEFAULT));
  EXPECT_EQ(OCI_INVALID_HANDLE, OCIHandleFree(statement, OCI_HTYPE_STMT));
}

struct TypeCase {
  const char* sql;
  ub2 type;
};

class StatementTypeTest : public OciCallsTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(StatementTypeTest, PrepareReportsTheType) {
  ASSERT_EQ(OCI_SUCCESS, Prepare(GetParam().sql));
  EXPECT_EQ(GetParam().type, StatementType());
}

const TypeCase kTypeCases[] = {
    {"SELECT * FROM EMP", OCI_STMT_SELECT}, {"UPDATE EMP SET SAL = 1", OCI_STMT_UPDATE},
    {"DELETE FROM EMP", OCI_STMT_DELETE},   {"INSERT INTO BONUS VALUES (1)", OCI_STMT_INSERT},
    {"CREATE TABLE X (A NUMBER)", OCI_STMT_CREATE}, {"DROP TABLE X", OCI_STMT_DROP},
    {"ALTER TABLE X ADD B NUMBER", OCI_STMT_ALTER}, {"BEGIN NULL; END;", OCI_STMT_BEGIN},
    {"DECLARE BEGIN NULL; END;", OCI_STMT_DECLARE}, {"this is no SQL", 0},
};

INSTANTIATE_TEST_SUITE_P(Types, StatementTypeTest, ::testing::ValuesIn(kTypeCases));

TEST_F(OciCallsTest, DescribesNamesAndDisplaySizes) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT ENAME, SAL, HIREDATE, ENAME || JOB FROM EMP")) << ErrorText();
  ub4 count = 0;
  OCIAttrGet(stmt_, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_PARAM_COUNT, err_);
  ASSERT_EQ(4u, count);
  const char* const names[] = {"ENAME", "SAL", "HIREDATE", "ENAME||JOB"};
  const ub2 sizes[] = {10, 40, 19, 4000};
  for (ub4 position = 1; position <= count; ++position) {
    void* param = nullptr;
    ASSERT_EQ(OCI_SUCCESS, OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &param, position));
    OraText* name = nullptr;
    ub4 length = 0;
    ub2 size = 0;
    OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, err_);
    OCIAttrGet(param, OCI_DTYPE_PARAM, &size, nullptr, OCI_ATTR_DISP_SIZE, err_);
    EXPECT_EQ(names[position - 1], std::string(reinterpret_cast<char*>(name), length));
    EXPECT_EQ(sizes[position - 1], size);
  }
  void* beyond = nullptr;
  EXPECT_EQ(OCI_ERROR, OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &beyond, count + 1));
}

TEST_F(OciCallsTest, TruncatesLongValuesWithAWarning) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT ENAME FROM EMP WHERE EMPNO = 7654")) << ErrorText();
  char buffer[4];
  sb2 indicator = 0;
  ub2 length = 0;
  ub2 code = 0;
  OCIDefine* define = nullptr;
  ASSERT_EQ(OCI_SUCCESS, OCIDefineByPos(stmt_, &define, err_, 1, buffer, sizeof buffer, SQLT_STR, &indicator, &length,
                                        &code, OCI_DEFAULT));
  EXPECT_EQ(OCI_SUCCESS_WITH_INFO, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_STREQ("MAR", buffer);
  EXPECT_EQ(6, indicator);  // MARTIN's full length
  EXPECT_EQ(3, length);
  EXPECT_EQ(1406, code);
  EXPECT_EQ("ORA-01406: fetched column value was truncated\n", ErrorText());
}

TEST_F(OciCallsTest, NullGivesIndicatorMinusOne) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT COMM, SAL FROM EMP WHERE EMPNO = 7839")) << ErrorText();
  char comm[41] = "stale";
  char sal[41];
  sb2 commIndicator = 0;
  sb2 salIndicator = -5;
  OCIDefine* define = nullptr;
  OCIDefineByPos(stmt_, &define, err_, 1, comm, sizeof comm, SQLT_STR, &commIndicator, nullptr, nullptr, OCI_DEFAULT);
  OCIDefineByPos(stmt_, &define, err_, 2, sal, sizeof sal, SQLT_STR, &salIndicator, nullptr, nullptr, OCI_DEFAULT);
  ASSERT_EQ(OCI_SUCCESS, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_EQ(OCI_IND_NULL, commIndicator);
  EXPECT_EQ(0, salIndicator);
  EXPECT_STREQ("5000", sal);
  EXPECT_EQ(1u, RowCount());
  EXPECT_EQ(OCI_NO_DATA, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_EQ(OCI_NO_DATA, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_EQ("ORA-01403: no data found\n", ErrorText());
}

TEST_F(OciCallsTest, QueryRowCountGrowsWithEachFetch) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT DEPTNO FROM DEPT")) << ErrorText();
  EXPECT_EQ(0u, RowCount());
  OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT);
  OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT);
  EXPECT_EQ(2u, RowCount());
}

TEST_F(OciCallsTest, NonQueryNeedsAnIteration) {
  Prepare("DELETE FROM BONUS");
  EXPECT_EQ(OCI_ERROR, OCIStmtExecute(svc_, stmt_, err_, 0, 0, nullptr, nullptr, OCI_DEFAULT));
  EXPECT_EQ("ORA-24333: zero iteration count\n", ErrorText());
}

TEST_F(OciCallsTest, ParseErrorOffsetOnStatementAndErrorHandle) {
  ASSERT_EQ(OCI_ERROR, Query("SELECT ENAME FROM NOSUCH"));
  ub2 fromStatement = 0;
  ub2 fromError = 0;
  OCIAttrGet(stmt_, OCI_HTYPE_STMT, &fromStatement, nullptr, OCI_ATTR_PARSE_ERROR_OFFSET, err_);
  OCIAttrGet(err_, OCI_HTYPE_ERROR, &fromError, nullptr, OCI_ATTR_PARSE_ERROR_OFFSET, err_);
  EXPECT_EQ(18, fromStatement);
  EXPECT_EQ(18, fromError);
  EXPECT_EQ("ORA-00942: table or view does not exist\n", ErrorText());
}

TEST_F(OciCallsTest, ErrorRecordsAndBuffers) {
  char text[16] = {};
  sb4 code = 0;
  EXPECT_EQ(OCI_NO_DATA, OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR));
  Query("SELECT * FROM NOSUCH");
  EXPECT_EQ(OCI_SUCCESS, OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR));
  EXPECT_EQ(942, code);
  EXPECT_STREQ("ORA-00942: tabl", text);
  EXPECT_EQ(OCI_NO_DATA, OCIErrorGet(err_, 2, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR));
}

TEST_F(OciCallsTest, BindVariablesAreNotSupported) {
  Prepare("SELECT * FROM EMP WHERE EMPNO = :1");
  OCIBind* bind = nullptr;
  int value = 7839;
  EXPECT_EQ(OCI_ERROR, OCIBindByPos(stmt_, &bind, err_, 1, &value, sizeof value, 3, nullptr, nullptr, nullptr, 0,
                                    nullptr, OCI_DEFAULT));
  EXPECT_EQ("ORA-03001: unimplemented feature: bind variables\n", ErrorText());
}

TEST_F(OciCallsTest, FetchAfterTheSessionEndedFails) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT DEPTNO FROM DEPT")) << ErrorText();
  OCISessionEnd(svc_, err_, sess_, OCI_DEFAULT);
  EXPECT_EQ(OCI_ERROR, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_EQ("ORA-03114: not connected to ORACLE\n", ErrorText());
  EXPECT_EQ(OCI_ERROR, Query("SELECT 1 FROM DUAL"));
}

TEST_F(OciCallsTest, ExpiringPasswordWarnsButLogsIn) {
  End();
  EXPECT_EQ(OCI_SUCCESS_WITH_INFO, Begin("HR", "hr"));
  EXPECT_EQ("ORA-28002: the password will expire within 7 days\n", ErrorText());
  EXPECT_EQ(OCI_SUCCESS, Query("SELECT REGION_NAME FROM REGIONS")) << ErrorText();
}

TEST_F(OciCallsTest, SessionMustBeAttachedFirst) {
  OCISvcCtx* service = Allocate<OCISvcCtx>(OCI_HTYPE_SVCCTX);
  OCISession* session = Allocate<OCISession>(OCI_HTYPE_SESSION);
  EXPECT_EQ(OCI_ERROR, OCISessionBegin(service, err_, session, OCI_CRED_RDBMS, OCI_DEFAULT));
  EXPECT_EQ("ORA-24327: need explicit attach before authenticating a user\n", ErrorText());
  OCIHandleFree(session, OCI_HTYPE_SESSION);
  OCIHandleFree(service, OCI_HTYPE_SVCCTX);
}

}  // namespace
