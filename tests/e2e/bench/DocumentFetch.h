// The baseline of the F5 benchmark: the same query fetched through the document's database
// operations alone, in this process, with no window and no list to fill.
#ifndef ZENQUILL_TESTS_E2E_BENCH_DOCUMENTFETCH_H
#define ZENQUILL_TESTS_E2E_BENCH_DOCUMENTFETCH_H

#include <string>

namespace programbench {

struct FetchTiming {
  double seconds = -1;  // execute, describe and fetch every row; -1 on failure
  int rows = 0;
  std::string error;
};

// Connects as SCOTT to the demo database held in `dataFolder` (made there on first use),
// loading ".\oci.dll" from `workFolder`, and times `query` to its last row, `runs` times in
// the one session: the middle timing. The connect and the database's making are not timed.
FetchTiming TimeDocumentFetch(const std::string& workFolder, const std::string& dataFolder, const std::string& query,
                              int runs = 1);

}  // namespace programbench

#endif
