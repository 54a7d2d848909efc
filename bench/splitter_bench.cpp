// Splitting a generated script of mixed SQL and PL/SQL (10 MB and 20 MB), against one memchr
// pass over the same 10 MB in the same run. Prints the throughput, the ratio to memchr and
// the 20 MB / 10 MB time ratio, which stays near 2 while the splitter is linear.
// Run: splitter_bench --benchmark_repetitions=5 (the ratios use the fastest repetition).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ScriptSplitter.h"

namespace {

constexpr size_t kMegabyte = 1024 * 1024;

// The kinds of text a real script holds: queries with literals and comments, DML, DDL,
// anonymous blocks with divisions, and program units ended by a lone "/".
const char* const kPieces[] = {
    "-- monthly report; don't run twice\r\n"
    "SELECT e.ename, d.dname, 'a;b' AS tag FROM emp e JOIN dept d ON e.deptno = d.deptno "
    "WHERE e.sal > 1000 ORDER BY e.ename;\r\n",
    "INSERT INTO bonus (ename, job, sal, comm) VALUES ('O''Brien', 'CLERK', 1200, NULL);\r\n",
    "UPDATE emp SET sal = sal * 1.05 WHERE hiredate < DATE '1982-01-01';\r\n",
    "CREATE TABLE audit_log (id NUMBER, begin_date DATE, created_by VARCHAR2(30));\r\n",
    "DECLARE\r\n  ratio NUMBER;\r\nBEGIN\r\n  ratio := 10 / 4;\r\n"
    "  UPDATE dept SET loc = 'X' WHERE deptno = 10;\r\nEND;\r\n/\r\n",
    "CREATE OR REPLACE\r\nPACKAGE BODY payroll AS\r\n  PROCEDURE raise(p NUMBER) IS\r\n"
    "  BEGIN\r\n    UPDATE emp SET sal = sal + p; -- every row\r\n  END;\r\nEND payroll;\r\n/\r\n",
};

std::string GenerateScript(size_t bytes) {
  std::string script;
  script.reserve(bytes + 512);
  for (size_t k = 0; script.size() < bytes; ++k) script += kPieces[k % (sizeof kPieces / sizeof kPieces[0])];
  return script;
}

const std::string& Script(size_t megabytes) {
  static std::map<size_t, std::string> scripts;
  std::string& script = scripts[megabytes];
  if (script.empty()) script = GenerateScript(megabytes * kMegabyte);
  return script;
}

void BM_SplitStatements(benchmark::State& state) {
  const std::string& script = Script(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    std::vector<SplitStatement> statements;
    benchmark::DoNotOptimize(SplitStatements(script, ";", "/", statements));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_SplitStatements)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

// One pass over every byte: a search for a byte that the script does not hold.
void BM_MemchrPass(benchmark::State& state) {
  const std::string& script = Script(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    const char* bytes = script.data();
    benchmark::DoNotOptimize(bytes);  // or the compiler hoists the pure call out of the loop
    benchmark::DoNotOptimize(std::memchr(bytes, '\0', script.size()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_MemchrPass)->Arg(10)->Unit(benchmark::kMillisecond);

// Keeps the fastest CPU seconds per iteration of each benchmark over its repetitions (CPU
// time and the minimum are the steadiest on a shared machine), for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      const double seconds = run.cpu_accumulated_time / run.iterations;
      const auto known = seconds_.find(run.benchmark_name());
      if (known == seconds_.end() || seconds < known->second) seconds_[run.benchmark_name()] = seconds;
    }
  }

  void PrintRatios() const {
    const double split10 = Seconds("BM_SplitStatements/10"), split20 = Seconds("BM_SplitStatements/20");
    const double memchr10 = Seconds("BM_MemchrPass/10");
    if (split10 <= 0 || split20 <= 0) return;
    std::printf("splitter: %.1f MB/s (10 MB), %.1f MB/s (20 MB)\n", 10 / split10, 20 / split20);
    std::printf("splitter 20 MB / 10 MB time: %.2f (linear: 2)\n", split20 / split10);
    // Only when the filter let the memchr pass run too.
    if (memchr10 > 0)
      std::printf("memchr: %.1f MB/s; splitter / memchr time on 10 MB: %.1f\n", 10 / memchr10, split10 / memchr10);
  }

 private:
  double Seconds(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? 0 : found->second;
  }

  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
