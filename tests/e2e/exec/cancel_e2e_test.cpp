// Runs beside the window: it answers while a statement runs, Esc cancels, and closing the
// window during a run ends the program.
#include <chrono>
#include <regex>

#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

// 2744 rows; with the latency below every 500 of them after the first cost a slow round trip.
const char kSlowRows[] = "SELECT E1.ENAME, E2.ENAME, E3.ENAME FROM EMP E1, EMP E2, EMP E3";
const char kLatency[] = "OCILITE_LATENCY_MS=400";

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

// Starts `sql` and returns once the message line shows the run's progress.
void StartRun(Workbench& bench, const std::string& sql) {
  bench.SetEditorText(sql);
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostKey(bench.Main(), VK_F5);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::IsRunProgress(bench.Message()); }, kPatienceMs)) << bench.Message();
}

TEST(Cancel, EscStopsAQueryMidFetchAndKeepsItsRows) {
  Workbench bench;
  bench.environment = {kLatency};
  ASSERT_TRUE(bench.StartConnected("cancel-fetch"));
  bench.SetEditorText(kSlowRows);
  e2e::PostKey(bench.Main(), VK_F5);
  HWND question = bench.WaitForDialog();
  ASSERT_NE(nullptr, question);
  Workbench::Answer(question, IDYES);
  for (int sample = 0; sample < 5; ++sample) EXPECT_TRUE(Answers(bench.Main())) << "sample " << sample;
  e2e::PostKey(bench.Main(), VK_ESCAPE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Finished(bench.Message()); }, kPatienceMs));
  std::smatch read;
  const std::string message = bench.Message();
  ASSERT_TRUE(std::regex_match(message, read, std::regex("Cancelled: read ([0-9]+) rows"))) << message;
  const int rows = std::stoi(read[1]);
  EXPECT_GE(rows, 500);
  EXPECT_LT(rows, 2744);
  EXPECT_EQ(rows, bench.List().RowCount()) << "the rows read so far stay";
  EXPECT_EQ("Rows 1", bench.Execute("SELECT COUNT(*) FROM EMP")) << "the session goes on";
  EXPECT_TRUE(bench.Close());
}

TEST(Cancel, ScriptStopsAtTheCancelledStatementAndSelectsIt) {
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("cancel-script"));
  const std::string first = "SELECT 1 FROM DUAL";
  const std::string script = first + ";\r\n" + kEndlessQuery + ";\r\nSELECT 2 FROM DUAL";
  ASSERT_NO_FATAL_FAILURE(StartRun(bench, script));
  EXPECT_TRUE(Answers(bench.Main()));
  for (UINT id : {ID_FILE_SAVE_XML, ID_FILE_SAVE_CSV}) EXPECT_FALSE(bench.MenuEnabled(id)) << "saves wait: " << id;
  e2e::PostKey(bench.Main(), VK_ESCAPE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Finished(bench.Message()); }, kPatienceMs));
  EXPECT_EQ("ORA-01013: user requested cancel of current operation, approx. offset in selected area 0",
            bench.Message());
  const int start = static_cast<int>(first.size() + 3);
  EXPECT_EQ(std::make_pair(start, start + static_cast<int>(sizeof kEndlessQuery - 1)), bench.EditorSelection());
  EXPECT_EQ("Rows 1", bench.Execute("SELECT 2 FROM DUAL"));
  EXPECT_TRUE(bench.Close());
}

TEST(Cancel, ClosingDuringARunEndsTheProgramAtOnce) {
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("cancel-close"));
  ASSERT_NO_FATAL_FAILURE(StartRun(bench, kEndlessQuery));
  EXPECT_TRUE(bench.Close(6000));
}

}  // namespace
}  // namespace exece2e
