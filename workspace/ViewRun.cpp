// Runs on the session's worker: the window keeps answering while a statement runs. The
// worker hands the result list's changes over with a posted message; the window applies
// them, asks the read-all question, shows the progress on a timer and, at the end, what the
// run left. Cancel (Esc) breaks the running call.
#include "ViewResultList.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"

void CZenquillView::CreateSessionWorker() {
  statements = std::make_unique<DocumentStatements<CZenquillDoc>>(*GetDocument());
  breaker = std::make_unique<DocumentBreaker<CZenquillDoc>>(*GetDocument());
  HWND window = Hwnd();
  worker =
      std::make_unique<SessionWorker>(*statements, *breaker, [window] { PostMessageA(window, kRunNewsMessage, 0, 0); });
}

// The commands that start runs are disabled while one goes on, so a refused start is one
// that came some other way (a tree notification): it has nothing to show.
void CZenquillView::StartRun(SessionWorker::Job job, std::function<void(const ExecutionOutcome&)> done) {
  if (!worker->Start(std::move(job))) return;
  runDone = std::move(done);
  progressShown.clear();
  SetTimer(Hwnd(), kProgressTimer, kProgressIntervalMs, nullptr);
}

void CZenquillView::OnRunNews() {
  if (!worker) return;
  ResultListWindow list(resultList, Hwnd());
  RunNews news = worker->Drain(list);
  if (news.question) worker->Answer(list.AskToReadAll(*news.question));
  if (news.substitution) {
    std::string value;
    const bool given = list.AskSubstitution(*news.substitution, value);
    worker->Answer(given, value);
  }
  if (!news.outcome) return;
  KillTimer(Hwnd(), kProgressTimer);
  list.SetRedraw(true);  // headings added by a run that showed no rows are drawn too
  std::function<void(const ExecutionOutcome&)> done = std::move(runDone);
  runDone = nullptr;
  if (done) done(*news.outcome);
}

// The rows that came since the last tick go into the list, which shows them; the message
// line goes straight to its control: the editor, which the user may be typing in, is left
// alone.
void CZenquillView::ShowRunProgress() {
  OnRunNews();
  if (!RunGoesOn()) return;
  ResultListWindow(resultList, Hwnd()).SetRedraw(true);
  const std::string text = RunProgressText(resultList.Rows().RowCount());
  if (text == progressShown) return;
  progressShown = text;
  SetWindowTextA(messageLine, text.c_str());
}

void CZenquillView::OnCancel() {
  if (worker) worker->Cancel();
}

// The arrow with the hourglass: the window works while the run goes on.
bool CZenquillView::OnSetCursor(LPARAM lParam) {
  if (!RunGoesOn() || LOWORD(lParam) != HTCLIENT) return false;
  SetCursor(LoadCursor(nullptr, IDC_APPSTARTING));
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, TRUE);
  return true;
}

// A run that neither ends nor heeds the break holds the session: the process then ends
// without waiting for it, and without the disconnect that would wait as well.
void CZenquillView::EndRunForClosing() {
  if (!worker) return;
  worker->Cancel();
  if (!worker->WaitForJob(std::chrono::milliseconds(kCloseWaitMs))) {
    recovery.Discard();
    ExitProcess(0);
  }
}
