// Copy rows and Save CSV data through the real program: two selected rows with their
// headings read back from the clipboard; a sorted EMP result saved as CSV and read back byte
// for byte; a save whose write fails leaves no file.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "RemoteBuffer.h"
#include "Workbench.h"
#include "resource.h"

namespace rowexport {
namespace {

using exece2e::FileBytes;
using exece2e::Workbench;
using Rows = std::vector<std::vector<std::string>>;

// Selects exactly these rows of the program's list, as Ctrl+clicks would.
bool SelectOnly(HWND list, std::initializer_list<int> rows) {
  e2e::RemoteBuffer remote(list, sizeof(LVITEMA));
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED;
  bool done = remote.Write(0, &item, sizeof item) && SendMessageA(list, LVM_SETITEMSTATE, -1, remote.Param());
  item.state = LVIS_SELECTED;
  for (const int row : rows)
    done = done && remote.Write(0, &item, sizeof item) && SendMessageA(list, LVM_SETITEMSTATE, row, remote.Param());
  return done;
}

template <typename Char>
std::basic_string<Char> ClipboardText(UINT format) {
  std::basic_string<Char> text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(format)) {
    text = static_cast<const Char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Lines of cells joined by `separator`, each line ended by CR LF; the cells need no quotes.
std::string Joined(const Rows& lines, char separator) {
  std::string text;
  for (const auto& cells : lines) {
    for (std::size_t c = 0; c < cells.size(); ++c) text += (c ? std::string(1, separator) : "") + cells[c];
    text += "\r\n";
  }
  return text;
}

class RowExport : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }

  // Save CSV data answered with `path`: the message line's report.
  std::string SaveCsv(const std::string& path) {
    e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
    e2e::PostCommand(bench.Main(), ID_FILE_SAVE_CSV);
    if (!bench.AnswerFileDialog("Save As", path)) return "<no save dialog>";
    e2e::WaitUntil([&] { return !bench.Message().empty(); });
    return bench.Message();
  }

  Workbench bench;
};

TEST_F(RowExport, TwoSelectedRowsWithHeadingsReachTheClipboardInBothForms) {
  ASSERT_TRUE(bench.StartConnected("rows-copy"));
  ASSERT_EQ("Rows 14", bench.Execute("SELECT EMPNO, ENAME, COMM FROM EMP ORDER BY EMPNO"));
  const Rows shown = bench.List().Rows();
  ASSERT_TRUE(SelectOnly(e2e::FindControl(bench.Main(), IDC_RESULT_LIST), {3, 1}));

  EXPECT_EQ("Copied 2 rows", bench.RunCommand(ID_COPY_ROWS_HEADINGS));
  const std::string expected = Joined({bench.List().Columns(), shown[1], shown[3]}, '\t');
  EXPECT_EQ(expected, ClipboardText<char>(CF_TEXT));
  EXPECT_EQ(std::wstring(expected.begin(), expected.end()), ClipboardText<wchar_t>(CF_UNICODETEXT));
}

TEST_F(RowExport, SortedEmpSavedAsCsvByteForByte) {
  ASSERT_TRUE(bench.StartConnected("rows-csv"));
  ASSERT_EQ("Rows 14", bench.Execute("SELECT * FROM EMP"));
  ASSERT_TRUE(bench.List().ClickHeading(1));
  Rows shown;
  ASSERT_TRUE(e2e::WaitUntil([&] {
    shown = bench.List().Rows();
    return std::is_sorted(shown.begin(), shown.end(), [](auto& a, auto& b) { return a[1] < b[1]; });
  })) << "the list did not sort by ENAME";

  // Typed without its extension: the dialog adds ".csv".
  EXPECT_EQ("Saved CSV file!", SaveCsv(bench.Scratch() + "\\emp"));
  shown.insert(shown.begin(), bench.List().Columns());
  EXPECT_EQ("\xEF\xBB\xBF" + Joined(shown, ','), FileBytes(bench.Scratch() + "\\emp.csv"));
}

// The temporary file the save writes first is a link to /dev/full, made by the test's
// set-up: every write fails, as on a full disk. (A read-only folder refuses nothing to Wine
// run as root.)
TEST_F(RowExport, AFailedWriteLeavesNoFile) {
  ASSERT_TRUE(bench.StartConnected("rows-fail"));
  ASSERT_EQ("Rows 14", bench.Execute("SELECT * FROM EMP"));
  const std::string target = bench.WorkFolder() + "\\" + ZQ_CSV_FAILING_NAME;
  EXPECT_EQ("Failed to save CSV file!", SaveCsv(target));
  EXPECT_EQ("<missing>", FileBytes(target));
}

}  // namespace
}  // namespace rowexport
