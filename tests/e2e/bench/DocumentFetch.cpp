#include "DocumentFetch.h"

#include <windows.h>

#include <cstdlib>

#include <algorithm>
#include <memory>
#include <vector>

#include "DatabaseDocument.h"
#include "Stopwatch.h"

namespace programbench {
namespace {

FetchTiming Fail(DatabaseDocument& document, const char* step) {
  FetchTiming timing;
  timing.error = std::string(step) + ": " + document.GetErrorText();
  return timing;
}

FetchTiming FetchAll(DatabaseDocument& document, const std::string& query) {
  int isQuery = 0, columns = 0, rowCount = 0, errorOffset = 0;
  const Stopwatch stopwatch;
  if (document.Execute(query, isQuery, columns, rowCount, errorOffset) != DB_OK || !isQuery)
    return Fail(document, "execute");
  std::vector<std::string> names;
  if (document.DescribeColumns(columns, names) != DB_OK) return Fail(document, "describe");
  FetchTiming timing;
  std::vector<std::string> values;
  DbResult result;
  while ((result = document.FetchRow(columns, values)) == DB_OK) ++timing.rows;
  if (result != DB_NO_DATA) return Fail(document, "fetch");
  timing.seconds = stopwatch.Seconds();
  return timing;
}

}  // namespace

FetchTiming TimeDocumentFetch(const std::string& workFolder, const std::string& dataFolder, const std::string& query,
                              int runs) {
  // The binding loads ".\oci.dll" when the document is made, and ocilite reads its data
  // folder with getenv: _putenv, unlike SetEnvironmentVariable, reaches the C runtime's copy.
  SetCurrentDirectoryA(workFolder.c_str());
  _putenv(("OCILITE_DATA=" + dataFolder).c_str());
  auto document = std::make_unique<DatabaseDocument>();
  if (document->Connect("DEMO", "SCOTT", "tiger", LOGIN_NORMAL) != DB_OK) return Fail(*document, "connect");
  std::vector<FetchTiming> timings;
  do {
    timings.push_back(FetchAll(*document, query));
  } while (timings.back().seconds >= 0 && static_cast<int>(timings.size()) < runs);
  document->Disconnect();
  if (timings.back().seconds < 0) return timings.back();
  std::sort(timings.begin(), timings.end(),
            [](const FetchTiming& a, const FetchTiming& b) { return a.seconds < b.seconds; });
  return timings[timings.size() / 2];
}

}  // namespace programbench
