// Fetching 1,000,000 rows of 10 columns through OciConnection, one row per fetch as the
// program does, against the sqlite3 shell reading the same table to /dev/null in the same
// run. Run from the folder that holds oci.dll (scripts/bench does).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "DatabaseDocument.h"

namespace {

constexpr int kRows = 1000000;
const char kTable[] = "BENCH_ROWS";

double bestOciliteSeconds = 0;
double bestShellSeconds = 0;

std::string DataFolder() { return (std::filesystem::current_path() / "bench-data").string(); }

void Note(double& best, double seconds) {
  if (best == 0 || seconds < best) best = seconds;
}

// The demo database plus a table of a million generated rows, made once.
bool PrepareData() {
  std::filesystem::create_directories(DataFolder());
  setenv("OCILITE_DATA", DataFolder().c_str(), 1);
  DatabaseDocument document;
  if (document.Connect("DEMO", "SCOTT", "tiger", LOGIN_NORMAL) != DB_OK) {
    std::fprintf(stderr, "connect failed: %s\n", document.GetErrorText().c_str());
    return false;
  }
  int isQuery = 0, columns = 0, rows = 0, offset = 0;
  std::string count = std::string("SELECT COUNT(*) FROM ") + kTable;
  if (document.Execute(count, isQuery, columns, rows, offset) == DB_OK) return true;
  std::string create = std::string("CREATE TABLE ") + kTable +
                       " (ID NUMBER(8), CODE VARCHAR2(12), NAME VARCHAR2(30), CATEGORY VARCHAR2(10), "
                       "AMOUNT NUMBER(12,2), QUANTITY NUMBER(8), PRICE NUMBER(10,2), TAKEN DATE, "
                       "STATUS VARCHAR2(8), NOTE VARCHAR2(40))";
  std::string fill = std::string("INSERT INTO ") + kTable +
                     " WITH N(I) AS (SELECT 1 FROM DUAL UNION ALL SELECT I + 1 FROM N WHERE I < " +
                     std::to_string(kRows) +
                     ") SELECT I, 'C' || I, 'NAME ' || MOD(I, 1000), 'CAT' || MOD(I, 7), I * 1.25, MOD(I, 500), "
                     "MOD(I, 250) + 0.5, DATE '2002-01-01', 'OK', 'note ' || I FROM N";
  return document.Execute(create, isQuery, columns, rows, offset) == DB_OK &&
         document.Execute(fill, isQuery, columns, rows, offset) == DB_OK && rows == kRows;
}

void FetchThroughOciConnection(benchmark::State& state) {
  DatabaseDocument document;
  if (document.Connect("DEMO", "SCOTT", "tiger", LOGIN_NORMAL) != DB_OK) {
    state.SkipWithError("connect failed");
    return;
  }
  int64_t fetched = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    int isQuery = 0, columns = 0, rows = 0, offset = 0;
    document.Execute(std::string("SELECT * FROM ") + kTable, isQuery, columns, rows, offset);
    std::vector<std::string> names;
    std::vector<std::string> values;
    document.DescribeColumns(columns, names);
    int64_t count = 0;
    while (document.FetchRow(columns, values) == DB_OK) ++count;
    if (count != kRows) state.SkipWithError("wrong row count");
    fetched += count;
    Note(bestOciliteSeconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(fetched), benchmark::Counter::kIsRate);
}

void ReadWithSqliteShell(benchmark::State& state) {
  std::string command =
      "sqlite3 -batch '" + DataFolder() + "/DEMO.SCOTT.dbs' 'SELECT * FROM " + kTable + "' > /dev/null";
  int64_t read = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("sqlite3 shell failed");
    read += kRows;
    Note(bestShellSeconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(read), benchmark::Counter::kIsRate);
}

BENCHMARK(FetchThroughOciConnection)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(ReadWithSqliteShell)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (!PrepareData()) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (bestOciliteSeconds > 0 && bestShellSeconds > 0) {
    std::printf("ocilite: %.0f rows/s, sqlite3 shell: %.0f rows/s, ocilite takes %.2f times the shell's time\n",
                kRows / bestOciliteSeconds, kRows / bestShellSeconds, bestOciliteSeconds / bestShellSeconds);
  }
  return 0;
}
