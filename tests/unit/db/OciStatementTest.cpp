// Execute, DescribeColumns and FetchRow against the scripted double.
#include <algorithm>

#include "FakeSessionFixture.h"

namespace {

using Texts = std::vector<std::string>;

class FakeStatement : public FakeConnectedSession {
 protected:
  void AsQuery() { fake.FakeOciSetAttribute(OCI_ATTR_STMT_TYPE, OCI_STMT_SELECT); }
  void AsUpdate() { fake.FakeOciSetAttribute(OCI_ATTR_STMT_TYPE, OCI_STMT_UPDATE); }
  // The demo result: three columns, a NULL in the first row.
  void ScriptEmployees() {
    AsQuery();
    fake.FakeOciAddColumn("EMPNO", 40);
    fake.FakeOciAddColumn("e.Name ", 10);
    fake.FakeOciAddColumn("COMM", 40);
    const char* smith[] = {"7369", "SMITH", nullptr};
    const char* allen[] = {"7499", "ALLEN", "300"};
    fake.FakeOciAddRow(3, smith);
    fake.FakeOciAddRow(3, allen);
  }
  Texts Fetch(int columns, DbResult expected = DB_OK) {
    Texts values{"stale"};
    EXPECT_EQ(expected, document->FetchRow(columns, values));
    return values;
  }
};

TEST_F(FakeStatement, NonQueryCommitsUnlessCommitIsManual) {
  const struct {
    bool manual;
    const char* executeCall;
  } cases[] = {
      {false, "OCIStmtExecute iters=1 rowoff=0 mode=32"},
      {true, "OCIStmtExecute iters=1 rowoff=0 mode=0"},
      {false, "OCIStmtExecute iters=1 rowoff=0 mode=32"},
  };
  AsUpdate();
  fake.FakeOciSetAttribute(OCI_ATTR_ROW_COUNT, 5);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.manual);
    EXPECT_EQ(DB_OK, document->SetManualCommit(c.manual));
    size_t start = CallsSoFar();
    ExecuteOutcome outcome = Run("UPDATE emp SET sal = sal * 2 WHERE deptno = 10");
    EXPECT_EQ(DB_OK, outcome.result);
    EXPECT_EQ(0, outcome.isQuery);
    EXPECT_EQ(0, outcome.columnCount);
    EXPECT_EQ(5, outcome.rowCount);
    EXPECT_EQ(0, outcome.errorOffset);
    Texts calls = CallsSince(start);
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), c.executeCall));
    EXPECT_EQ("OCIHandleFree type=4", calls.back());
    EXPECT_EQ(5, fake.FakeOciLiveHandles());
  }
}

TEST_F(FakeStatement, ManualCommitSetBeforeConnectHolds) {
  ASSERT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ(DB_OK, document->SetManualCommit(true));
  ASSERT_EQ(DB_OK, ConnectAsScott());
  AsUpdate();
  EXPECT_EQ(DB_OK, Run("DELETE FROM emp").result);
  EXPECT_EQ(Texts{"OCIStmtExecute iters=1 rowoff=0 mode=0"}, fake.Calls("OCIStmtExecute"));
}

TEST_F(FakeStatement, StatementIsPreparedAsNativeSql) {
  AsUpdate();
  ASSERT_EQ(DB_OK, Run("DROP TABLE t").result);
  EXPECT_EQ(Texts{"OCIStmtPrepare text=DROP TABLE t length=12 language=1 mode=0"}, fake.Calls("OCIStmtPrepare"));
}

TEST_F(FakeStatement, QueryNeverCommitsAndRunsNoIterations) {
  ScriptEmployees();
  for (bool manual : {false, true}) {
    SCOPED_TRACE(manual);
    document->SetManualCommit(manual);
    size_t start = CallsSoFar();
    ExecuteOutcome outcome = Run("SELECT empno, ename, comm FROM emp");
    EXPECT_EQ(DB_OK, outcome.result);
    EXPECT_EQ(1, outcome.isQuery);
    EXPECT_EQ(3, outcome.columnCount);
    EXPECT_EQ(0, outcome.rowCount);
    EXPECT_EQ(0, outcome.errorOffset);
    Texts calls = CallsSince(start);
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "OCIStmtExecute iters=0 rowoff=0 mode=0"));
  }
  EXPECT_EQ(6, fake.FakeOciLiveHandles());  // the one current query besides the session
}

// Carriage returns go as blanks, byte for byte, so the offset needs no correction.
TEST_F(FakeStatement, CarriageReturnsBecomeBlanksAndTheOffsetStaysOciS) {
  AsUpdate();
  fake.FakeOciSetAttribute(OCI_ATTR_PARSE_ERROR_OFFSET, 20);
  fake.FakeOciScriptStatus("OCIStmtExecute", 1, OCI_ERROR);
  ExecuteOutcome failed = Run("UPDATE emp\r\nSET sal = nothing");
  EXPECT_EQ(DB_ERROR, failed.result);
  EXPECT_EQ(20, failed.errorOffset);
  EXPECT_EQ(0, failed.rowCount);
  EXPECT_EQ(Texts{"OCIStmtPrepare text=UPDATE emp \nSET sal = nothing length=29 language=1 mode=0"},
            fake.Calls("OCIStmtPrepare"));
  EXPECT_EQ(5, fake.FakeOciLiveHandles());  // a failed non-query is freed too

  fake.FakeOciSetAttribute(OCI_ATTR_PARSE_ERROR_OFFSET, 0);
  ExecuteOutcome succeeded = Run("UPDATE emp\r\nSET sal = 1\r\nWHERE 1 = 0\r\n");
  EXPECT_EQ(DB_OK, succeeded.result);
  EXPECT_EQ(0, succeeded.errorOffset);
}

TEST_F(FakeStatement, PrepareFailureLeavesNothingBehind) {
  AsUpdate();
  fake.FakeOciSetAttribute(OCI_ATTR_PARSE_ERROR_OFFSET, 7);
  fake.FakeOciScriptStatus("OCIStmtPrepare", 1, OCI_INVALID_HANDLE);
  ExecuteOutcome outcome = Run("UPDATE\r\n\r\nemp");
  EXPECT_EQ(DB_INVALID_HANDLE, outcome.result);
  EXPECT_EQ(0, outcome.isQuery);
  EXPECT_EQ(0, outcome.errorOffset);
  EXPECT_TRUE(fake.Calls("OCIStmtExecute").empty());
  EXPECT_EQ(5, fake.FakeOciLiveHandles());
}

TEST_F(FakeStatement, NonQueryWithWarningReportsItAndItsOffset) {
  AsUpdate();
  fake.FakeOciSetAttribute(OCI_ATTR_ROW_COUNT, 5);
  fake.FakeOciSetAttribute(OCI_ATTR_PARSE_ERROR_OFFSET, 12);
  fake.FakeOciScriptStatus("OCIStmtExecute", 1, OCI_SUCCESS_WITH_INFO);
  ExecuteOutcome outcome = Run("CREATE PROCEDURE p AS BEGIN x; END;");
  EXPECT_EQ(DB_SUCCESS_WITH_INFO, outcome.result);
  EXPECT_EQ(0, outcome.rowCount);
  EXPECT_EQ(12, outcome.errorOffset);
}

TEST_F(FakeStatement, UnreadableStatementTypeRunsAsNonQuery) {
  AsQuery();
  fake.FakeOciScriptStatus("OCIAttrGet htype=4 attr=24", 0, OCI_ERROR);
  ExecuteOutcome outcome = Run("SELECT 1 FROM DUAL");
  EXPECT_EQ(0, outcome.isQuery);
  EXPECT_EQ(Texts{"OCIStmtExecute iters=1 rowoff=0 mode=32"}, fake.Calls("OCIStmtExecute"));
}

TEST_F(FakeStatement, RowsComeBackAsTextsWithNullSpelledOut) {
  ScriptEmployees();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  Texts names{"stale"};
  EXPECT_EQ(DB_OK, document->DescribeColumns(3, names));
  EXPECT_EQ((Texts{"EMPNO", "e.Name ", "COMM"}), names);
  EXPECT_EQ((Texts{
                "OCIDefineByPos position=1 size=41 type=5 mode=0",
                "OCIDefineByPos position=2 size=11 type=5 mode=0",
                "OCIDefineByPos position=3 size=41 type=5 mode=0",
            }),
            fake.Calls("OCIDefineByPos"));
  EXPECT_EQ((Texts{"7369", "SMITH", "NULL"}), Fetch(3));
  EXPECT_EQ((Texts{"7499", "ALLEN", "300"}), Fetch(3));
  EXPECT_TRUE(Fetch(3, DB_NO_DATA).empty());
  EXPECT_TRUE(Fetch(3, DB_NO_DATA).empty());  // asks the library again
  EXPECT_EQ(Texts(4, "OCIStmtFetch rows=1 orientation=2 mode=0"), fake.Calls("OCIStmtFetch"));
}

TEST_F(FakeStatement, FewerColumnsThanDescribedMayBeFetched) {
  ScriptEmployees();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  Texts names;
  ASSERT_EQ(DB_OK, document->DescribeColumns(3, names));
  EXPECT_EQ((Texts{"7369", "SMITH"}), Fetch(2));
}

TEST_F(FakeStatement, MoreColumnsThanDescribedAreRefusedWithoutFetching) {
  ScriptEmployees();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  Texts names;
  ASSERT_EQ(DB_OK, document->DescribeColumns(2, names));
  EXPECT_TRUE(Fetch(3, DB_ERROR).empty());
  EXPECT_TRUE(fake.Calls("OCIStmtFetch").empty());
}

struct SizeCase {
  const char* name;
  ub2 dataType;
  ub2 dataSize, charSize, displaySize, charset;
  int bufferSize;
};

// Names the case when a check fails, instead of dumping the struct's bytes.
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

const SizeCase kSizeCases[] = {
    {"VarcharByCharactersInUtf8", SQLT_CHR, 40, 10, 10, 873, 41},
    {"VarcharByBytesWhenNoCharacterSize", SQLT_CHR, 20, 0, 20, 178, 21},
    {"CharWithoutSizesTakesTheLongest", SQLT_AFC, 0, 0, 0, 871, 12001},
    {"UnknownCharacterSetCountsFourBytes", SQLT_CHR, 10, 10, 10, 9999, 41},
    {"VarcharNeverPastTheLargestBuffer", SQLT_CHR, 32767, 32767, 32767, 873, 65535},
    {"Number", SQLT_NUM, 22, 0, 9, 873, 172},
    {"BinaryDouble", SQLT_IBDOUBLE, 8, 0, 0, 873, 64},
    {"Date", SQLT_DAT, 7, 0, 9, 873, 1024},
    {"TimestampWithZone", SQLT_TIMESTAMP_TZ, 13, 0, 0, 873, 1024},
    {"Interval", SQLT_INTERVAL_DS, 11, 0, 0, 873, 64},
    {"RawAsHexDigits", SQLT_BIN, 16, 0, 32, 873, 33},
    {"Rowid", SQLT_RDD, 10, 0, 18, 873, 4001},
    {"Long", SQLT_LNG, 0, 0, 0, 873, 65535},
    {"Clob", SQLT_CLOB, 4000, 0, 0, 873, 65535},
    {"Blob", SQLT_BLOB, 4000, 0, 0, 873, 65535},
    {"OtherTypesTakeTheLargerSize", 108, 2000, 0, 30, 873, 2001},
    {"OtherTypesByDisplaySize", 108, 10, 0, 30, 873, 31},
};

class BufferSize : public FakeStatement, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(BufferSize, FollowsTheDataType) {
  const SizeCase& c = GetParam();
  AsQuery();
  fake.FakeOciSetAttribute(OCI_ATTR_ENV_CHARSET_ID, c.charset);
  fake.FakeOciAddColumn("C", c.displaySize);
  fake.FakeOciSetColumnAttribute(OCI_ATTR_DATA_TYPE, c.dataType);
  fake.FakeOciSetColumnAttribute(OCI_ATTR_DATA_SIZE, c.dataSize);
  fake.FakeOciSetColumnAttribute(OCI_ATTR_CHAR_SIZE, c.charSize);
  ASSERT_EQ(DB_OK, Run("SELECT c FROM t").result);
  Texts names;
  ASSERT_EQ(DB_OK, document->DescribeColumns(1, names));
  EXPECT_EQ(Texts{"OCIDefineByPos position=1 size=" + std::to_string(c.bufferSize) + " type=5 mode=0"},
            fake.Calls("OCIDefineByPos"));
}

INSTANTIATE_TEST_SUITE_P(Types, BufferSize, ::testing::ValuesIn(kSizeCases),
                         [](const ::testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

struct FetchCase {
  const char* name;
  sword fetchStatus;  // scripted for the first fetch
  Texts row;          // none: the result is empty
  DbResult result;
  Texts values;
  int valuesCut;
};

void PrintTo(const FetchCase& c, std::ostream* os) { *os << c.name; }

const std::string kLongText(70000, 'x');  // past what an indicator can hold

const FetchCase kFetchCases[] = {
    {"WarningDeliversItsRow", OCI_SUCCESS_WITH_INFO, {"ABC", "1666", "short"}, DB_OK, {"ABC", "1666", "short"}, 0},
    {"CutValuesAreMarked",
     OCI_SUCCESS,
     {"ABCDEFG", std::string(200, '9'), kLongText},
     DB_OK,
     {"ABC...", "#####", std::string(65534, 'x') + "..."},
     3},
    {"NoData", OCI_SUCCESS, {}, DB_NO_DATA, {}, 0},
    {"Error", OCI_ERROR, {"ABC", "1666", "short"}, DB_ERROR, {}, 0},
};

class FetchOutcome : public FakeStatement, public ::testing::WithParamInterface<FetchCase> {};

// A VARCHAR2(3), a NUMBER and a CLOB, with a client character set of one byte a character.
TEST_P(FetchOutcome, RowValuesAndCutCount) {
  const FetchCase& c = GetParam();
  AsQuery();
  fake.FakeOciSetAttribute(OCI_ATTR_ENV_CHARSET_ID, 178);
  const struct {
    const char* name;
    ub2 type, size;
  } columns[] = {{"CODE", SQLT_CHR, 3}, {"AMOUNT", SQLT_NUM, 22}, {"NOTE", SQLT_CLOB, 4000}};
  for (const auto& column : columns) {
    fake.FakeOciAddColumn(column.name, column.size);
    fake.FakeOciSetColumnAttribute(OCI_ATTR_DATA_TYPE, column.type);
    fake.FakeOciSetColumnAttribute(OCI_ATTR_DATA_SIZE, column.size);
  }
  if (!c.row.empty()) {
    const char* row[] = {c.row[0].c_str(), c.row[1].c_str(), c.row[2].c_str()};
    fake.FakeOciAddRow(3, row);
  }
  fake.FakeOciScriptStatus("OCIStmtFetch", 1, c.fetchStatus);
  ASSERT_EQ(DB_OK, Run("SELECT code, amount, note FROM t").result);
  Texts names;
  ASSERT_EQ(DB_OK, document->DescribeColumns(3, names));
  EXPECT_EQ(c.values, Fetch(3, c.result));
  EXPECT_EQ(c.valuesCut, document->ValuesCut());
}

INSTANTIATE_TEST_SUITE_P(Fetches, FetchOutcome, ::testing::ValuesIn(kFetchCases),
                         [](const ::testing::TestParamInfo<FetchCase>& info) { return info.param.name; });

TEST_F(FakeStatement, QueriesAskForPrefetchingAndRunWhenItIsRefused) {
  const char kPrefetch[] = "OCIAttrSet htype=4 attr=11 value=500 size=4";
  ScriptEmployees();
  for (sword refusal : {OCI_SUCCESS, OCI_ERROR}) {
    SCOPED_TRACE(refusal);
    fake.FakeOciScriptStatus("OCIAttrSet htype=4 attr=11", 0, refusal);
    size_t start = CallsSoFar();
    ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
    Texts calls = CallsSince(start);
    auto prefetch = std::find(calls.begin(), calls.end(), kPrefetch);
    EXPECT_LT(prefetch, std::find(calls.begin(), calls.end(), "OCIStmtExecute iters=0 rowoff=0 mode=0"));
    Texts names;
    ASSERT_EQ(DB_OK, document->DescribeColumns(3, names));
    EXPECT_EQ((Texts{"7369", "SMITH", "NULL"}), Fetch(3));
  }
  AsUpdate();
  size_t start = CallsSoFar();
  ASSERT_EQ(DB_OK, Run("UPDATE emp SET comm = 0").result);
  Texts calls = CallsSince(start);
  EXPECT_EQ(calls.end(), std::find(calls.begin(), calls.end(), kPrefetch));
}

TEST_F(FakeStatement, DescribingNoColumnsAsksNothing) {
  ScriptEmployees();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  for (int count : {0, -1}) {
    Texts names{"stale"};
    EXPECT_EQ(DB_OK, document->DescribeColumns(count, names));
    EXPECT_TRUE(names.empty());
  }
  EXPECT_TRUE(fake.Calls("OCIParamGet").empty());
}

TEST_F(FakeStatement, NoQueryToDescribeOrFetch) {
  Texts names{"stale"};
  EXPECT_EQ(DB_INVALID_HANDLE, document->DescribeColumns(1, names));
  EXPECT_TRUE(names.empty());
  EXPECT_TRUE(Fetch(1, DB_INVALID_HANDLE).empty());
  EXPECT_TRUE(fake.Calls("OCIParamGet").empty());
}

TEST_F(FakeStatement, AtMost4096ColumnsAreDefined) {
  AsQuery();
  for (int column = 1; column <= 4097; ++column) fake.FakeOciAddColumn(("C" + std::to_string(column)).c_str(), 5);
  Texts row(4097, "v");
  row[4095] = "last";
  std::vector<const char*> values;
  for (const std::string& value : row) values.push_back(value.c_str());
  fake.FakeOciAddRow(4097, values.data());
  ASSERT_EQ(4097, Run("SELECT * FROM wide").columnCount);

  Texts names;
  EXPECT_EQ(DB_ERROR, document->DescribeColumns(4097, names));
  EXPECT_EQ(4096u, fake.Calls("OCIDefineByPos").size());

  EXPECT_EQ(DB_OK, document->DescribeColumns(4096, names));
  ASSERT_EQ(4096u, names.size());
  EXPECT_EQ("C4096", names.back());
  Texts fetched = Fetch(4096);
  ASSERT_EQ(4096u, fetched.size());
  EXPECT_EQ("last", fetched.back());
}

TEST_F(FakeStatement, EachFailingDescribeStepIsReported) {
  const struct {
    const char* failingCall;
    sword status;
    DbResult expected;
    size_t names;
  } cases[] = {
      {"OCIParamGet htype=4 position=2", OCI_ERROR, DB_ERROR, 1},
      {"OCIAttrGet htype=53 attr=4", OCI_INVALID_HANDLE, DB_INVALID_HANDLE, 0},
      {"OCIAttrGet htype=53 attr=3", OCI_STILL_EXECUTING, DB_STILL_EXECUTING, 0},
      {"OCIDefineByPos position=2", OCI_CONTINUE, DB_CONTINUE, 2},
  };
  ScriptEmployees();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failingCall);
    fake.FakeOciScriptStatus(c.failingCall, 1, c.status);
    ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
    Texts names;
    EXPECT_EQ(c.expected, document->DescribeColumns(3, names));
    EXPECT_EQ(c.names, names.size());
  }
}

TEST_F(FakeStatement, QueryStaysFetchableAcrossANonQueryButNotAnotherQuery) {
  ScriptEmployees();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  Texts names;
  ASSERT_EQ(DB_OK, document->DescribeColumns(3, names));
  EXPECT_EQ("7369", Fetch(3).front());

  AsUpdate();
  fake.FakeOciSetAttribute(OCI_ATTR_ROW_COUNT, 2);
  EXPECT_EQ(2, Run("UPDATE emp SET comm = 0").rowCount);
  EXPECT_EQ("7499", Fetch(3).front());

  AsQuery();
  size_t start = CallsSoFar();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  Texts calls = CallsSince(start);
  EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "OCIHandleFree type=4"));  // old query
  EXPECT_EQ(6, fake.FakeOciLiveHandles());
  EXPECT_TRUE(Fetch(3, DB_ERROR).empty());  // the new query is not described yet
}

TEST_F(FakeStatement, FailedQueryStaysCurrentUntilReplaced) {
  AsQuery();
  fake.FakeOciAddColumn("X", 1);
  fake.FakeOciSetAttribute(OCI_ATTR_PARSE_ERROR_OFFSET, 9);
  fake.FakeOciScriptStatus("OCIStmtExecute", 1, OCI_ERROR);
  ExecuteOutcome failed = Run("SELECT x FROM nowhere");
  EXPECT_EQ(DB_ERROR, failed.result);
  EXPECT_EQ(1, failed.isQuery);
  EXPECT_EQ(0, failed.columnCount);
  EXPECT_EQ(9, failed.errorOffset);
  EXPECT_EQ(6, fake.FakeOciLiveHandles());
  EXPECT_EQ(DB_OK, Run("SELECT x FROM somewhere").result);
  EXPECT_EQ(6, fake.FakeOciLiveHandles());
}

TEST_F(FakeStatement, UnreadableColumnCountIsTheResult) {
  ScriptEmployees();
  fake.FakeOciScriptStatus("OCIAttrGet htype=4 attr=18", 1, OCI_INVALID_HANDLE);
  ExecuteOutcome outcome = Run("SELECT empno, ename, comm FROM emp");
  EXPECT_EQ(DB_INVALID_HANDLE, outcome.result);
  EXPECT_EQ(1, outcome.isQuery);
  EXPECT_EQ(0, outcome.columnCount);
}

TEST_F(FakeStatement, DisconnectReleasesTheCurrentQuery) {
  ScriptEmployees();
  ASSERT_EQ(DB_OK, Run("SELECT empno, ename, comm FROM emp").result);
  Texts names;
  ASSERT_EQ(DB_OK, document->DescribeColumns(3, names));
  EXPECT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ(0, fake.FakeOciLiveHandles());
  EXPECT_TRUE(Fetch(3, DB_NOT_CONNECTED).empty());
  EXPECT_EQ(DB_NOT_CONNECTED, Run("SELECT 1 FROM DUAL").result);
  EXPECT_EQ(DB_NOT_CONNECTED, document->DescribeColumns(3, names));
}

}  // namespace
