// Measures what a header click costs: sorting a real list of N rows under Wine or Windows.
// Not a test; run by hand: sort_timing.exe [rows ...]  (needs a display).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "ListHost.h"
#include "SortListCtrl.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Measure(int rows) {
  ListHost host;
  CSortListCtrl list;
  host.Attach(list);
  host.AddColumns({"ID", "NAME", "CITY"});
  std::mt19937 random(rows);
  for (int row = 0; row < rows; ++row)
    list.AppendRow({std::to_string(row), "NAME_" + std::to_string(random() % 100000), "CITY"});
  list.ShowRowCount();
  for (bool ascending : {true, false}) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    list.SortByColumn(1, ascending);
    QueryPerformanceCounter(&end);
    std::printf("%6d rows, %s: %8.1f ms\n", rows, ascending ? "ascending " : "descending", Milliseconds(start, end));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    for (int rows : {100, 1000, 10000}) Measure(rows);
    return 0;
  }
  for (int i = 1; i < argc; ++i) Measure(std::atoi(argv[i]));
  return 0;
}
