// The worker's run against the scripted document: rows handed over to the window's list,
// the question, the cancel, errors, and one run at a time.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "FakeStatements.h"
#include "ResultFiller.h"
#include "SessionWorker.h"

namespace {

// The scripted document with a fetch that hangs at the `hangAt`-th row (counted over the
// whole run) until the break, as a server's slow call does.
class HangingStatements : public FakeStatements, public CallBreaker {
 public:
  int hangAt = -1;
  bool canBreak = true;
  Texts breaks;  // "break", "reset"

  DbResult FetchRow(int columnCount, Texts& values) override {
    if (fetched_ == hangAt) {
      std::unique_lock<std::mutex> guard(lock_);
      hanging_ = true;
      broken_.wait(guard, [this] { return !hanging_; });
      return DB_ERROR;
    }
    const DbResult result = FakeStatements::FetchRow(columnCount, values);
    fetched_ += result == DB_OK;
    return result;
  }
  bool CanBreak() override { return canBreak; }
  void Break() override {
    std::lock_guard<std::mutex> guard(lock_);
    breaks.push_back("break");
    hanging_ = false;
    broken_.notify_all();
  }
  void Reset() override {
    std::lock_guard<std::mutex> guard(lock_);
    breaks.push_back("reset");
  }
  bool Hanging() {
    std::lock_guard<std::mutex> guard(lock_);
    return hanging_;
  }

 private:
  int fetched_ = 0;
  std::mutex lock_;
  std::condition_variable broken_;
  bool hanging_ = false;
};

class SessionWorkerTest : public ::testing::Test {
 protected:
  // The window's side: drains until the run ends, answering each question from list.answers.
  ExecutionOutcome Finish() {
    for (;;) {
      RunNews news = worker.Drain(list);
      if (news.question) worker.Answer(list.AskToReadAll(*news.question));
      if (news.outcome) return *news.outcome;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  // Drains until the fetch hangs with every row read so far in the list.
  void DrainUntilHanging() {
    for (bool hanging = false; !hanging; std::this_thread::sleep_for(std::chrono::milliseconds(1))) {
      hanging = source.Hanging();
      worker.Drain(list);
    }
  }
  bool Start(const std::string& text) {
    return worker.Start([text](StatementSource& s, ResultList& l) {
      return ExecuteText({text, 0, 0, ";", "/"}, s, l);
    });
  }

  HangingStatements source;
  FakeResultList list;
  SessionWorker worker{source, source, [] {}};
};

TEST_F(SessionWorkerTest, RowsArriveInTheWindowsListAndTheOutcomeEndsTheRun) {
  source.script["q"] = Query(3, 2);
  EXPECT_EQ(RunPhase::Idle, worker.Phase());
  ASSERT_TRUE(Start("q"));
  EXPECT_EQ("Rows 3", Finish().message);
  EXPECT_EQ((Texts{"C1", "C2"}), list.headings);
  EXPECT_EQ(Query(3, 2).rows, list.rows);
  EXPECT_EQ(RunPhase::Idle, worker.Phase());
  EXPECT_TRUE(source.breaks.empty());
}

// More rows than may wait for the window: the fetch waits for it, and nothing is lost.
TEST_F(SessionWorkerTest, WindowThatFallsBehindHoldsTheFetchBack) {
  source.script["q"] = Query(45000);
  ASSERT_TRUE(worker.Start([](StatementSource& s, ResultList& l) {
    int isQuery = 0, columns = 0, changed = 0, offset = 0;
    s.Execute("q", isQuery, columns, changed, offset);
    ReadAllQuestion answeredYes(kExecuteRowLimit);
    answeredYes.ask = false;
    ExecutionOutcome outcome;
    outcome.message = FillRows(s, columns, l, answeredYes) == FillEnd::AllRead ? "all read" : "not all read";
    return outcome;
  }));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the worker meets the limit meanwhile
  EXPECT_EQ("all read", Finish().message);
  EXPECT_EQ(45000u, list.rows.size());
}

TEST_F(SessionWorkerTest, SecondStartIsRefusedWhileOneRuns) {
  source.script["q"] = Query(3);
  source.hangAt = 1;
  ASSERT_TRUE(Start("q"));
  DrainUntilHanging();
  EXPECT_TRUE(worker.Busy());
  EXPECT_FALSE(Start("q"));
  ASSERT_TRUE(worker.Cancel());
  Finish();
  source.hangAt = -1;
  EXPECT_TRUE(Start("q")) << "the next run starts once the last one ended";
  EXPECT_EQ("Rows 3", Finish().message);
}

// The question comes with the rows read so far in the list; the job waits for the answer.
TEST_F(SessionWorkerTest, QuestionIsAnsweredByTheWindow) {
  const struct {
    const char* name;
    std::vector<bool> answers;
    const char* message;
  } cases[] = {{"yes", {true}, "Rows 600"}, {"no", {false}, "Rows 500"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    source.script["q"] = Query(600);
    list = FakeResultList();
    list.answers = c.answers;
    ASSERT_TRUE(Start("q"));
    EXPECT_EQ(c.message, Finish().message);
    EXPECT_EQ(std::vector<int>{500}, list.askedAt);
  }
}

TEST_F(SessionWorkerTest, CancelledFetchKeepsTheRowsReadAndResetsTheSession) {
  source.script["q"] = Query(10);
  source.hangAt = 4;
  ASSERT_TRUE(Start("q"));
  DrainUntilHanging();
  EXPECT_TRUE(worker.CanCancel());
  ASSERT_TRUE(worker.Cancel());
  EXPECT_FALSE(worker.CanCancel());
  const ExecutionOutcome outcome = Finish();
  EXPECT_EQ("Cancelled: read 4 rows", outcome.message);
  EXPECT_EQ(4u, list.rows.size());
  EXPECT_EQ((Texts{"break", "reset"}), source.breaks);
  source.hangAt = -1;
  ASSERT_TRUE(Start("q"));
  EXPECT_EQ("Rows 10", Finish().message) << "the session runs the next statement";
}

TEST_F(SessionWorkerTest, CancelledScriptStopsAtItsStatementAndSelectsIt) {
  source.script["x1"] = Query(2);
  source.script["x2"] = Query(5);
  source.script["x3"] = Change(1);
  source.hangAt = 3;
  ASSERT_TRUE(Start("x1;\r\nx2;\r\nx3"));
  DrainUntilHanging();
  ASSERT_TRUE(worker.Cancel());
  const ExecutionOutcome outcome = Finish();
  EXPECT_EQ("Cancelled: read 3 rows", outcome.message);
  EXPECT_TRUE(outcome.mark.placed);
  EXPECT_EQ(5u, outcome.mark.start);
  EXPECT_EQ(2u, outcome.mark.length);
  EXPECT_EQ((Texts{"x1", "x2"}), source.executed) << "nothing runs after the cancelled statement";
}

// A substitution variable's value is asked by the window, like the read-all question.
TEST_F(SessionWorkerTest, SubstitutionValueIsAskedByTheWindow) {
  source.script["SELECT 7 FROM DUAL"] = Query(1);
  ASSERT_TRUE(Start("SELECT &n FROM DUAL"));
  for (;;) {
    RunNews news = worker.Drain(list);
    if (news.substitution) {
      EXPECT_EQ("Enter value for n:", news.substitution->prompt);
      worker.Answer(true, "7");
    }
    if (news.outcome) {
      EXPECT_EQ("Rows 1", news.outcome->message);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

TEST_F(SessionWorkerTest, FailureEndsTheRunWithTheErrorText) {
  ASSERT_TRUE(Start("missing"));
  EXPECT_EQ("ORA-00900: missing, approx. offset 0", Finish().message);
  EXPECT_FALSE(worker.Busy());
}

TEST_F(SessionWorkerTest, NothingToCancelWithoutARunOrWithoutTheEntryPoints) {
  EXPECT_FALSE(worker.Cancel());
  source.canBreak = false;
  source.script["q"] = Query(3);
  source.hangAt = 1;
  ASSERT_TRUE(Start("q"));
  DrainUntilHanging();
  EXPECT_FALSE(worker.CanCancel());
  EXPECT_FALSE(worker.Cancel());
  source.Break();  // the server gives up by itself
  EXPECT_EQ("ORA-00900: q", Finish().message);
}

// The window's list may find out only when it takes the rows that it has no room for them.
TEST_F(SessionWorkerTest, ListWithoutRoomEndsTheFetchAsOutOfMemory) {
  source.script["q"] = Query(50);
  list.capacity = 20;
  ASSERT_TRUE(Start("q"));
  EXPECT_EQ("Not enough memory: read 20 rows", Finish().message);
  EXPECT_EQ(20u, list.rows.size());
}

}  // namespace
