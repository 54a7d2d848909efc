// The result list's store: appending 1,000,000 rows of the whole-program benchmark's shape
// (10 cells, about 79 bytes of text) and emptying it, and sorting them by one column, once
// with its keys to make and once with its keys kept. Natively the sort key is the ASCII
// upper-cased text, so the sort figures show the reordering, not the system's key making.
#include <benchmark/benchmark.h>

#include <string>

#include "ResultSet.h"

namespace {

constexpr int kRows = 1000000;

results::Row RowAt(int row) {
  return {std::to_string(row),
          "SENSOR_" + std::to_string(row % 997),
          "2026-12-0" + std::to_string(row % 9),
          std::to_string(row % 1440),
          std::to_string(row * 7 % 100000) + ".25",
          "NULL",
          "OK",
          std::to_string(row % 60),
          "N" + std::to_string(row % 4),
          "site " + std::to_string(row % 31)};
}

void Fill(results::ResultSet& rows) {
  for (int column = 0; column < 10; ++column) rows.AddColumn("C" + std::to_string(column));
  results::Row row;
  for (int i = 0; i < kRows; ++i) {
    row = RowAt(i);
    rows.AppendRow(row);
  }
}

void BM_AppendAndClearMillionRows(benchmark::State& state) {
  for (auto _ : state) {
    results::ResultSet rows;
    Fill(rows);
    benchmark::DoNotOptimize(rows.CellText(kRows - 1, 9));
    rows.Clear();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AppendAndClearMillionRows)->Unit(benchmark::kMillisecond);

void BM_SortMillionRows(benchmark::State& state) {
  const bool keysKept = state.range(0) != 0;
  results::ResultSet rows;
  Fill(rows);
  bool ascending = true;
  if (keysKept) rows.Sort(1, ascending);
  for (auto _ : state) {
    ascending = !ascending;
    if (!keysKept) {
      state.PauseTiming();
      rows.Clear();
      Fill(rows);
      state.ResumeTiming();
    }
    rows.Sort(1, ascending);
  }
}
BENCHMARK(BM_SortMillionRows)->Arg(0)->Arg(1)->ArgNames({"keys_kept"})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
