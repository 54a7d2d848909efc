// Connect, Disconnect and error texts against the scripted double.
#include "FakeSessionFixture.h"

namespace {

using Calls = std::vector<std::string>;

const char kNoMessage[] = "No message! Are you connected to the database?";

TEST_F(FakeSession, ConnectOpensTheSessionStepByStep) {
  EXPECT_EQ(DB_OK, ConnectAsScott());
  EXPECT_EQ((Calls{
                "OCIInitialize mode=3",
                "OCIEnvInit mode=1 extra=0",
                "OCIHandleAlloc type=2 extra=0",
                "OCIHandleAlloc type=8 extra=0",
                "OCIServerAttach dblink=ORCL length=4 mode=0",
                "OCIHandleAlloc type=3 extra=0",
                "OCIAttrSet htype=3 attr=6 size=0",
                "OCIHandleAlloc type=9 extra=0",
                "OCIAttrSet htype=9 attr=22 value=scott size=5",
                "OCIAttrSet htype=9 attr=23 value=tiger size=5",
                "OCISessionBegin credentials=1 mode=0",
                "OCIAttrSet htype=3 attr=7 size=0",
            }),
            fake.Calls());
  EXPECT_EQ(5, fake.FakeOciLiveHandles());
}

TEST_F(FakeSession, BlankUserAndPasswordTogetherMeanExternalCredentials) {
  const struct {
    const char* user;
    const char* password;
    const char* userCall;
    const char* passwordCall;
    const char* beginCall;
  } cases[] = {
      {"", "", "value=Zenquill size=8", "value= size=0", "credentials=2"},
      {"", "secret", "value= size=0", "value=secret size=6", "credentials=1"},
      {"scott", "", "value=scott size=5", "value= size=0", "credentials=1"},
      {"Scott", "Tiger ", "value=Scott size=5", "value=Tiger  size=6", "credentials=1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.user) + "/" + c.password);
    fake.FakeOciReset();
    DatabaseDocument session;
    EXPECT_EQ(DB_OK, session.Connect("ORCL", c.user, c.password, LOGIN_NORMAL));
    EXPECT_EQ(Calls{std::string("OCIAttrSet htype=9 attr=22 ") + c.userCall}, fake.Calls("OCIAttrSet htype=9 attr=22"));
    EXPECT_EQ(Calls{std::string("OCIAttrSet htype=9 attr=23 ") + c.passwordCall},
              fake.Calls("OCIAttrSet htype=9 attr=23"));
    EXPECT_EQ(Calls{std::string("OCISessionBegin ") + c.beginCall + " mode=0"}, fake.Calls("OCISessionBegin"));
  }
}

TEST_F(FakeSession, LoginTypeChoosesTheSessionMode) {
  const struct {
    int loginType;
    const char* beginCall;
  } cases[] = {
      {LOGIN_NORMAL, "OCISessionBegin credentials=1 mode=0"}, {LOGIN_SYSOPER, "OCISessionBegin credentials=1 mode=4"},
      {LOGIN_SYSDBA, "OCISessionBegin credentials=1 mode=2"}, {3, "OCISessionBegin credentials=1 mode=0"},
      {-1, "OCISessionBegin credentials=1 mode=0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.loginType);
    fake.FakeOciReset();
    DatabaseDocument session;
    EXPECT_EQ(DB_OK, session.Connect("ORCL", "sys", "manager", c.loginType));
    EXPECT_EQ(Calls{c.beginCall}, fake.Calls("OCISessionBegin"));
  }
}

TEST_F(FakeSession, EmptyAliasIsPassedWithLengthZero) {
  EXPECT_EQ(DB_OK, document->Connect("", "scott", "tiger", LOGIN_NORMAL));
  EXPECT_EQ(Calls{"OCIServerAttach dblink= length=0 mode=0"}, fake.Calls("OCIServerAttach"));
}

// Easy Connect needs no tnsnames.ora: the client reads the text as it was typed.
TEST_F(FakeSession, EasyConnectTextIsPassedUnchanged) {
  EXPECT_EQ(DB_OK, document->Connect("//dbhost:1521/orclpdb", "scott", "tiger", LOGIN_NORMAL));
  EXPECT_EQ(Calls{"OCIServerAttach dblink=//dbhost:1521/orclpdb length=21 mode=0"}, fake.Calls("OCIServerAttach"));
}

TEST_F(FakeSession, SecondConnectIsRefusedAndKeepsTheFirstSession) {
  ASSERT_EQ(DB_OK, ConnectAsScott());
  size_t start = CallsSoFar();
  EXPECT_EQ(DB_ERROR, document->Connect("OTHER", "system", "manager", LOGIN_SYSDBA));
  EXPECT_TRUE(CallsSince(start).empty());
  EXPECT_EQ(DB_OK, document->Disconnect());
}

TEST_F(FakeSession, DisconnectUndoesConnectOnceAndOnlyOnce) {
  ASSERT_EQ(DB_OK, ConnectAsScott());
  size_t start = CallsSoFar();
  EXPECT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ((Calls{
                "OCISessionEnd mode=0",
                "OCIHandleFree type=9",
                "OCIHandleFree type=3",
                "OCIServerDetach mode=0",
                "OCIHandleFree type=8",
                "OCIHandleFree type=2",
                "OCIHandleFree type=1",
                "OCITerminate mode=0",
            }),
            CallsSince(start));
  EXPECT_EQ(0, fake.FakeOciLiveHandles());
  start = CallsSoFar();
  EXPECT_EQ(DB_NOT_CONNECTED, document->Disconnect());
  EXPECT_TRUE(CallsSince(start).empty());
}

TEST_F(FakeSession, DisconnectBeforeConnectCallsNothing) {
  EXPECT_EQ(DB_NOT_CONNECTED, document->Disconnect());
  EXPECT_TRUE(fake.Calls().empty());
}

// The break has an error handle of its own, made once and freed with the session.
TEST_F(FakeSession, BreakAndResetGoToTheSessionsServiceContext) {
  EXPECT_EQ(DB_NOT_CONNECTED, document->Break());
  ASSERT_EQ(DB_OK, ConnectAsScott());
  size_t start = CallsSoFar();
  EXPECT_EQ(DB_OK, document->Break());
  EXPECT_EQ(DB_OK, document->Break());
  EXPECT_EQ(DB_OK, document->Reset());
  EXPECT_EQ((Calls{"OCIHandleAlloc type=2 extra=0", "OCIBreak", "OCIBreak", "OCIReset"}), CallsSince(start));
  EXPECT_EQ(0, fake.FakeOciInvalidHandleUses());
  ASSERT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ(0, fake.FakeOciLiveHandles());
}

TEST_F(FakeSession, ReconnectAfterDisconnectStartsAfresh) {
  ASSERT_EQ(DB_OK, ConnectAsScott());
  ASSERT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ(DB_OK, ConnectAsScott());
  EXPECT_EQ(2u, fake.Calls("OCIInitialize").size());
  EXPECT_EQ(5, fake.FakeOciLiveHandles());
}

// A failed step leaves the session closed, its reason readable, and nothing held once the
// next Connect (or the document's end) has come.
TEST_F(FakeSession, FailedConnectReportsItsStepAndLeaksNothing) {
  const struct {
    const char* failingCall;
    sword status;
    DbResult expected;
    const char* errorText;
  } cases[] = {
      {"OCIInitialize", OCI_ERROR, DB_ERROR, kNoMessage},
      {"OCIEnvInit", OCI_INVALID_HANDLE, DB_INVALID_HANDLE, kNoMessage},
      {"OCIServerAttach", OCI_ERROR, DB_ERROR, "ORA-12154: TNS:could not resolve"},
      {"OCISessionBegin", OCI_ERROR, DB_ERROR, "ORA-01017: invalid username/password"},
      {"OCISessionBegin", OCI_NEED_DATA, DB_NEED_DATA, "ORA-01017: invalid username/password"},
      {"OCIAttrSet htype=3 attr=7", OCI_ERROR, DB_ERROR, "ORA-00001: session not set"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failingCall);
    fake.FakeOciReset();
    fake.FakeOciSetErrorText(c.errorText);
    fake.FakeOciScriptStatus(c.failingCall, 1, c.status);
    auto session = std::make_unique<DatabaseDocument>();
    EXPECT_EQ(c.expected, session->Connect("ORCL", "scott", "tiger", LOGIN_NORMAL));
    ExecuteOutcome outcome{DB_OK, 0, 0, 0, 0};
    EXPECT_EQ(DB_NOT_CONNECTED, session->Execute("SELECT 1 FROM DUAL", outcome.isQuery, outcome.columnCount,
                                                 outcome.rowCount, outcome.errorOffset));
    EXPECT_EQ(c.errorText, session->GetErrorText());
    EXPECT_EQ(DB_OK, session->Connect("ORCL", "scott", "tiger", LOGIN_NORMAL));
    EXPECT_EQ(5, fake.FakeOciLiveHandles());
    session.reset();
    EXPECT_EQ(0, fake.FakeOciLiveHandles());
    EXPECT_EQ(0, fake.FakeOciInvalidHandleUses());
  }
}

TEST_F(FakeSession, FailedAttemptIsUndoneAsFarAsItGot) {
  fake.FakeOciScriptStatus("OCISessionBegin", 1, OCI_ERROR);
  ASSERT_EQ(DB_ERROR, ConnectAsScott());
  size_t start = CallsSoFar();
  EXPECT_EQ(DB_NOT_CONNECTED, document->Disconnect());
  EXPECT_EQ((Calls{
                "OCIHandleFree type=9",
                "OCIHandleFree type=3",
                "OCIServerDetach mode=0",
                "OCIHandleFree type=8",
                "OCIHandleFree type=2",
                "OCIHandleFree type=1",
                "OCITerminate mode=0",
            }),
            CallsSince(start));
  EXPECT_EQ(0, fake.FakeOciLiveHandles());
  EXPECT_EQ(kNoMessage, document->GetErrorText());
}

TEST_F(FakeSession, SessionBegunWithAWarningIsConnected) {
  fake.FakeOciSetErrorText("ORA-28002: the password will expire within 7 days\n");
  fake.FakeOciScriptStatus("OCISessionBegin", 0, OCI_SUCCESS_WITH_INFO);
  fake.FakeOciSetAttribute(OCI_ATTR_STMT_TYPE, OCI_STMT_UPDATE);
  EXPECT_EQ(DB_SUCCESS_WITH_INFO, ConnectAsScott());
  EXPECT_EQ(1u, fake.Calls("OCIAttrSet htype=3 attr=7").size());
  EXPECT_EQ("ORA-28002: the password will expire within 7 days", document->GetErrorText());
  EXPECT_EQ(DB_OK, Run("UPDATE emp SET sal = sal").result);
  EXPECT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ(1u, fake.Calls("OCISessionEnd").size());
}

TEST_F(FakeSession, ErrorTextBecomesOneLine) {
  const struct {
    const char* reported;
    const char* shown;
  } cases[] = {
      {"ORA-00942: table or view does not exist\n", "ORA-00942: table or view does not exist"},
      {"ORA-06550: line 1, column 7:\nPLS-00201: identifier 'X' must be declared\n",
       "ORA-06550: line 1, column 7: PLS-00201: identifier 'X' must be declared"},
      {"ORA-1\n\n\n", "ORA-1"},
      {"ORA-1\r\n", "ORA-1\r"},
      {"ORA-1 \n", "ORA-1 "},
      {"\nORA-1", " ORA-1"},
      {"A\n\nB", "A  B"},
      {"\n", ""},
      {"", ""},
  };
  ASSERT_EQ(DB_OK, ConnectAsScott());
  for (const auto& c : cases) {
    fake.FakeOciSetErrorText(c.reported);
    EXPECT_EQ(c.shown, document->GetErrorText()) << "reported: " << c.reported;
  }
  EXPECT_EQ(Calls(9, "OCIErrorGet record=1 size=4096 type=2"), fake.Calls("OCIErrorGet"));
}

TEST_F(FakeSession, ErrorTextLongerThanTheBufferIsCut) {
  ASSERT_EQ(DB_OK, ConnectAsScott());
  fake.FakeOciSetErrorText(std::string(5000, 'x').c_str());
  EXPECT_EQ(std::string(4095, 'x'), document->GetErrorText());
}

TEST_F(FakeSession, NoErrorToReadGivesTheFallbackText) {
  EXPECT_EQ(kNoMessage, document->GetErrorText());  // before any Connect
  ASSERT_EQ(DB_OK, ConnectAsScott());
  EXPECT_EQ(kNoMessage, document->GetErrorText());  // nothing recorded
  fake.FakeOciSetErrorText("ORA-00942: table or view does not exist");
  fake.FakeOciScriptStatus("OCIErrorGet", 1, OCI_ERROR);
  EXPECT_EQ(kNoMessage, document->GetErrorText());
  EXPECT_EQ("ORA-00942: table or view does not exist", document->GetErrorText());
  ASSERT_EQ(DB_OK, document->Disconnect());
  EXPECT_EQ(kNoMessage, document->GetErrorText());
}

}  // namespace
