#include "WorkerBench.h"

#include <cstdio>
#include <string>

#include "Figures.h"
#include "Stopwatch.h"
#include "Workbench.h"
#include "resource.h"

namespace programbench {

namespace {

// Three statements of one round trip each, every trip 10 s long: a 30-second run that costs
// the machine nothing. The connect is one such trip too.
const char kLatency[] = "OCILITE_LATENCY_MS=10000";
const char kScript[] = "SELECT 1 FROM DUAL;\r\nSELECT 2 FROM DUAL;\r\nSELECT 3 FROM DUAL";
const DWORD kSampleEveryMs = 50;
const UINT kSampleTimeoutMs = 100;
const double kSampledSeconds = 29;

}  // namespace

bool MeasureLongRun() {
  exece2e::Workbench bench;
  bench.environment = {kLatency};
  if (!bench.StartConnected("long-run", "VIEWXML=0\r\n")) {
    std::printf("long run: the program did not start and connect\n");
    return false;
  }
  bench.SetEditorText(kScript);
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostKey(bench.Main(), VK_F5);
  int samples = 0;
  int answered = 0;
  for (const Stopwatch run; run.Seconds() < kSampledSeconds; Sleep(kSampleEveryMs)) {
    DWORD_PTR result = 0;
    ++samples;
    answered += SendMessageTimeoutA(bench.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSampleTimeoutMs, &result) != 0;
  }
  const bool stillRunning = !exece2e::Finished(bench.Message());
  const Stopwatch cancel;
  e2e::PostKey(bench.Main(), VK_ESCAPE);
  const bool ended = e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); }, exece2e::kPatienceMs, 5);
  const double cancelSeconds = ended ? cancel.Seconds() : -1;
  const std::string message = bench.Message();
  const bool closed = bench.Close();
  std::printf("| figure | value |\n|---|---|\n");
  std::printf("| WM_NULL samples (100 ms timeout, every 50 ms, 29 s of a 30 s run) | %d |\n", samples);
  std::printf("%s\n", benchfig::TableRow("samples answered", samples ? 100.0 * answered / samples : -1, "%").c_str());
  std::printf("%s\n", benchfig::TableRow("Esc to the final message", cancelSeconds, "s", 3).c_str());
  std::printf("final message: %s\n", message.c_str());
  return stillRunning && ended && closed;
}

}  // namespace programbench
