// Commit on success against manual commit, seen from a second session on the same database.
#include "DemoSession.h"

namespace {

class TransactionTest : public DemoSessionTest {
 protected:
  void SetUp() override {
    DemoSessionTest::SetUp();
    ConnectAs(other_, "SCOTT", "tiger");
  }
  std::string KingsSalarySeenByOther() {
    return RunSql(other_, "SELECT SAL FROM EMP WHERE EMPNO = 7839").rows.at(0).at(0);
  }

  DatabaseDocument other_;
};

TEST_F(TransactionTest, AutocommitShowsChangesAtOnce) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 6000 WHERE EMPNO = 7839").result);
  EXPECT_EQ("6000", KingsSalarySeenByOther());
}

TEST_F(TransactionTest, ManualCommitHidesChangesUntilCommit) {
  scott_.SetManualCommit(true);
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 6000 WHERE EMPNO = 7839").result);
  EXPECT_EQ("5000", KingsSalarySeenByOther());
  EXPECT_EQ("6000", RunSql(scott_, "SELECT SAL FROM EMP WHERE EMPNO = 7839").rows.at(0).at(0));
  ASSERT_EQ(DB_OK, RunSql(scott_, "COMMIT").result);
  EXPECT_EQ("6000", KingsSalarySeenByOther());
}

TEST_F(TransactionTest, RollbackUndoesPendingChanges) {
  scott_.SetManualCommit(true);
  ASSERT_EQ(DB_OK, RunSql(scott_, "DELETE FROM EMP WHERE DEPTNO = 30").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "ROLLBACK").result);
  EXPECT_EQ("14", RunSql(scott_, "SELECT COUNT(*) FROM EMP").rows.at(0).at(0));
}

TEST_F(TransactionTest, EndingTheSessionCommits) {
  scott_.SetManualCommit(true);
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 1 WHERE EMPNO = 7839").result);
  ASSERT_EQ(DB_OK, scott_.Disconnect());
  EXPECT_EQ("1", KingsSalarySeenByOther());
}

TEST_F(TransactionTest, TransactionIdIsThereWhileChangesArePending) {
  scott_.SetManualCommit(true);
  const std::string query = "SELECT DBMS_TRANSACTION.LOCAL_TRANSACTION_ID FROM DUAL";
  EXPECT_EQ("NULL", RunSql(scott_, query).rows.at(0).at(0));
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 1 WHERE EMPNO = 7839").result);
  EXPECT_NE("NULL", RunSql(scott_, query).rows.at(0).at(0));
  EXPECT_EQ("NULL", RunSql(other_, query).rows.at(0).at(0));
  ASSERT_EQ(DB_OK, RunSql(scott_, "COMMIT").result);
  EXPECT_EQ("NULL", RunSql(scott_, query).rows.at(0).at(0));
}

TEST_F(TransactionTest, RollbackToASavepointKeepsWhatCameBefore) {
  scott_.SetManualCommit(true);
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 6000 WHERE EMPNO = 7839").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "SAVEPOINT before_cut").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "DELETE FROM EMP").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "ROLLBACK TO SAVEPOINT BEFORE_CUT").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "COMMIT").result);
  EXPECT_EQ("6000", KingsSalarySeenByOther());
  EXPECT_EQ("14", RunSql(other_, "SELECT COUNT(*) FROM EMP").rows.at(0).at(0));
  EXPECT_EQ("ORA-01086: savepoint 'BEFORE_CUT' never established in this session or is invalid",
            RunSql(scott_, "ROLLBACK TO before_cut").error);
}

// Some names fit the longer text and are written before the first one that does not.
TEST_F(TransactionTest, AFailingUpdateChangesNoRow) {
  scott_.SetManualCommit(true);
  const std::string names = "SELECT ENAME FROM EMP ORDER BY EMPNO";
  const Outcome before = RunSql(scott_, names);
  ASSERT_EQ(DB_ERROR, RunSql(scott_, "UPDATE EMP SET ENAME = ENAME || 'XXXXX'").result);
  EXPECT_EQ(before.rows, RunSql(scott_, names).rows);
  EXPECT_EQ("NULL", RunSql(scott_, "SELECT DBMS_TRANSACTION.LOCAL_TRANSACTION_ID FROM DUAL").rows.at(0).at(0));
}

TEST_F(TransactionTest, DdlCommitsWhatIsPending) {
  scott_.SetManualCommit(true);
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 7000 WHERE EMPNO = 7839").result);
  ASSERT_EQ(DB_OK, RunSql(scott_, "CREATE TABLE T4 (A NUMBER)").result);
  EXPECT_EQ("7000", KingsSalarySeenByOther());
}

TEST_F(TransactionTest, WriterWaitsForAPendingTransactionThenGivesUp) {
  scott_.SetManualCommit(true);
  ASSERT_EQ(DB_OK, RunSql(scott_, "UPDATE EMP SET SAL = 1 WHERE EMPNO = 7839").result);
  Outcome blocked = RunSql(other_, "UPDATE EMP SET SAL = 2 WHERE EMPNO = 7369");
  EXPECT_EQ(DB_ERROR, blocked.result);
  EXPECT_EQ("ORA-00054: resource busy and acquire with NOWAIT specified or timeout expired", blocked.error);
}

}  // namespace
