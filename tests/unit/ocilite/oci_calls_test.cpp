// The entry points called directly: handle checks, attributes, defines, truncation,
// indicators and the error records the binding never asks for in these ways.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "OciApi.h"
#include "oci/RoundTrips.h"
#include "ScratchData.h"
#include "sql/SqlLexer.h"

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
    OCIAttrSet(sess_, OCI_HTYPE_SESSION, const_cast<char*>(user.data()), static_cast<ub4>(user.size()),
               OCI_ATTR_USERNAME, err_);
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
    if (OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR) !=
        OCI_SUCCESS) {
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

  // The session's round trips so far, read as a user reads them, on a statement of its own.
  ub4 RoundTrips() {
    const std::string sql =
        "SELECT VALUE FROM V$MYSTAT JOIN V$STATNAME USING (STATISTIC#) "
        "WHERE NAME = 'SQL*Net roundtrips to/from client'";
    OCIStmt* statement = Allocate<OCIStmt>(OCI_HTYPE_STMT);
    char value[32] = {};
    sb2 indicator = 0;
    OCIDefine* define = nullptr;
    OCIStmtPrepare(statement, err_, reinterpret_cast<const OraText*>(sql.data()), static_cast<ub4>(sql.size()),
                   OCI_NTV_SYNTAX, OCI_DEFAULT);
    OCIStmtExecute(svc_, statement, err_, 0, 0, nullptr, nullptr, OCI_DEFAULT);
    OCIDefineByPos(statement, &define, err_, 1, value, sizeof value, SQLT_STR, &indicator, nullptr, nullptr,
                   OCI_DEFAULT);
    const sword fetched = OCIStmtFetch(statement, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT);
    OCIHandleFree(statement, OCI_HTYPE_STMT);
    EXPECT_EQ(OCI_SUCCESS, fetched) << ErrorText();
    return static_cast<ub4>(std::strtoul(value, nullptr, 10));
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
  EXPECT_EQ(expected,
            OCIStmtPrepare(nullptr, err_, reinterpret_cast<const OraText*>("X"), 1, OCI_NTV_SYNTAX, OCI_DEFAULT));
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
  EXPECT_EQ(OCI_INVALID_HANDLE,
            OCIStmtPrepare(statement, err_, reinterpret_cast<const OraText*>("X"), 1, OCI_NTV_SYNTAX, OCI_DEFAULT));
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
    {"SELECT * FROM EMP", OCI_STMT_SELECT},         {"UPDATE EMP SET SAL = 1", OCI_STMT_UPDATE},
    {"DELETE FROM EMP", OCI_STMT_DELETE},           {"INSERT INTO BONUS VALUES (1)", OCI_STMT_INSERT},
    {"CREATE TABLE X (A NUMBER)", OCI_STMT_CREATE}, {"DROP TABLE X", OCI_STMT_DROP},
    {"ALTER TABLE X ADD B NUMBER", OCI_STMT_ALTER}, {"BEGIN NULL; END;", OCI_STMT_BEGIN},
    {"DECLARE BEGIN NULL; END;", OCI_STMT_DECLARE}, {"this is no SQL", 0},
};

INSTANTIATE_TEST_SUITE_P(Types, StatementTypeTest, ::testing::ValuesIn(kTypeCases));

// Each attribute read into a zeroed 32-bit variable, as a client that knows widths differ
// between versions reads it.
TEST_F(OciCallsTest, DescribesColumnsAsTheServerDoes) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT ENAME, SAL, HIREDATE, ENAME || JOB, SUM(SAL) FROM EMP GROUP BY ENAME, SAL, "
                               "HIREDATE, JOB"))
      << ErrorText();
  ub4 count = 0;
  OCIAttrGet(stmt_, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_PARAM_COUNT, err_);
  ASSERT_EQ(5u, count);
  const struct {
    const char* name;
    ub4 type, dataSize, charSize, precision, scale, displaySize;
  } columns[] = {
      {"ENAME", SQLT_CHR, 10, 10, 0, 0, 10},   {"SAL", SQLT_NUM, 22, 0, 7, 2, 9},
      {"HIREDATE", SQLT_DAT, 7, 0, 0, 0, 9},   {"ENAME||JOB", SQLT_CHR, 4000, 4000, 0, 0, 4000},
      {"SUM(SAL)", SQLT_NUM, 22, 0, 0, 0, 22},
  };
  for (ub4 position = 1; position <= count; ++position) {
    const auto& expected = columns[position - 1];
    SCOPED_TRACE(expected.name);
    void* param = nullptr;
    ASSERT_EQ(OCI_SUCCESS, OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &param, position));
    OraText* name = nullptr;
    ub4 length = 0;
    OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, err_);
    EXPECT_EQ(expected.name, std::string(reinterpret_cast<char*>(name), length));
    const ub4 attributes[] = {OCI_ATTR_DATA_TYPE, OCI_ATTR_DATA_SIZE, OCI_ATTR_CHAR_SIZE,
                              OCI_ATTR_PRECISION, OCI_ATTR_SCALE,     OCI_ATTR_DISP_SIZE};
    const ub4 values[] = {expected.type,      expected.dataSize, expected.charSize,
                          expected.precision, expected.scale,    expected.displaySize};
    for (size_t k = 0; k < 6; ++k) {
      ub4 value = 0;
      EXPECT_EQ(OCI_SUCCESS, OCIAttrGet(param, OCI_DTYPE_PARAM, &value, nullptr, attributes[k], err_));
      EXPECT_EQ(values[k], value) << "attribute " << attributes[k];
    }
  }
  void* beyond = nullptr;
  EXPECT_EQ(OCI_ERROR, OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &beyond, count + 1));
  ub4 charset = 0;
  EXPECT_EQ(OCI_SUCCESS, OCIAttrGet(env_, OCI_HTYPE_ENV, &charset, nullptr, OCI_ATTR_ENV_CHARSET_ID, err_));
  EXPECT_EQ(1u, charset);  // US7ASCII: no NLS_LANG names a set here
}

// 'Muller' with u-umlaut as a program in code page 1252 sends it; what the client reads back,
// what the database keeps (read by a client in AL32UTF8, which takes bytes as they are), and
// what a client in WE8MSWIN1252 reads of it later. The AL32UTF8 writer leaves the byte
// unconverted, as databases made before ocilite converted hold it.
struct CharsetCase {
  const char* name;
  const char* nlsLang;
  ub4 id;
  std::string fetched;
  std::string stored;
  std::string readIn1252;
};

class ClientCharsetTest : public OciCallsTest, public ::testing::WithParamInterface<CharsetCase> {
 protected:
  void SetUp() override { UseFreshDemoCopy(OCILITE_TEST_PROGRAM, Seed); }
  void TearDown() override { SetEnvironment("NLS_LANG", ""); }
  std::string ReadIn(const char* nlsLang) {
    SetEnvironment("NLS_LANG", nlsLang);
    EXPECT_EQ(OCI_SUCCESS, Begin("SCOTT", "tiger")) << ErrorText();
    char value[32] = {};
    OCIDefine* define = nullptr;
    EXPECT_EQ(OCI_SUCCESS, Query("SELECT DNAME FROM DEPT WHERE DEPTNO = 10")) << ErrorText();
    OCIDefineByPos(stmt_, &define, err_, 1, value, sizeof value, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT);
    EXPECT_EQ(OCI_SUCCESS, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT)) << ErrorText();
    End();
    return value;
  }
};

TEST_P(ClientCharsetTest, TextIsConvertedBetweenTheClientsSetAndTheDatabases) {
  SetEnvironment("NLS_LANG", GetParam().nlsLang);
  ASSERT_EQ(OCI_SUCCESS, Begin("SCOTT", "tiger")) << ErrorText();
  ub4 id = 0;
  OCIAttrGet(env_, OCI_HTYPE_ENV, &id, nullptr, OCI_ATTR_ENV_CHARSET_ID, err_);
  EXPECT_EQ(GetParam().id, id);
  Prepare("UPDATE DEPT SET DNAME = 'M\xFCller' WHERE DEPTNO = 10");
  ASSERT_EQ(OCI_SUCCESS, OCIStmtExecute(svc_, stmt_, err_, 1, 0, nullptr, nullptr, OCI_COMMIT_ON_SUCCESS))
      << ErrorText();
  End();
  EXPECT_EQ(GetParam().fetched, ReadIn(GetParam().nlsLang));
  EXPECT_EQ(GetParam().stored, ReadIn(".AL32UTF8"));
  EXPECT_EQ(GetParam().readIn1252, ReadIn(".WE8MSWIN1252"));
}

const CharsetCase kCharsetCases[] = {
    {"Unset", "", 1, "M?ller", "M?ller", "M?ller"},
    {"AnsiCodePage", "AMERICAN_AMERICA.WE8MSWIN1252", 178, "M\xFCller", "M\xC3\xBCller", "M\xFCller"},
    {"SetOnlyAnyCase", ".we8mswin1252", 178, "M\xFCller", "M\xC3\xBCller", "M\xFCller"},
    {"Utf8TakesBytesAsTheyAre", ".AL32UTF8", 873, "M\xFCller", "M\xFCller", "M\xFCller"},
    {"NoSetPart", "AMERICAN_AMERICA", 1, "M?ller", "M?ller", "M?ller"},
    {"UnknownSet", ".XX8NOSUCHSET", 1, "M?ller", "M?ller", "M?ller"},
};

INSTANTIATE_TEST_SUITE_P(NlsLang, ClientCharsetTest, ::testing::ValuesIn(kCharsetCases),
                         [](const ::testing::TestParamInfo<CharsetCase>& info) { return info.param.name; });

struct AggregateCase {
  const char* sql;
  sword status;  // of the first fetch
  const char* first;
  const char* second;
};

class AggregateTest : public OciCallsTest, public ::testing::WithParamInterface<AggregateCase> {};

// Oracle delivers the row of an aggregate that skipped a NULL with a warning.
TEST_P(AggregateTest, WarnsOfSkippedNulls) {
  const AggregateCase& c = GetParam();
  ASSERT_EQ(OCI_SUCCESS, Query(c.sql)) << ErrorText();
  char first[64] = {}, second[64] = {};
  sb2 indicators[2] = {};
  OCIDefine* define = nullptr;
  OCIDefineByPos(stmt_, &define, err_, 1, first, sizeof first, SQLT_STR, &indicators[0], nullptr, nullptr, OCI_DEFAULT);
  OCIDefineByPos(stmt_, &define, err_, 2, second, sizeof second, SQLT_STR, &indicators[1], nullptr, nullptr,
                 OCI_DEFAULT);
  EXPECT_EQ(c.status, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_STREQ(c.first, first);
  EXPECT_STREQ(c.second, second);
  EXPECT_EQ(c.status == OCI_SUCCESS ? "(none)" : "ORA-24347: Warning of a NULL column in an aggregate function\n",
            ErrorText());
}

const AggregateCase kAggregateCases[] = {
    {"SELECT SUM(COMM), MAX(COMM) FROM EMP", OCI_SUCCESS_WITH_INFO, "2200", "1400"},
    {"SELECT MIN(COMM), AVG(COMM) FROM EMP", OCI_SUCCESS_WITH_INFO, "0", "550"},
    {"SELECT SUM(SAL), MAX(ENAME) FROM EMP", OCI_SUCCESS, "29025", "WARD"},
    {"SELECT MIN(SAL * 1.5), SUM(SAL / 2) FROM EMP WHERE DEPTNO = 10", OCI_SUCCESS, "1950", "4375"},
    // The same aggregates serve as window functions.
    {"SELECT MAX(SAL) OVER (ORDER BY EMPNO), SUM(SAL) OVER (ORDER BY EMPNO) FROM EMP ORDER BY EMPNO DESC", OCI_SUCCESS,
     "5000", "29025"},
};

INSTANTIATE_TEST_SUITE_P(Aggregates, AggregateTest, ::testing::ValuesIn(kAggregateCases));

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

TEST_F(OciCallsTest, ValueTooLongForTheIndicatorGivesMinusTwo) {
  ASSERT_EQ(OCI_SUCCESS, Query("SELECT replace(hex(zeroblob(20000)), '0', 'x') FROM DUAL")) << ErrorText();
  char buffer[10] = {};
  sb2 indicator = 0;
  OCIDefine* define = nullptr;
  OCIDefineByPos(stmt_, &define, err_, 1, buffer, sizeof buffer, SQLT_STR, &indicator, nullptr, nullptr, OCI_DEFAULT);
  EXPECT_EQ(OCI_SUCCESS_WITH_INFO, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT));
  EXPECT_EQ(-2, indicator);
  EXPECT_STREQ("xxxxxxxxx", buffer);
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

// Oracle's client: logon, execute (with a query's first rows), a fetch that the prefetched
// rows do not satisfy, commit: one round trip each.
TEST_F(OciCallsTest, RoundTripsAreCountedAsTheClientMakesThem) {
  const ub4 kReading = 1;  // the statistics query's own execute; its one row came with it
  EXPECT_EQ(1 + kReading, RoundTrips()) << "the logon";
  const struct {
    const char* exchange;
    ub4 prefetch;  // 0: not set
    const char* sql;
    ub4 trips;
  } cases[] = {
      {"1,200 rows, one at a time", 0, "SELECT * FROM ORDER_LINES", 1201},
      {"1,200 rows, prefetch 1", 1, "SELECT * FROM ORDER_LINES", 1201},
      {"1,200 rows, prefetch 500", 500, "SELECT * FROM ORDER_LINES", 3},
      {"1,000 rows, prefetch 500: the last batch was full", 500, "SELECT * FROM ORDER_LINES WHERE LINE_ID <= 1000", 3},
      {"no rows", 500, "SELECT * FROM ORDER_LINES WHERE LINE_ID < 0", 1},
      {"a non-query", 0, "UPDATE BONUS SET SAL = 1", 1},
      {"commit", 0, "COMMIT", 1},
      {"rollback", 0, "ROLLBACK", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.exchange);
    const ub4 before = RoundTrips();
    ASSERT_EQ(OCI_SUCCESS, Prepare(c.sql));
    ub4 prefetch = c.prefetch;
    if (prefetch) {
      ASSERT_EQ(OCI_SUCCESS,
                OCIAttrSet(stmt_, OCI_HTYPE_STMT, &prefetch, sizeof prefetch, OCI_ATTR_PREFETCH_ROWS, err_));
    }
    const bool query = StatementType() == OCI_STMT_SELECT;
    ASSERT_EQ(OCI_SUCCESS, OCIStmtExecute(svc_, stmt_, err_, query ? 0 : 1, 0, nullptr, nullptr, OCI_DEFAULT))
        << ErrorText();
    while (query && OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT) == OCI_SUCCESS) {
    }
    EXPECT_EQ(c.trips, RoundTrips() - before - kReading);
  }
}

// Prepare cuts the text into tokens; execute and every stage after it read those tokens.
TEST_F(OciCallsTest, EachStatementIsLexedOnce) {
  const char* const statements[] = {
      "SELECT ENAME FROM EMP WHERE SAL > (SELECT AVG(SAL) FROM EMP)",
      "UPDATE EMP SET SAL = SAL + 1 WHERE DEPTNO = 10",
      "CREATE OR REPLACE VIEW RICH AS SELECT ENAME FROM EMP WHERE SAL > 2000 WITH READ ONLY",
      "CREATE GLOBAL TEMPORARY TABLE SCRATCH (A NUMBER) ON COMMIT PRESERVE ROWS",
      "CREATE SEQUENCE SCRATCH_SEQ",
      "COMMIT",
  };
  for (const char* sql : statements) {
    SCOPED_TRACE(sql);
    const unsigned long long before = ocilite::LexCount();
    ASSERT_EQ(OCI_SUCCESS, Prepare(sql));
    const bool query = StatementType() == OCI_STMT_SELECT;
    ASSERT_EQ(OCI_SUCCESS, OCIStmtExecute(svc_, stmt_, err_, query ? 0 : 1, 0, nullptr, nullptr, OCI_DEFAULT))
        << ErrorText();
    EXPECT_EQ(1u, ocilite::LexCount() - before);
  }
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
  EXPECT_EQ(OCI_NO_DATA,
            OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR));
  Query("SELECT * FROM NOSUCH");
  EXPECT_EQ(OCI_SUCCESS,
            OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR));
  EXPECT_EQ(942, code);
  EXPECT_STREQ("ORA-00942: tabl", text);
  EXPECT_EQ(OCI_NO_DATA,
            OCIErrorGet(err_, 2, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR));
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

// A break from a second thread while a call runs: the call answers ORA-01013, and after the
// reset the session runs the next statement as before.
TEST_F(OciCallsTest, BreakFromAnotherThreadCancelsTheRunningCall) {
  const struct {
    const char* name;
    const char* latencyMs;
    const char* sql;
    bool duringFetch;
  } cases[] = {
      // SQLite's own work, interrupted.
      {"execute", "",
       "SELECT COUNT(*) FROM ALL_TAB_COLUMNS A, ALL_TAB_COLUMNS B, ALL_TAB_COLUMNS C, ALL_TAB_COLUMNS D, "
       "ALL_TAB_COLUMNS E, ALL_TAB_COLUMNS F",
       false},
      // The second fetch waits for a round trip; the first row came with the execute.
      {"fetch", "300", "SELECT ENAME FROM EMP", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    End();
    SetEnvironment("OCILITE_LATENCY_MS", c.latencyMs);
    ASSERT_EQ(OCI_SUCCESS, Begin("SCOTT", "tiger")) << ErrorText();
    if (c.duringFetch) {
      ASSERT_EQ(OCI_SUCCESS, Query(c.sql)) << ErrorText();
      ASSERT_EQ(OCI_SUCCESS, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT)) << ErrorText();
    }
    OCIError* breakError = Allocate<OCIError>(OCI_HTYPE_ERROR);
    std::thread breaker([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      EXPECT_EQ(OCI_SUCCESS, OCIBreak(svc_, breakError));
    });
    const sword status = c.duringFetch ? OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT) : Query(c.sql);
    breaker.join();
    EXPECT_EQ(OCI_ERROR, status);
    EXPECT_EQ("ORA-01013: user requested cancel of current operation\n", ErrorText());
    EXPECT_EQ(OCI_SUCCESS, OCIReset(svc_, err_));
    EXPECT_EQ(OCI_SUCCESS, Query("SELECT 1 FROM DUAL")) << ErrorText();
    EXPECT_EQ(OCI_SUCCESS, OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT)) << ErrorText();
    OCIHandleFree(breakError, OCI_HTYPE_ERROR);
  }
  SetEnvironment("OCILITE_LATENCY_MS", "");
}

// The wait is cut short, not served out: 20 s of latency end with the break.
TEST(RoundTripsTest, BreakEndsTheWaitAtOnceAndHoldsUntilReset) {
  SetEnvironment("OCILITE_LATENCY_MS", "20000");
  ocilite::RoundTrips trips;
  SetEnvironment("OCILITE_LATENCY_MS", "");
  std::thread breaker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    trips.Break();
  });
  const auto start = std::chrono::steady_clock::now();
  trips.Make();
  breaker.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_TRUE(trips.Broken());
  trips.Reset();
  EXPECT_FALSE(trips.Broken());
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
