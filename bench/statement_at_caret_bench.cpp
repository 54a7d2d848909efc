// Execute Statement's own work on a 30,000-line script: one split of the whole editor text
// and the search for the statement at the caret (the database's time left out: the
// statement goes to a source that answers at once). The budget is 5 ms per command.
// Run: statement_at_caret_bench --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Execution.h"

namespace {

constexpr int kLines = 30000;

// Ten lines of a working script: a commented query, DML, and a block ended by a lone "/".
const char kTenLines[] =
    "-- open orders; don't forget the region\r\n"
    "SELECT o.id, o.customer, 'a;b' AS tag FROM orders o\r\n"
    " WHERE o.status = 'OPEN' ORDER BY o.id;\r\n"
    "UPDATE orders SET status = 'DONE' WHERE id = 42;\r\n"
    "BEGIN\r\n"
    "  UPDATE stock SET qty = qty - 1 WHERE item = 7;\r\n"
    "  COMMIT;\r\n"
    "END;\r\n"
    "/\r\n"
    "\r\n";

std::string Script() {
  std::string script;
  for (int line = 0; line < kLines; line += 10) script += kTenLines;
  return script;
}

class AnswersAtOnce : public StatementSource {
 public:
  DbResult Execute(const std::string&, int& isQuery, int& columnCount, int& rowCount, int& errorOffset) override {
    isQuery = columnCount = rowCount = errorOffset = 0;
    return DB_OK;
  }
  DbResult DescribeColumns(int, std::vector<std::string>&) override { return DB_OK; }
  DbResult FetchRow(int, std::vector<std::string>&) override { return DB_NO_DATA; }
  int ValuesCut() override { return 0; }
  std::string GetErrorText() override { return std::string(); }
  void CloseQuery() override {}
  bool Cancelled() override { return false; }
};

class NoList : public ResultList {
 public:
  void Clear() override {}
  void AddColumn(const std::string&, int) override {}
  bool AppendRow(const std::vector<std::string>&) override { return true; }
  int RowCount() const override { return 0; }
  void SetRedraw(bool) override {}
  bool AskToReadAll(const std::string&) override { return false; }
  bool AskSubstitution(const SubstitutionAsk&, std::string&) override { return false; }
};

// The caret at the start, the middle and the end of the script.
void BM_ExecuteStatementAt(benchmark::State& state) {
  const std::string script = Script();
  const std::size_t caret = script.size() * static_cast<std::size_t>(state.range(0)) / 2;
  const EditorRequest request = {script, caret, caret, ";", "/"};
  AnswersAtOnce source;
  NoList list;
  for (auto _ : state) benchmark::DoNotOptimize(ExecuteStatementAtCaret(request, source, list));
  state.counters["bytes"] = static_cast<double>(script.size());
}
BENCHMARK(BM_ExecuteStatementAt)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
