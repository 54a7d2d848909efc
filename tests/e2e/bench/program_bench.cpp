// The whole program's speed under Wine, by hand (scripts/bench-program): F5 on the demo's
// 100,000 x 10 table against the same fetch without a window, sorting it by a header click,
// saving it as XML, start-up, the memory the loaded rows hold, and F5 over a slow network
// (alone with the argument "network"). With the argument "million" (scripts/bench-program
// million): the same steps on 1,000,000 rows, and replacing and closing such a list. With
// "worker": the window during a long run and the cancel. Prints Markdown tables; exit code 1
// when a step failed.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "DocumentFetch.h"
#include "Figures.h"
#include "ProcessMemory.h"
#include "Stopwatch.h"
#include "WorkerBench.h"
#include "Workbench.h"
#include "resource.h"

namespace {

using exece2e::Workbench;
using programbench::Stopwatch;

const char kQuery[] = "SELECT * FROM MEASUREMENTS";
const char kAllRows[] = "Rows 100000";
const int kRows = 100000;
const int kSamples = 3;                       // F5 and the fetch at 100,000 rows
const int kSortColumn = 2;                    // SENSOR: its first cell differs up and down
const unsigned kLongStepMs = 30 * 60 * 1000;  // a loaded machine can be very slow
const char kSettings[] = "VIEWXML=0\r\n";     // no viewer opened in the display

struct Figures {
  double baseline = -1, startup = -1, readAll = -1, save = -1;
  std::vector<double> clicks;
  std::uint64_t savedBytes = 0;
  programbench::ProcessMemory before, loaded;
};

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

// The read-all question, looked for every 5 ms: the harness's usual 25 ms steps were a tenth
// of F5 at 100,000 rows, and looking every millisecond keeps the Wine server from the program.
HWND WaitForQuestion(Workbench& bench) {
  e2e::WindowQuery query;
  query.className = "#32770";
  query.caption = "Zenquill";
  query.processId = ProcessOf(bench.Main());
  HWND question = nullptr;
  const unsigned kQuestionMs = 120 * 1000;
  e2e::WaitUntil([&] { return (question = e2e::FindTopWindow(query)) && GetDlgItem(question, IDYES); }, kQuestionMs, 5);
  return question;
}

// F5, Yes to the read-all question as soon as it is up, until the message line reports
// every row. Reading the message line is a message to the program's window every time: for
// the first `quietSeconds` (a time F5 cannot beat, such as most of the fetch alone) it is left
// alone, which can only make F5 look slower, never faster.
double TimeReadAll(Workbench& bench, const std::string& query = kQuery, const std::string& allRows = kAllRows,
                   double quietSeconds = 0) {
  bench.SetEditorText(query);
  const Stopwatch stopwatch;
  e2e::PostKey(bench.Main(), VK_F5);
  if (HWND question = WaitForQuestion(bench)) e2e::PostClick(GetDlgItem(question, IDYES));
  const double quiet = quietSeconds - stopwatch.Seconds();
  if (quiet > 0) Sleep(static_cast<DWORD>(quiet * 1000));
  if (!e2e::WaitUntil([&] { return bench.Message() == allRows; }, kLongStepMs, 2)) return -1;
  return stopwatch.Seconds();
}

// Most of the fetch alone: no F5 of the same rows ends sooner.
double QuietPart(double baseline) { return baseline * 0.9; }

// Each click reverses the order, so the first cell of the column changes once it is done.
std::vector<double> TimeSortClicks(Workbench& bench, int clicks) {
  e2e::ListViewReader list = bench.List();
  std::vector<double> seconds;
  for (int click = 0; click < clicks; ++click) {
    const std::string top = list.Cell(0, kSortColumn);
    const Stopwatch stopwatch;
    const bool sorted = list.ClickHeading(kSortColumn) &&
                        e2e::WaitUntil([&] { return list.Cell(0, kSortColumn) != top; }, kLongStepMs, 5);
    seconds.push_back(sorted ? stopwatch.Seconds() : -1);
  }
  return seconds;
}

// From the file name put in the save dialog and Save pressed to the report in the message
// line: the dialog's closing, the stylesheet beside the file and the file itself.
double TimeSaveXml(Workbench& bench, const std::string& path, std::uint64_t& bytes) {
  DeleteFileA(path.c_str());
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_XML);
  if (!bench.WaitForDialog("Save As")) return -1;
  const Stopwatch saving;
  if (!bench.AnswerFileDialog("Save As", path)) return -1;
  if (!e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); }, kLongStepMs, 5)) return -1;
  const double seconds = saving.Seconds();
  WIN32_FILE_ATTRIBUTE_DATA file = {};
  if (bench.Message() != "Saved XML file!" || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &file))
    return -1;
  bytes = (static_cast<std::uint64_t>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
  return seconds;
}

bool Fail(const std::string& what) {
  std::printf("FAILED: %s\n", what.c_str());
  return false;
}

bool MeasureProgram(Workbench& bench, int clicks, Figures& figures) {
  const Stopwatch starting;
  if (!bench.Start("bench", kSettings, true)) return Fail("the program did not start");
  figures.startup = starting.Seconds();
  if (bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL) != "Connect succeeded!") return Fail("no connect");
  programbench::ReadProcessMemoryFigures(ProcessOf(bench.Main()), figures.before);
  figures.readAll = TimeReadAll(bench, kQuery, kAllRows, QuietPart(figures.baseline));
  programbench::ReadProcessMemoryFigures(ProcessOf(bench.Main()), figures.loaded);
  if (figures.readAll < 0) return Fail("F5 never reported \"Rows 100000\"");
  // A run of half a second moves with the machine's other work: the middle one of three.
  std::vector<double> reads = {figures.readAll};
  for (int again = 1; again < kSamples; ++again)
    reads.push_back(TimeReadAll(bench, kQuery, kAllRows, QuietPart(figures.baseline)));
  figures.readAll = benchfig::Median(reads);
  figures.clicks = TimeSortClicks(bench, clicks);
  figures.save = TimeSaveXml(bench, bench.Scratch() + "\\bench.xml", figures.savedBytes);
  return true;
}

// The memory the loaded rows hold, as table rows; `what` is how many rows, in words.
std::vector<std::string> MemoryRows(const programbench::ProcessMemory& before,
                                    const programbench::ProcessMemory& loaded, int rows, const std::string& what) {
  using namespace benchfig;
  const double mb = 1024.0 * 1024.0;
  const bool read = before.workingSet > 0 && loaded.peakWorkingSet > 0;  // else never sampled
  return {TableRow("peak working set, " + what + " rows loaded", read ? loaded.peakWorkingSet / mb : -1, "MB"),
          TableRow("working set before F5", read ? before.workingSet / mb : -1, "MB"),
          TableRow("peak working set over that, per row",
                   read ? BytesPerRow(before.workingSet, loaded.peakWorkingSet, rows) : -1, "bytes", 0),
          TableRow("private bytes growth, per row",
                   read ? BytesPerRow(before.privateBytes, loaded.privateBytes, rows) : -1, "bytes", 0)};
}

// The table's head: the windowless fetch, and F5 to `allRows` against it; `runs` says how
// many runs each figure is the middle of.
std::vector<std::string> FetchRows(const std::string& figure, double baseline, double readAll, const char* allRows,
                                   const std::string& runs = "") {
  using namespace benchfig;
  return {"| " + figure + " | value |", "|---|---|",
          TableRow("fetch through DatabaseDocument, no window (baseline)" + runs, baseline, "s"),
          TableRow("F5, Yes, to \"" + std::string(allRows) + "\"" + runs, readAll, "s"),
          TableRow("F5 over the baseline (the cost of the list)", Ratio(readAll, baseline), "x")};
}

void Print(const Figures& f) {
  using namespace benchfig;
  const double click = Median(f.clicks);
  std::vector<std::string> rows =
      FetchRows("figure", f.baseline, f.readAll, kAllRows, ", median of " + std::to_string(kSamples));
  const std::vector<std::string> more = {
      TableRow("sort by SENSOR, median of " + std::to_string(f.clicks.size()) + " header clicks", click, "s"),
      TableRow("sort click over the baseline", Ratio(click, f.baseline), "x"),
      TableRow("Save XML data", f.save, "s"),
      TableRow("Save XML data over the baseline", Ratio(f.save, f.baseline), "x"),
      TableRow("Save XML data, file size", f.save < 0 ? -1 : f.savedBytes / 1e6, "MB"),
      TableRow("Save XML data, rate", f.save < 0 ? -1 : MegabytesPerSecond(f.savedBytes, f.save), "MB/s"),
      TableRow("start-up to the Connect dialog, splash 1 ms", f.startup, "s"),
  };
  rows.insert(rows.end(), more.begin(), more.end());
  for (const std::string& row : MemoryRows(f.before, f.loaded, kRows, "100,000")) rows.push_back(row);
  for (const std::string& row : rows) std::printf("%s\n", row.c_str());
  for (std::size_t k = 0; k < f.clicks.size(); ++k) std::printf("click %zu: %.3f s\n", k + 1, f.clicks[k]);
}

// F5 with Yes as if the server were across a network: ocilite makes each round trip last
// OCILITE_LATENCY_MS, and refuses the prefetch attribute under OCILITE_NO_PREFETCH, which
// gives the program's figures from before it asked for prefetching.
struct NetworkRun {
  const char* table;
  int rows;
  int latencyMs;
  bool prefetch;
  double seconds = -1;
  long long roundTrips = -1;  // from the execute to the last fetch
};

const char kRoundTripsQuery[] =
    "SELECT VALUE FROM V$MYSTAT JOIN V$STATNAME USING (STATISTIC#) "
    "WHERE NAME = 'SQL*Net roundtrips to/from client'";

// The session's round trips so far, the reading's own execute included.
long long ReadRoundTrips(Workbench& bench) {
  if (bench.Execute(kRoundTripsQuery) != "Rows 1") return -1;
  return std::atoll(bench.List().Cell(0, 0).c_str());
}

// The best of a few F5 runs, in one program started with the run's network; the round trips
// of the last, less those of reading them (read twice first to learn what that costs).
bool MeasureNetworkRun(NetworkRun& run) {
  const int kRuns = 3;
  SetEnvironmentVariableA("OCILITE_LATENCY_MS", std::to_string(run.latencyMs).c_str());
  SetEnvironmentVariableA("OCILITE_NO_PREFETCH", run.prefetch ? nullptr : "1");
  Workbench bench;
  std::error_code ignored;
  std::filesystem::create_directories(bench.WorkFolder() + "\\network\\data", ignored);
  if (!bench.StartConnected("network", kSettings, true)) return Fail("the program did not start and connect");
  const std::string query = std::string("SELECT * FROM ") + run.table;
  const std::string allRows = "Rows " + std::to_string(run.rows);
  for (int k = 0; k < kRuns; ++k) {
    const long long first = ReadRoundTrips(bench);
    const long long before = ReadRoundTrips(bench);
    const double seconds = TimeReadAll(bench, query, allRows);
    const long long after = ReadRoundTrips(bench);
    if (first < 0 || before < 0 || after < 0 || seconds < 0) {
      bench.Close();
      return Fail("F5 on " + query);
    }
    run.roundTrips = after - before - (before - first);
    if (run.seconds < 0 || seconds < run.seconds) run.seconds = seconds;
  }
  return bench.Close();
}

bool MeasureNetwork() {
  std::vector<NetworkRun> runs;
  for (bool prefetch : {false, true}) {
    for (int latency : {0, 1, 20}) runs.push_back({"ORDER_LINES", 1200, latency, prefetch});
  }
  // Without prefetching, 100,000 rows at 20 ms would take over half an hour.
  for (int latency : {0, 1, 20}) runs.push_back({"MEASUREMENTS", kRows, latency, true});
  bool measured = true;
  std::printf(
      "| table | rows | latency | prefetch | F5, Yes, to the last row | round trips | over 0 ms |\n"
      "|---|---|---|---|---|---|---|\n");
  double atZero = -1;
  for (NetworkRun& run : runs) {
    measured = MeasureNetworkRun(run) && measured;
    if (run.latencyMs == 0) atZero = run.seconds;
    const double ratio = benchfig::Ratio(run.seconds, atZero);
    char over[16] = "failed";
    if (ratio >= 0) std::snprintf(over, sizeof over, "%.2fx", ratio);
    std::printf("| %s | %d | %d ms | %s | %.2f s | %lld | %s |\n", run.table, run.rows, run.latencyMs,
                run.prefetch ? "500 rows" : "none", run.seconds, run.roundTrips, over);
  }
  SetEnvironmentVariableA("OCILITE_LATENCY_MS", nullptr);
  SetEnvironmentVariableA("OCILITE_NO_PREFETCH", nullptr);
  return measured;
}

// 1,000,000 rows: MEASUREMENTS joined with five salary grades and two departments.
const char kMillionQuery[] = "SELECT M.* FROM MEASUREMENTS M, SALGRADE S, DEPT D WHERE D.DEPTNO <= 20";
const char kMillionAllRows[] = "Rows 1000000";
const int kMillionRows = 1000000;

struct MillionFigures {
  double baseline = -1, readAll = -1, save = -1, refillEmpty = -1, refill = -1, readAgain = -1, close = -1;
  std::vector<double> clicks;
  std::uint64_t savedBytes = 0;
  programbench::ProcessMemory before, loaded;
};

// F5 on a four-row query: on an empty list, and while the list holds every row (the
// difference is the emptying of the list).
double TimeRefill(Workbench& bench) {
  const Stopwatch stopwatch;
  return bench.Execute("SELECT * FROM DEPT") == "Rows 4" ? stopwatch.Seconds() : -1;
}

double TimeClose(Workbench& bench) {
  const Stopwatch stopwatch;
  return bench.Close() ? stopwatch.Seconds() : -1;
}

bool MeasureMillionRows(Workbench& bench, MillionFigures& figures) {
  if (!bench.Start("bench", kSettings, true)) return Fail("the program did not start");
  if (bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL) != "Connect succeeded!") return Fail("no connect");
  figures.refillEmpty = TimeRefill(bench);
  programbench::ReadProcessMemoryFigures(ProcessOf(bench.Main()), figures.before);
  figures.readAll = TimeReadAll(bench, kMillionQuery, kMillionAllRows, QuietPart(figures.baseline));
  programbench::ReadProcessMemoryFigures(ProcessOf(bench.Main()), figures.loaded);
  if (figures.readAll < 0) return Fail("F5 never reported \"Rows 1000000\": " + bench.Message());
  figures.clicks = TimeSortClicks(bench, 2);
  figures.save = TimeSaveXml(bench, bench.Scratch() + "\\million.xml", figures.savedBytes);
  DeleteFileA((bench.Scratch() + "\\million.xml").c_str());
  figures.refill = TimeRefill(bench);
  figures.readAgain = TimeReadAll(bench, kMillionQuery, kMillionAllRows, QuietPart(figures.baseline));
  figures.close = TimeClose(bench);
  return true;
}

void PrintMillion(const MillionFigures& f) {
  using namespace benchfig;
  std::vector<std::string> rows = FetchRows("figure, 1,000,000 rows", f.baseline, f.readAll, kMillionAllRows);
  const std::vector<std::string> more = {
      TableRow("sort by SENSOR, first header click", f.clicks.empty() ? -1 : f.clicks[0], "s"),
      TableRow("sort by SENSOR, second click on the same column", f.clicks.size() < 2 ? -1 : f.clicks[1], "s"),
      TableRow("Save XML data", f.save, "s"),
      TableRow("Save XML data, file size", f.save < 0 ? -1 : f.savedBytes / 1e6, "MB"),
      TableRow("F5 on DEPT, on an empty list", f.refillEmpty, "s"),
      TableRow("F5 on DEPT, replacing the 1,000,000 rows", f.refill, "s"),
      TableRow("F5 again, to \"Rows 1000000\"", f.readAgain, "s"),
      TableRow("closing the window with 1,000,000 rows, to the program's exit", f.close, "s"),
  };
  rows.insert(rows.end(), more.begin(), more.end());
  for (const std::string& row : MemoryRows(f.before, f.loaded, kMillionRows, "1,000,000")) rows.push_back(row);
  for (const std::string& row : rows) std::printf("%s\n", row.c_str());
}

// The windowless fetch of `query`, which must give `rows` rows, the middle of `runs` in one
// session; -1 (reported) when it did not.
double TimeBaseline(Workbench& bench, const std::string& data, const char* query, int rows, int runs = 1) {
  const programbench::FetchTiming baseline = programbench::TimeDocumentFetch(bench.WorkFolder(), data, query, runs);
  if (baseline.rows == rows) return baseline.seconds;
  Fail("baseline: " + baseline.error + " after " + std::to_string(baseline.rows) + " rows");
  return -1;
}

int RunMillionRows(Workbench& bench, const std::string& data) {
  MillionFigures figures;
  figures.baseline = TimeBaseline(bench, data, kMillionQuery, kMillionRows);
  if (figures.baseline < 0) return 1;
  const bool measured = MeasureMillionRows(bench, figures);
  PrintMillion(figures);
  const bool clicked = figures.clicks.size() == 2 && figures.clicks[0] >= 0 && figures.clicks[1] >= 0;
  return measured && clicked && figures.save >= 0 && figures.refill >= 0 && figures.close >= 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // "network" runs the network section alone.
  if (argc > 1 && std::string(argv[1]) == "network") return MeasureNetwork() ? 0 : 1;
  if (argc > 1 && std::string(argv[1]) == "worker") return programbench::MeasureLongRun() ? 0 : 1;
  const bool million = argc > 1 && std::string(argv[1]) == "million";
  const int clicks = argc > 1 && !million ? std::atoi(argv[1]) : 4;
  if (clicks < 1) {
    Fail(std::string("at least one sort click, not \"") + argv[1] + "\"");
    return 2;
  }
  Workbench bench;
  const std::string data = bench.WorkFolder() + "\\bench\\data";
  std::error_code ignored;
  std::filesystem::remove_all(bench.WorkFolder() + "\\bench", ignored);
  std::filesystem::create_directories(data);

  if (million) return RunMillionRows(bench, data);
  Figures figures;
  figures.baseline = TimeBaseline(bench, data, kQuery, kRows, kSamples);
  if (figures.baseline < 0) return 1;
  const bool measured = MeasureProgram(bench, clicks, figures);
  const bool closed = bench.Close();
  Print(figures);
  const bool network = MeasureNetwork();
  return measured && closed && network && figures.save >= 0 && benchfig::Median(figures.clicks) >= 0 ? 0 : 1;
}
