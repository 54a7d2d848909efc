// The question before a session ends, against the scripted double: when it is asked, what
// each answer sends, and the statement rule that stands in for a server that cannot tell.
#include "FakeSessionFixture.h"
#include "PendingChanges.h"

namespace {

using Calls = std::vector<std::string>;

class PendingChangesTest : public FakeConnectedSession {
 protected:
  // The server's answer to the transaction query: an id, or NULL (nullptr).
  void ServerAnswers(const char* transactionId) {
    fake.FakeOciSetAttribute(OCI_ATTR_STMT_TYPE, OCI_STMT_SELECT);
    fake.FakeOciAddColumn("LOCAL_TRANSACTION_ID", 40);
    fake.FakeOciAddRow(1, &transactionId);
  }
  // Settles with `answer`; `asked` tells whether the question came.
  bool Settle(PendingChoice answer, bool& asked, std::string& error) {
    asked = false;
    return SettlePendingChanges(
        *document,
        [&] {
          asked = true;
          return answer;
        },
        error);
  }
  Calls Statements(size_t since) {
    Calls prepared;
    for (const std::string& call : CallsSince(since)) {
      if (call.rfind("OCIStmtPrepare text=", 0) == 0) prepared.push_back(call.substr(20, call.find(" length=") - 20));
      if (call.rfind("OCISessionEnd", 0) == 0) prepared.push_back("OCISessionEnd");
    }
    return prepared;
  }
};

const char kQuery[] = "SELECT DBMS_TRANSACTION.LOCAL_TRANSACTION_ID FROM DUAL";

TEST_F(PendingChangesTest, AsksOnlyForAnOpenTransactionUnderManualCommit) {
  const struct {
    const char* name;
    bool manual;
    const char* transactionId;
    PendingChoice answer;
    bool asked, sessionEnds;
    Calls sent;  // statements, then the end of the session when it ends
  } cases[] = {
      {"autocommit", false, "4.2.99", PendingChoice::kCommit, false, true, {"OCISessionEnd"}},
      {"nothing_pending", true, nullptr, PendingChoice::kCommit, false, true, {kQuery, "OCISessionEnd"}},
      {"yes_commits", true, "4.2.99", PendingChoice::kCommit, true, true, {kQuery, "COMMIT", "OCISessionEnd"}},
      {"no_rolls_back", true, "4.2.99", PendingChoice::kRollback, true, true, {kQuery, "ROLLBACK", "OCISessionEnd"}},
      {"cancel_keeps", true, "4.2.99", PendingChoice::kKeepSession, true, false, {kQuery}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    document.reset();
    SetUp();
    document->SetManualCommit(c.manual);
    ServerAnswers(c.transactionId);
    const size_t start = CallsSoFar();
    bool asked = false;
    std::string error;
    const bool ends = Settle(c.answer, asked, error);
    if (ends) EXPECT_EQ(DB_OK, document->Disconnect());
    EXPECT_EQ(c.asked, asked);
    EXPECT_EQ(c.sessionEnds, ends);
    EXPECT_EQ("", error);
    EXPECT_EQ(c.sent, Statements(start));
  }
}

TEST_F(PendingChangesTest, AFailedCommitKeepsTheSessionAndSaysWhy) {
  document->SetManualCommit(true);
  ServerAnswers("4.2.99");
  fake.FakeOciScriptStatus("OCIStmtPrepare text=COMMIT", 0, OCI_ERROR);
  fake.FakeOciSetErrorText("ORA-02091: transaction rolled back\n");
  bool asked = false;
  std::string error;
  EXPECT_FALSE(Settle(PendingChoice::kCommit, asked, error));
  EXPECT_EQ("ORA-02091: transaction rolled back", error);
}

// The server cannot answer: what ran since the last COMMIT or ROLLBACK decides.
TEST_F(PendingChangesTest, WithoutTheServersAnswerTheStatementsRunDecide) {
  const struct {
    const char* name;
    Calls statements;
    bool isQuery;
    bool asked;
  } cases[] = {
      {"update", {"UPDATE emp SET sal = 1"}, false, true},
      {"plsql_block", {"BEGIN raise_pay; END;"}, false, true},
      {"query", {"SELECT * FROM emp"}, true, false},
      {"select_for_update", {"select * from emp for\nupdate"}, true, true},
      {"for_update_quoted", {"SELECT 'for update' FROM dual"}, true, false},
      {"commit", {"DELETE FROM emp", "commit work"}, false, false},
      {"rollback", {"DELETE FROM emp", "ROLLBACK"}, false, false},
      {"rollback_to_savepoint", {"DELETE FROM emp", "ROLLBACK TO SAVEPOINT a"}, false, true},
      {"ddl", {"DELETE FROM emp", "/* x */ CREATE TABLE t (a NUMBER)"}, false, false},
      {"alter_session", {"DELETE FROM emp", "ALTER SESSION SET NLS_DATE_FORMAT = 'YYYY'"}, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    document.reset();
    SetUp();
    document->SetManualCommit(true);
    fake.FakeOciSetAttribute(OCI_ATTR_STMT_TYPE, c.isQuery ? OCI_STMT_SELECT : OCI_STMT_UPDATE);
    for (const std::string& statement : c.statements) ASSERT_EQ(DB_OK, Run(statement).result);
    fake.FakeOciScriptStatus((std::string("OCIStmtPrepare text=") + kQuery).c_str(), 0, OCI_ERROR);
    bool asked = false;
    std::string error;
    Settle(PendingChoice::kKeepSession, asked, error);
    EXPECT_EQ(c.asked, asked);
  }
}

}  // namespace
