#include "SessionWorker.h"

#include <new>
#include <utility>

#include "ResultFiller.h"

const char kCancelledCallText[] = "ORA-01013: user requested cancel of current operation";

namespace {

// The window is called for rows once this many wait (its progress timer takes fewer), and
// the fetch waits while the window has not taken the most.
constexpr int kWakeRows = 2000;
constexpr int kMostPendingRows = 10000;

// The list's rows may run out of memory by refusing a row or by throwing.
std::size_t AppendWhatFits(ResultList& list, const RowBatch& rows) {
  const int before = list.RowCount();
  try {
    return list.AppendRows(rows);
  } catch (const std::bad_alloc&) {
    return static_cast<std::size_t>(list.RowCount() - before);
  }
}

}  // namespace

std::string RunProgressText(int rows) {
  return rows > 0 ? "Fetching: " + std::to_string(rows) + " rows" : "Running...";
}

// The job's result list: its changes go into the queue for the window to apply.
class SessionWorker::HandOverList : public ResultList {
 public:
  explicit HandOverList(SessionWorker& worker) : worker_(worker) {}

  void Clear() override {
    std::unique_lock<std::mutex> guard(worker_.lock_);
    worker_.rows_ = 0;
    worker_.listFull_ = false;
    worker_.Queue(guard, {ListChange::kClear, "", 0, {}, {}});
  }

  void AddColumn(const std::string& heading, int width) override {
    std::unique_lock<std::mutex> guard(worker_.lock_);
    worker_.Queue(guard, {ListChange::kColumn, heading, width, {}, {}});
  }

  // Rows join the batch the window has not taken yet; a list that ran out of room takes
  // no more until it is cleared. A window that falls behind holds the fetch back, so the
  // rows never wait in two copies for long.
  bool AppendRow(const std::vector<std::string>& values) override {
    std::unique_lock<std::mutex> guard(worker_.lock_);
    worker_.changed_.wait(guard, [this] { return worker_.pendingRows_ < kMostPendingRows || worker_.Abandoned(); });
    if (worker_.listFull_) return false;
    ++worker_.rows_;
    ++worker_.pendingRows_;
    std::deque<ListChange>& queue = worker_.queue_;
    if (!queue.empty() && queue.back().kind == ListChange::kRows) {
      queue.back().rows.Add(values);
      worker_.WakeIfDue(guard);
      return true;
    }
    // A batch the window is done with keeps its room: no allocation, no new pages per batch.
    ListChange change{ListChange::kRows, "", 0, {}, {}};
    std::swap(change.rows, worker_.spare_);
    change.rows.Add(values);
    worker_.Queue(guard, std::move(change));
    return true;
  }

  // Once rows were shown, the count is the window's list's: it waits until the window has
  // taken every row (or the run is abandoned), so that rows the list refused do not count.
  int RowCount() const override {
    std::unique_lock<std::mutex> guard(worker_.lock_);
    worker_.changed_.wait(guard, [this] { return !worker_.showQueued_ || worker_.Abandoned(); });
    return worker_.rows_;
  }

  // Turning drawing on is where the filler wants the rows shown. It does not wait: a
  // question that follows reaches the window in the same drain as the rows.
  void SetRedraw(bool on) override {
    if (!on) return;
    std::unique_lock<std::mutex> guard(worker_.lock_);
    worker_.showQueued_ = true;
    worker_.Queue(guard, {ListChange::kShow, "", 0, {}, {}});
  }

  // No, when the run is abandoned before the window answers.
  bool AskToReadAll(const std::string& question) override {
    std::string unused;
    return worker_.AwaitAnswer({ListChange::kQuestion, question, 0, {}, {}}, unused);
  }

  bool AskSubstitution(const SubstitutionAsk& ask, std::string& value) override {
    return worker_.AwaitAnswer({ListChange::kSubstitution, "", 0, {}, ask}, value);
  }

 private:
  SessionWorker& worker_;
};

// The session as the job sees it: once the run is cancelled, calls not yet begun fail as the
// cancelled one did, and the first call to return after the break resets the session.
class SessionWorker::CancellableSource : public StatementSource {
 public:
  explicit CancellableSource(SessionWorker& worker) : worker_(worker), source_(worker.source_) {}

  DbResult Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                   int& errorOffset) override {
    if (Refused()) return DB_ERROR;
    return Returned(source_.Execute(statement, isQuery, columnCount, rowCount, errorOffset));
  }
  DbResult DescribeColumns(int columnCount, std::vector<std::string>& names) override {
    if (Refused()) return DB_ERROR;
    return Returned(source_.DescribeColumns(columnCount, names));
  }
  DbResult FetchRow(int columnCount, std::vector<std::string>& values) override {
    if (Refused()) return DB_ERROR;
    return Returned(source_.FetchRow(columnCount, values));
  }
  int ValuesCut() override { return source_.ValuesCut(); }
  std::string GetErrorText() override { return refused_ ? kCancelledCallText : source_.GetErrorText(); }
  void CloseQuery() override {
    source_.CloseQuery();
    worker_.ResetAfterBreak();
  }
  bool Cancelled() override { return worker_.breakSent_; }

 private:
  bool Refused() {
    refused_ = Cancelled();
    return refused_;
  }
  DbResult Returned(DbResult result) {
    worker_.ResetAfterBreak();
    return result;
  }

  SessionWorker& worker_;
  StatementSource& source_;
  bool refused_ = false;
};

SessionWorker::SessionWorker(StatementSource& source, CallBreaker& breaker, std::function<void()> wake)
    : source_(source), breaker_(breaker), wake_(std::move(wake)), thread_([this] { Loop(); }) {}

SessionWorker::~SessionWorker() {
  bool jobRunning;
  {
    std::lock_guard<std::mutex> guard(lock_);
    quitting_ = true;
    jobRunning = jobRunning_;
  }
  changed_.notify_all();
  // A call that neither returned nor heeded the break cannot be waited for at exit.
  if (jobRunning) {
    thread_.detach();
  } else {
    thread_.join();
  }
}

bool SessionWorker::Start(Job job) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (phase_ != RunPhase::Idle || quitting_) return false;
    job_ = std::move(job);
    phase_ = RunPhase::Running;
    breakSent_ = false;
    resetDone_ = false;
  }
  changed_.notify_all();
  return true;
}

RunPhase SessionWorker::Phase() const {
  std::lock_guard<std::mutex> guard(lock_);
  return phase_;
}

bool SessionWorker::CanCancel() const {
  const RunPhase phase = Phase();
  return (phase == RunPhase::Running || phase == RunPhase::Asking) && breaker_.CanBreak();
}

bool SessionWorker::Cancel() {
  if (!CanCancel()) return false;
  std::lock_guard<std::mutex> breaking(breaking_);
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (phase_ != RunPhase::Running && phase_ != RunPhase::Asking) return false;
    phase_ = RunPhase::Cancelling;
    breakSent_ = true;
  }
  changed_.notify_all();
  breaker_.Break();
  return true;
}

void SessionWorker::ResetAfterBreak() {
  if (!breakSent_) return;
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (!breakSent_ || resetDone_) return;
    resetDone_ = true;
  }
  std::lock_guard<std::mutex> breaking(breaking_);
  breaker_.Reset();
}

bool SessionWorker::AwaitAnswer(ListChange change, std::string& value) {
  std::unique_lock<std::mutex> guard(lock_);
  if (Abandoned()) return false;
  answer_.reset();
  phase_ = RunPhase::Asking;
  Queue(guard, std::move(change));
  changed_.wait(guard, [this] { return answer_.has_value() || Abandoned(); });
  if (phase_ == RunPhase::Asking) phase_ = RunPhase::Running;
  value = answerValue_;
  return answer_.value_or(false);
}

RunNews SessionWorker::Drain(ResultList& list) {
  RunNews news;
  std::unique_lock<std::mutex> guard(lock_);
  wakePosted_ = false;
  std::optional<ListChange> asked = Apply(guard, list);
  if (asked && asked->kind == ListChange::kQuestion) news.question = asked->text;
  if (asked && asked->kind == ListChange::kSubstitution) news.substitution = asked->ask;
  if (!asked && phase_ == RunPhase::Ended && queue_.empty()) {
    news.outcome = std::move(outcome_);
    outcome_.reset();
    phase_ = RunPhase::Idle;
    spare_ = RowBatch();  // between runs the room goes back
  }
  return news;
}

std::optional<SessionWorker::ListChange> SessionWorker::Apply(std::unique_lock<std::mutex>& guard, ResultList& list) {
  while (!queue_.empty()) {
    ListChange change = std::move(queue_.front());
    queue_.pop_front();
    if (change.kind == ListChange::kQuestion || change.kind == ListChange::kSubstitution) return change;
    if (change.kind == ListChange::kRows) pendingRows_ -= static_cast<int>(change.rows.Count());
    guard.unlock();
    std::size_t taken = 0;
    switch (change.kind) {
      case ListChange::kClear: list.Clear(); break;
      case ListChange::kColumn: list.AddColumn(change.text, change.width); break;
      case ListChange::kRows: taken = AppendWhatFits(list, change.rows); break;
      case ListChange::kShow: list.SetRedraw(true); break;
      case ListChange::kQuestion:
      case ListChange::kSubstitution: break;
    }
    guard.lock();
    if (change.kind == ListChange::kRows && taken < change.rows.Count()) {
      // Rows after the first that found no room never go in.
      listFull_ = true;
      rows_ = list.RowCount();
      while (!queue_.empty() && queue_.front().kind == ListChange::kRows) {
        pendingRows_ -= static_cast<int>(queue_.front().rows.Count());
        queue_.pop_front();
      }
    }
    if (change.kind == ListChange::kRows) {
      change.rows.Clear();
      spare_ = std::move(change.rows);
    }
    changed_.notify_all();
  }
  showQueued_ = false;
  changed_.notify_all();
  return std::nullopt;
}

void SessionWorker::Answer(bool yes, const std::string& value) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    answer_ = yes;
    answerValue_ = value;
  }
  changed_.notify_all();
}

bool SessionWorker::WaitForJob(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> guard(lock_);
  return changed_.wait_for(guard, timeout, [this] { return !jobRunning_ && !job_; });
}

void SessionWorker::Queue(std::unique_lock<std::mutex>& guard, ListChange change) {
  queue_.push_back(std::move(change));
  WakeIfDue(guard);
}

// One posted message at a time, for anything but rows at once, for rows in numbers.
void SessionWorker::WakeIfDue(std::unique_lock<std::mutex>& guard) {
  if (wakePosted_ || queue_.empty()) return;
  if (queue_.back().kind == ListChange::kRows && pendingRows_ < kWakeRows) return;
  wakePosted_ = true;
  guard.unlock();
  wake_();
  guard.lock();
}

void SessionWorker::Loop() {
  HandOverList list(*this);
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> guard(lock_);
      changed_.wait(guard, [this] { return job_ || quitting_; });
      if (!job_) return;
      job = std::move(job_);
      job_ = nullptr;
      jobRunning_ = true;
    }
    CancellableSource source(*this);
    ExecutionOutcome outcome;
    try {
      outcome = job(source, list);
    } catch (const std::bad_alloc&) {
      outcome.message = OutOfMemoryText(list.RowCount());
    }
    ResetAfterBreak();
    {
      std::lock_guard<std::mutex> guard(lock_);
      outcome_ = std::move(outcome);
      phase_ = RunPhase::Ended;
      jobRunning_ = false;
    }
    changed_.notify_all();
    wake_();
  }
}
