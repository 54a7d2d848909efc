// Bad input met through the real program: settings files that are binary or read-only,
// script files that are huge or hold a zero byte, an editor filled to its limit, and no
// client library at all. Each ends in a clear outcome and loses nothing.
#include <filesystem>
#include <random>

#include "Workbench.h"
#include "resource.h"

namespace badinput {
namespace {

using exece2e::FileBytes;
using exece2e::Workbench;
using exece2e::WriteFileBytes;

constexpr int kEditorLimit = 4096000;

// Bytes no one writes by hand: every byte value, zero bytes and the old end-of-file byte
// included, with a few line breaks, brackets and equals signs among them.
std::string BinaryBytes(std::size_t size) {
  std::mt19937 random(20240610);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  for (std::size_t at = 97; at < size; at += 211) bytes.replace(at, 3, at % 2 ? "\r\n[" : "=\n]");
  return bytes;
}

// Lines of CR LF text `size` bytes long, the way a long script file holds them.
std::string ScriptOfSize(std::size_t size) {
  const std::string line = "SELECT EMPNO, ENAME FROM EMP WHERE DEPTNO = 10;\r\n";
  std::string script;
  while (script.size() + line.size() <= size) script += line;
  return script + std::string(size - script.size(), '-');
}

class BadInput : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }
  void Open(const std::string& path) {
    e2e::PostCommand(bench.Main(), ID_FILE_OPEN);
    ASSERT_TRUE(bench.AnswerFileDialog("Open", path));
  }
  Workbench bench;
};

TEST_F(BadInput, BinarySettingsFileStillStartsConnectsAndRuns) {
  const std::string junk = BinaryBytes(64 * 1024);
  ASSERT_TRUE(bench.StartConnected("binary-ini", junk));
  EXPECT_EQ("Rows 1", bench.Execute("SELECT 1 FROM DUAL"));
  const std::string settings = bench.SettingsFile();
  EXPECT_NE(std::string::npos, settings.find("USER=SCOTT")) << "the Connect dialog's keys were written";
}

// The writes fail without a word, and what the program then uses is what the file holds.
// Besides the attribute the file is held open against writing: Wine run as root writes
// read-only files, Windows does not.
TEST_F(BadInput, ReadOnlySettingsFileKeepsItsBytesAndItsSeparator) {
  ASSERT_TRUE(bench.StartConnected("readonly-ini", "SEPARATOR=@\r\n"));
  const std::string path = bench.WorkFolder() + "\\Zenquill.ini";
  const std::string before = bench.SettingsFile();
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  e2e::PostCommand(bench.Main(), ID_SETUP_CONFIGURATION);
  HWND dialog = bench.WaitForDialog("Configuration");
  ASSERT_NE(nullptr, dialog);
  e2e::SetText(GetDlgItem(dialog, IDC_CONFIG_SQL_SEPARATOR), "#");
  Workbench::Answer(dialog, IDOK);
  EXPECT_EQ("Rows 2", bench.Execute("SELECT 1 FROM DUAL@ SELECT 2 FROM DUAL@")) << "still split at @";
  CloseHandle(held);
  EXPECT_EQ(before, bench.SettingsFile());
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Opened whole, past the typing limit of the editor, and saved back byte for byte.
TEST_F(BadInput, FiveMegabyteScriptOpensWholeAndSavesBackUnchanged) {
  ASSERT_TRUE(bench.StartConnected("huge-sql"));
  const std::string path = bench.Scratch() + "\\huge.sql";
  const std::string script = ScriptOfSize(5 * 1024 * 1024);
  WriteFileBytes(path, script);
  ASSERT_NO_FATAL_FAILURE(Open(path));
  ASSERT_TRUE(e2e::WaitUntil([&] { return bench.Caption() == path + " - Zenquill Professional"; }, 60000));
  EXPECT_TRUE(bench.EditorText() == script) << "the editor holds " << bench.EditorText().size() << " bytes";
  bench.RunQuietCommand(ID_FILE_SAVE);
  EXPECT_TRUE(FileBytes(path) == script) << "saved " << FileBytes(path).size() << " bytes";
}

TEST_F(BadInput, ZeroByteEndsTheOpenedTextAndTheFileStaysAsItWas) {
  ASSERT_TRUE(bench.StartConnected("zero-byte-sql"));
  const std::string path = bench.Scratch() + "\\zero.sql";
  const std::string bytes = std::string("SELECT 1 FROM DUAL\r\n") + '\0' + "DROP TABLE EMP\r\n";
  WriteFileBytes(path, bytes);
  ASSERT_NO_FATAL_FAILURE(Open(path));
  ASSERT_TRUE(e2e::WaitUntil([&] { return bench.Caption() == path + " - Zenquill Professional"; }));
  EXPECT_EQ("SELECT 1 FROM DUAL\r\n", bench.EditorText());
  EXPECT_EQ(bytes, FileBytes(path));
  EXPECT_EQ("Rows 1", bench.PressF5());
}

// The whole text reaches the database; a character typed beyond the limit is refused. The
// text comes from a file: a text this long does not cross processes in one WM_SETTEXT.
TEST_F(BadInput, EditorTextAtItsLimitRunsWithF5) {
  ASSERT_TRUE(bench.StartConnected("editor-limit"));
  const std::string head = "SELECT COUNT(*) FROM DEPT /*";
  const std::string tail = "*/";
  const std::string text = head + std::string(kEditorLimit - head.size() - tail.size(), 'x') + tail;
  const std::string path = bench.Scratch() + "\\limit.sql";
  WriteFileBytes(path, text);
  ASSERT_NO_FATAL_FAILURE(Open(path));
  ASSERT_TRUE(e2e::WaitUntil([&] { return bench.Caption() == path + " - Zenquill Professional"; }, 60000));
  EXPECT_EQ("Rows 1", bench.PressF5());
  EXPECT_EQ("4", bench.List().Cell(0, 0));
  HWND editor = e2e::FindControl(bench.Main(), IDC_SQL_EDIT);
  PostMessageA(editor, WM_CHAR, 'y', 0);
  SendMessageA(editor, WM_NULL, 0, 0);
  EXPECT_TRUE(bench.EditorText() == text) << "the editor now holds " << bench.EditorText().size() << " bytes";
}

// No oci.dll in the start-up folder: one message box, a window that still opens, and a
// Connect that says why it cannot work.
TEST(MissingClientLibrary, ProgramOpensAndConnectSaysTheLibraryIsNotLoaded) {
  const std::string folder = e2e::WindowsPath(ZQ_NO_CLIENT_WORK);
  std::filesystem::create_directories(folder);
  std::filesystem::remove(folder + "\\oci.dll");
  WriteFileBytes(folder + "\\Zenquill.ini", "[Zenquill]\r\nSTARTCOUNT=1\r\n");
  e2e::AppProcess app;
  e2e::LaunchOptions options;
  options.program = e2e::WindowsPath(ZQ_ZENQUILL_EXE);
  options.workingFolder = folder;
  options.environment = {"ZENQUILL_TEST_SPLASH_MS=1"};
  ASSERT_TRUE(app.Start(options)) << app.Error();
  HWND box = e2e::WaitForDialog("Zenquill", app.Id(), exece2e::kPatienceMs);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("Failed to load oci.dll!", Workbench::MessageBoxText(box));
  Workbench::Answer(box, IDOK);

  HWND connect = e2e::WaitForDialog("Connect", app.Id(), exece2e::kPatienceMs);
  ASSERT_NE(nullptr, connect) << "the program did not go on to its Connect dialog";
  HWND main = e2e::FindTopWindow({nullptr, "Untitled - Zenquill Professional", app.Id()});
  ASSERT_NE(nullptr, main);
  e2e::SetText(GetDlgItem(connect, IDC_CONNECT_DATABASE), "DEMO");
  e2e::SetText(GetDlgItem(connect, IDC_CONNECT_USER), "SCOTT");
  e2e::SetText(GetDlgItem(connect, IDC_CONNECT_PASSWORD), "tiger");
  e2e::PostClick(GetDlgItem(connect, IDOK));
  const char kNotLoaded[] = "Not connected to database, OCI.DLL is not loaded!!";
  box = e2e::WaitForDialog("Zenquill", app.Id(), exece2e::kPatienceMs);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(kNotLoaded, Workbench::MessageBoxText(box));
  Workbench::Answer(box, IDOK);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(e2e::FindControl(main, IDC_MESSAGE_LINE)) == kNotLoaded; }));
  connect = e2e::WaitForDialog("Connect", app.Id(), exece2e::kPatienceMs);
  ASSERT_NE(nullptr, connect) << "the Connect dialog comes back after a failure";
  Workbench::Answer(connect, IDCANCEL);
  EXPECT_TRUE(app.Close(exece2e::kPatienceMs));
  EXPECT_EQ(0u, app.ExitCode());
}

}  // namespace
}  // namespace badinput
