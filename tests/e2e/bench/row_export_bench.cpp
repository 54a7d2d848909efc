// Copy rows and Save CSV data under Wine, by hand (scripts/bench-program export): Copy rows of
// the demo's 100,000 x 10 table, and Save CSV data of 1,000,000 x 10 rows against writing the
// same bytes with one buffered write in this process, with the memory the save takes on top
// of the loaded rows. On a shared machine single runs vary by 2x: the save and the write are
// each taken as the best of a few, run in turn. Prints a Markdown table; exit code 1 when a
// step failed.
#include <algorithm>
#include <cstdio>
#include <string>

#include "Figures.h"
#include "ProcessMemory.h"
#include "Stopwatch.h"
#include "Workbench.h"
#include "resource.h"

namespace {

using exece2e::Workbench;
using programbench::ProcessMemory;
using programbench::Stopwatch;

const unsigned kLongStepMs = 30 * 60 * 1000;  // a loaded machine can be very slow
const char kSettings[] = "VIEWXML=0\r\n";
const char kCopyQuery[] = "SELECT * FROM MEASUREMENTS";
const char kSaveQuery[] = "SELECT M.* FROM MEASUREMENTS M, SALGRADE S, DEPT D WHERE D.DEPTNO <= 20";
const int kRuns = 3;

struct Figures {
  double copy = -1, save = -1, write = -1;
  std::uint64_t bytes = 0, extraWorkingSet = 0, extraPrivate = 0;
};

bool Fail(const std::string& what) {
  std::printf("FAILED: %s\n", what.c_str());
  return false;
}

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

// F5 with Yes to the read-all question, until the message line reports every row.
bool ReadAll(Workbench& bench, const std::string& query, int rows) {
  bench.SetEditorText(query);
  e2e::PostKey(bench.Main(), VK_F5);
  if (HWND question = bench.WaitForDialog()) Workbench::Answer(question, IDYES);
  return e2e::WaitUntil([&] { return bench.Message() == "Rows " + std::to_string(rows); }, kLongStepMs, 5);
}

// From Save pressed in the dialog to the report, the program's memory sampled on the way.
bool TimeSave(Workbench& bench, const std::string& path, Figures& figures) {
  const DWORD process = ProcessOf(bench.Main());
  ProcessMemory before, during;
  programbench::ReadProcessMemoryFigures(process, before);
  std::uint64_t workingSet = before.workingSet, privateBytes = before.privateBytes;
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_CSV);
  if (!bench.WaitForDialog("Save As")) return Fail("no save dialog");
  const Stopwatch saving;
  if (!bench.AnswerFileDialog("Save As", path)) return Fail("the save dialog did not close");
  const bool reported = e2e::WaitUntil(
      [&] {
        if (programbench::ReadProcessMemoryFigures(process, during)) {
          workingSet = std::max(workingSet, during.workingSet);
          privateBytes = std::max(privateBytes, during.privateBytes);
        }
        return !bench.Message().empty();
      },
      kLongStepMs, 5);
  const double seconds = saving.Seconds();
  if (figures.save < 0 || seconds < figures.save) figures.save = seconds;
  figures.extraWorkingSet = std::max(figures.extraWorkingSet, workingSet - before.workingSet);
  figures.extraPrivate = std::max(figures.extraPrivate, privateBytes - before.privateBytes);
  return reported && bench.Message() == "Saved CSV file!" ? true : Fail("Save CSV data: " + bench.Message());
}

// The saved file's bytes written again with one buffered write: what the save is held to.
bool TimeOneWrite(const std::string& path, Figures& figures) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return Fail("the saved file cannot be read");
  std::string bytes;
  char chunk[1 << 16];
  for (std::size_t read; (read = std::fread(chunk, 1, sizeof chunk, in)) > 0;) bytes.append(chunk, read);
  std::fclose(in);
  figures.bytes = bytes.size();
  const std::string copy = path + ".copy";
  const Stopwatch writing;
  std::FILE* out = std::fopen(copy.c_str(), "wb");
  const bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (out) std::fclose(out);
  const double seconds = writing.Seconds();
  if (figures.write < 0 || seconds < figures.write) figures.write = seconds;
  DeleteFileA(copy.c_str());
  return written ? true : Fail("the one buffered write");
}

bool Measure(Workbench& bench, Figures& figures) {
  if (!bench.StartConnected("rowbench", kSettings)) return Fail("the program did not start and connect");
  if (!ReadAll(bench, kCopyQuery, 100000)) return Fail("F5 on 100,000 rows: " + bench.Message());
  const Stopwatch copying;
  if (bench.RunCommand(ID_COPY_ROWS) != "Copied 100000 rows") return Fail("Copy rows: " + bench.Message());
  figures.copy = copying.Seconds();
  if (!ReadAll(bench, kSaveQuery, 1000000)) return Fail("F5 on 1,000,000 rows: " + bench.Message());
  const std::string path = bench.Scratch() + "\\million.csv";
  bool measured = true;
  for (int run = 0; run < kRuns && measured; ++run) {
    measured = TimeSave(bench, path, figures) && TimeOneWrite(path, figures);
    DeleteFileA(path.c_str());
  }
  return measured;
}

void Print(const Figures& f) {
  using namespace benchfig;
  const double mb = 1024.0 * 1024.0;
  const std::string rows[] = {
      "| figure | value |",
      "|---|---|",
      TableRow("Copy rows, 100,000 x 10, to \"Copied 100000 rows\"", f.copy, "s"),
      TableRow("Save CSV data, 1,000,000 x 10, Save pressed to \"Saved CSV file!\", best of 3", f.save, "s"),
      TableRow("the same bytes with one buffered write (baseline), best of 3", f.write, "s"),
      TableRow("Save CSV data over the baseline", Ratio(f.save, f.write), "x"),
      TableRow("CSV file size", f.bytes / 1e6, "MB"),
      TableRow("Save CSV data, extra working set (peak of samples)", f.extraWorkingSet / mb, "MB"),
      TableRow("Save CSV data, extra private bytes (peak of samples)", f.extraPrivate / mb, "MB"),
  };
  for (const std::string& row : rows) std::printf("%s\n", row.c_str());
}

}  // namespace

int main() {
  Workbench bench;
  Figures figures;
  const bool measured = Measure(bench, figures);
  const bool closed = bench.Close();
  Print(figures);
  return measured && closed ? 0 : 1;
}
