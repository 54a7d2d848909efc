// Out of memory end to end: the result list's test-only cap makes a small result exhaust it,
// so reading, sorting and saving each meet a shortage; the program reports it and goes on.
#include <filesystem>
#include <regex>

#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

// 196 rows of two short names; the cap holds a few dozen of them.
const char kCrossJoin[] = "SELECT E1.ENAME, E2.ENAME FROM EMP E1, EMP E2";
const char kCap[] = "ZENQUILL_TEST_RESULT_BYTES=2000";

// Clears the message line, does `action`, and waits for the program's report.
template <class Action>
std::string ReportAfter(Workbench& bench, Action action) {
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  action();
  e2e::WaitUntil([&] { return Finished(bench.Message()); }, kPatienceMs);
  return bench.Message();
}

TEST(OutOfMemory, ReadingSortingAndSavingStopCleanlyAndTheProgramGoesOn) {
  Workbench bench;
  bench.environment = {kCap};
  ASSERT_TRUE(bench.StartConnected("memory-cap", "VIEWXML=0\r\n"));

  const std::string message = bench.Execute(kCrossJoin);
  std::smatch read;
  ASSERT_TRUE(std::regex_match(message, read, std::regex("Not enough memory: read ([0-9]+) rows"))) << message;
  const int rows = std::stoi(read[1]);
  EXPECT_GT(rows, 0);
  EXPECT_LT(rows, 196);
  const auto fetched = bench.List().Rows();
  EXPECT_EQ(rows, static_cast<int>(fetched.size()));
  EXPECT_EQ(kCrossJoin, bench.EditorText());

  EXPECT_EQ("Not enough memory to sort", ReportAfter(bench, [&] { bench.List().ClickHeading(1); }));
  EXPECT_EQ(fetched, bench.List().Rows()) << "the order is unchanged";
  for (int row = 0; row < rows; ++row) ASSERT_EQ(0, bench.List().ItemData(row)) << "row " << row;

  const std::string path = bench.Scratch() + "\\capped.xml";
  EXPECT_EQ("Failed to save XML file!", ReportAfter(bench, [&] {
              e2e::PostCommand(bench.Main(), ID_FILE_SAVE_XML);
              bench.AnswerFileDialog("Save As", path);
            }));
  EXPECT_FALSE(std::filesystem::exists(path)) << "no partial file stands for the saved one";

  EXPECT_EQ("Rows 1", bench.Execute("SELECT COUNT(*) FROM EMP")) << "the next statement runs";
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"14"}}), bench.List().Rows());
  EXPECT_TRUE(bench.Close());
}

}  // namespace
}  // namespace exece2e
