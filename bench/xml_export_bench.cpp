// Exporting 100,000 rows of 10 columns as an XML data file, against writing the same bytes,
// line by line, through one buffered stdio stream in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "XmlExport.h"

namespace {

constexpr int kRows = 100000;
const std::vector<std::string> kHeadings = {"EMPNO", "ENAME", "JOB",    "MGR",      "HIRE DATE",
                                            "SAL",   "COMM",  "DEPTNO", "COUNT(*)", "NOTE"};

// Cells shaped like a query's text results, with some characters to escape and convert.
class GeneratedTable : public xml::TableSource {
 public:
  GeneratedTable() {
    const char* const names[] = {"SMITH", "ALLEN", "WARD", "JONES", "MARTIN", "BLAKE", "CL\xC9MENT"};
    const char* const jobs[] = {"CLERK", "SALESMAN", "MANAGER", "ANALYST"};
    for (int row = 0; row < kRows; ++row) {
      cells_.push_back({std::to_string(7000 + row), names[row % 7], jobs[row % 4], std::to_string(7839 - row % 50),
                        "1981-02-" + std::to_string(10 + row % 18), std::to_string(800 + (row * 37) % 4200),
                        row % 3 ? "NULL" : "300", std::to_string(10 * (1 + row % 4)), std::to_string(row % 9),
                        row % 5 ? "plain text note" : "Smith & Sons <ltd> #1"});
    }
  }
  int ColumnCount() const override { return static_cast<int>(kHeadings.size()); }
  int RowCount() const override { return kRows; }
  std::string Heading(int column) const override { return kHeadings[column]; }
  std::string Cell(int row, int column) const override { return cells_[row][column]; }

 private:
  std::vector<std::vector<std::string>> cells_;
};

const char* const kXmlPath = "xml_export_bench.xml";
const char* const kFwritePath = "xml_export_bench.fwrite";

const GeneratedTable& Table() {
  static const GeneratedTable table;
  return table;
}

std::string FileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BM_ExportXml(benchmark::State& state) {
  const GeneratedTable& table = Table();
  for (auto _ : state) {
    if (!xml::WriteDataFile(kXmlPath, "data.xsl", table)) state.SkipWithError("export failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileBytes(kXmlPath).size()));
}

void BM_FwriteSameBytes(benchmark::State& state) {
  const std::string bytes = FileBytes(kXmlPath);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find('\n', start) + 1;
    lines.push_back(bytes.substr(start, end - start));
    start = end;
  }
  for (auto _ : state) {
    std::FILE* file = std::fopen(kFwritePath, "wb");
    for (const std::string& line : lines) std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

BENCHMARK(BM_ExportXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FwriteSameBytes)->Unit(benchmark::kMillisecond);

// Prints the usual table, then the export's times as multiples of the stdio baseline's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio() const {
    const auto exported = times_.find("BM_ExportXml");
    const auto baseline = times_.find("BM_FwriteSameBytes");
    if (exported == times_.end() || baseline == times_.end()) return;
    std::printf("export / fwrite: %.2f wall time, %.2f CPU time\n", exported->second.first / baseline->second.first,
                exported->second.second / baseline->second.second);
  }

 private:
  std::map<std::string, std::pair<double, double>> times_;  // wall, CPU
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio();
  std::remove(kXmlPath);
  std::remove(kFwritePath);
  return 0;
}
