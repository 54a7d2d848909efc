// The one thread that makes the session's calls, so that the window never waits for the
// database. A run (Execute, a catalogue load, ...) is a job that works on a StatementSource
// and a ResultList as it always did; here the list is a hand-over: what the job does to it
// is queued in order, and the window's thread applies it to the real list when it drains
// the queue, rows in batches. The read-all question and a substitution variable's value
// wait for the window's answer. Cancel breaks the running call from the window's thread and
// resets the session from the worker once that call has returned; the job then meets the
// cancelled call's error.
//
// The run's phases:
//   Idle        no run; Start begins one.
//   Running     the job works; its changes to the list wait in the queue.
//   Asking      the job waits for the answer to a question (Drain handed it out).
//   Cancelling  a break was sent; the job ends as soon as its call returns.
//   Ended       the job returned; the next Drain hands the outcome over and the phase is Idle.
#ifndef ZENQUILL_WORKSPACE_SESSIONWORKER_H
#define ZENQUILL_WORKSPACE_SESSIONWORKER_H

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "Execution.h"
#include "ExecutionPorts.h"
#include "RowBatch.h"

// Stops the session's running call: Break from the window's thread while the call runs,
// Reset from the worker once it has returned.
class CallBreaker {
 public:
  virtual bool CanBreak() = 0;
  virtual void Break() = 0;
  virtual void Reset() = 0;

 protected:
  ~CallBreaker() = default;
};

// Any document with these operations (DatabaseDocument) as a CallBreaker.
template <class Document>
class DocumentBreaker : public CallBreaker {
 public:
  explicit DocumentBreaker(Document& document) : document_(document) {}
  bool CanBreak() override { return document_.CanBreak(); }
  void Break() override { document_.Break(); }
  void Reset() override { document_.Reset(); }

 private:
  Document& document_;
};

// What the server says about a cancelled call; also what a call that the cancel caught
// before it began answers.
extern const char kCancelledCallText[];

// The message line while a run goes on: "Running..." until rows come, then "Fetching: N rows".
std::string RunProgressText(int rows);

enum class RunPhase { Idle, Running, Asking, Cancelling, Ended };

// What one Drain hands the window besides the rows it applied.
struct RunNews {
  std::optional<std::string> question;          // the read-all question: ask it, then Answer
  std::optional<SubstitutionAsk> substitution;  // a variable's value: ask, then Answer with it
  std::optional<ExecutionOutcome> outcome;      // the run is over
};

class SessionWorker {
 public:
  using Job = std::function<ExecutionOutcome(StatementSource&, ResultList&)>;

  // `wake` is called from the worker when something waits for Drain (rows only once
  // enough of them wait; the window drains on a timer as well): it may only post a message
  // to the window's thread.
  SessionWorker(StatementSource& source, CallBreaker& breaker, std::function<void()> wake);
  // Waits for a running job only as long as WaitForJob was given; a job still running then
  // is left to the end of the process.
  ~SessionWorker();
  SessionWorker(const SessionWorker&) = delete;
  SessionWorker& operator=(const SessionWorker&) = delete;

  // Window's thread. False, and nothing started, while a run goes on.
  bool Start(Job job);
  RunPhase Phase() const;
  bool Busy() const { return Phase() != RunPhase::Idle; }
  bool CanCancel() const;
  // Breaks the running call; false when there is nothing to cancel.
  bool Cancel();
  // Applies what the job handed over to `list`, in order.
  RunNews Drain(ResultList& list);
  // Yes to the read-all question, or a value given (with `value`) rather than cancelled.
  void Answer(bool yes, const std::string& value = std::string());
  // Waits at most `timeout` for the job to return; true when none runs any more.
  bool WaitForJob(std::chrono::milliseconds timeout);

 private:
  class HandOverList;
  class CancellableSource;
  struct ListChange {
    enum Kind { kClear, kColumn, kRows, kShow, kQuestion, kSubstitution } kind;
    std::string text;
    int width = 0;
    RowBatch rows;
    SubstitutionAsk ask;
  };

  void Loop();
  // Worker side of the hand-over, under lock_.
  void Queue(std::unique_lock<std::mutex>& guard, ListChange change);
  void WakeIfDue(std::unique_lock<std::mutex>& guard);
  // Applies the queued changes up to a question; the question when one came.
  std::optional<ListChange> Apply(std::unique_lock<std::mutex>& guard, ResultList& list);
  // Worker side: hands `change` (a question) over and waits for its answer.
  bool AwaitAnswer(ListChange change, std::string& value);
  bool Abandoned() const { return phase_ == RunPhase::Cancelling || quitting_; }
  void ResetAfterBreak();

  StatementSource& source_;
  CallBreaker& breaker_;
  std::function<void()> wake_;

  mutable std::mutex lock_;
  std::condition_variable changed_;
  RunPhase phase_ = RunPhase::Idle;
  Job job_;
  bool jobRunning_ = false;
  bool quitting_ = false;
  std::deque<ListChange> queue_;
  bool wakePosted_ = false;  // a wake went out and the window has not drained since
  std::optional<bool> answer_;
  std::string answerValue_;
  int rows_ = 0;         // in the list once the queue is applied
  int pendingRows_ = 0;  // in the queue
  bool listFull_ = false;
  bool showQueued_ = false;  // a show waits in the queue or is being applied
  RowBatch spare_;  // a batch the window has applied, kept for its room
  // Set with the Cancelling phase and read without the lock: the job asks before every call.
  std::atomic<bool> breakSent_{false};
  bool resetDone_ = false;
  std::optional<ExecutionOutcome> outcome_;
  std::mutex breaking_;  // a reset never overtakes the break it follows
  std::thread thread_;
};

#endif
