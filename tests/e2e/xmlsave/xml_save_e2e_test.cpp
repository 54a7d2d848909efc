// Save XML data through the real program: a sorted result saved by Ctrl+D into another
// folder, read back by the system's XML parser; targets that cannot take the file.
#include <algorithm>
#include <filesystem>

#include "Workbench.h"
#include "XmlDocument.h"
#include "resource.h"

namespace xmlsave {
namespace {

using exece2e::FileBytes;
using exece2e::Workbench;
using exece2e::WriteFileBytes;

// The shell's "open" would start a browser in the test's display: keep it out.
const char kNoViewer[] = "VIEWXML=0\r\n";
const char kQuery[] = "SELECT EMPNO, ENAME, SAL FROM EMP";

// Ctrl+D typed on the keyboard, so that the accelerator table is what routes it.
void PressCtrlD(HWND main) {
  SetForegroundWindow(main);
  e2e::WaitUntil([&] { return GetForegroundWindow() == main; });
  INPUT keys[4] = {};
  const WORD sequence[4][2] = {{VK_CONTROL, 0}, {'D', 0}, {'D', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
  for (int k = 0; k < 4; ++k) {
    keys[k].type = INPUT_KEYBOARD;
    keys[k].ki.wVk = sequence[k][0];
    keys[k].ki.dwFlags = sequence[k][1];
  }
  SendInput(4, keys, sizeof(INPUT));
}

std::vector<std::string> Column(const std::vector<std::vector<std::string>>& rows, int column) {
  std::vector<std::string> cells;
  for (const auto& row : rows) cells.push_back(row[column]);
  return cells;
}

class SaveXml : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }

  // Saves the result list as `path` through the save dialog; the message line's report.
  std::string SaveAs(const std::string& path) {
    e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
    PressCtrlD(bench.Main());
    if (!bench.AnswerFileDialog("Save As", path)) return "<no save dialog>";
    e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); });
    return bench.Message();
  }

  Workbench bench;
};

TEST_F(SaveXml, SortedRowsSavedInAnotherFolderParseAndKeepTheirOrder) {
  ASSERT_TRUE(bench.StartConnected("xmlsave-sorted", kNoViewer));
  ASSERT_EQ("Rows 14", bench.Execute(kQuery));
  const std::vector<std::string> fetched = Column(bench.List().Rows(), 1);
  ASSERT_TRUE(bench.List().ClickHeading(1));
  std::vector<std::vector<std::string>> shown;
  ASSERT_TRUE(e2e::WaitUntil([&] {
    shown = bench.List().Rows();
    return std::is_sorted(shown.begin(), shown.end(), [](auto& a, auto& b) { return a[1] < b[1]; });
  })) << "the list did not sort by ENAME";
  ASSERT_NE(fetched, Column(shown, 1)) << "fetch order is already sorted: the test proves nothing";

  const std::string folder = bench.Scratch() + "\\exports";
  std::filesystem::create_directories(folder);
  EXPECT_EQ("Saved XML file!", SaveAs(folder + "\\Sorted.Xml"));

  XmlDocument data;
  ASSERT_TRUE(data.Load(folder + "\\Sorted.Xml")) << data.Error();
  EXPECT_EQ("doc", data.RootName());
  for (int column : {0, 1, 2}) {
    const char* names[] = {"EMPNO", "ENAME", "SAL"};
    EXPECT_EQ(Column(shown, column), data.Texts(std::string("/doc/row/") + names[column])) << names[column];
  }
  EXPECT_EQ(std::vector<std::string>{"type=\"text/xsl\" href=\"Sorted.xsl\""},
            data.Texts("/processing-instruction('xml-stylesheet')"));
  XmlDocument stylesheet;
  ASSERT_TRUE(stylesheet.Load(folder + "\\Sorted.xsl")) << stylesheet.Error();
  EXPECT_EQ("xsl:stylesheet", stylesheet.RootName());

  // The next Connect writes its keys through ".\Zenquill.ini": still the start-up folder.
  EXPECT_EQ("Disconnect succeded!", bench.RunCommand(ID_DATABASE_DISCONNECT));
  e2e::PostCommand(bench.Main(), ID_DATABASE_CONNECT);
  EXPECT_EQ("Connect succeeded!", bench.AnswerConnect("SYSTEM", "manager", IDC_LOGIN_NORMAL));
  EXPECT_NE(std::string::npos, bench.SettingsFile().find("USER=SYSTEM\r\n")) << bench.SettingsFile();
  EXPECT_EQ("<missing>", FileBytes(folder + "\\Zenquill.ini"));
}

// A target that refuses the data file: the message says so and the old file keeps its
// bytes; the stylesheet, written first, stays beside it.
TEST_F(SaveXml, ReadOnlyTargetFailsAndKeepsTheOldFile) {
  ASSERT_TRUE(bench.StartConnected("xmlsave-readonly", kNoViewer));
  ASSERT_EQ("Rows 14", bench.Execute(kQuery));
  const std::string target = bench.Scratch() + "\\kept.xml";
  WriteFileBytes(target, "precious");
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ("Failed to save XML file!", SaveAs(target));
  EXPECT_EQ("precious", FileBytes(target));
  XmlDocument stylesheet;
  EXPECT_TRUE(stylesheet.Load(bench.Scratch() + "\\kept.xsl")) << stylesheet.Error();
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(kQuery, bench.EditorText()) << "the editor keeps its text";
}

// A full disk: the file opens but its writes fail (a link to /dev/full, made by the build).
TEST_F(SaveXml, FullDiskIsReportedAsAFailedSave) {
  ASSERT_TRUE(bench.StartConnected("xmlsave-full", std::string(kNoViewer) + "XSL=0\r\n"));
  ASSERT_EQ("Rows 14", bench.Execute(kQuery));
  EXPECT_EQ("Failed to save XML file!", SaveAs(bench.WorkFolder() + "\\" + ZQ_FULL_DISK_NAME));
  EXPECT_EQ(14, bench.List().RowCount()) << "the result list is untouched";
}

}  // namespace
}  // namespace xmlsave
