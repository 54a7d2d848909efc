// History, templates, script files and the Configuration dialog through the real program.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

class Workspace : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }
  Workbench bench;
};

TEST_F(Workspace, BackAndForwardWalkTheExecutedTexts) {
  ASSERT_TRUE(bench.StartConnected("history"));
  EXPECT_FALSE(bench.MenuEnabled(ID_SQL_BACK));
  EXPECT_FALSE(bench.MenuEnabled(ID_SQL_FORWARD));
  for (const char* text : {"SELECT 'A' FROM DUAL", "SELECT 'B' FROM DUAL", "SELECT 'C' FROM DUAL"})
    ASSERT_EQ("Rows 1", bench.Execute(text));
  // One step: the command, the text the editor then shows, and both commands' state.
  const struct {
    int command;
    const char* shown;
    bool back, forward;
  } walk[] = {
      {ID_SQL_BACK, "SELECT 'B' FROM DUAL", true, true},    {ID_SQL_BACK, "SELECT 'A' FROM DUAL", true, true},
      {ID_SQL_BACK, "SELECT 'A' FROM DUAL", true, true},    {ID_SQL_FORWARD, "SELECT 'B' FROM DUAL", true, true},
      {ID_SQL_FORWARD, "SELECT 'C' FROM DUAL", true, false},
  };
  for (const auto& step : walk) {
    bench.RunQuietCommand(step.command);
    EXPECT_EQ(step.shown, bench.EditorText());
    EXPECT_EQ(step.back, bench.MenuEnabled(ID_SQL_BACK));
    EXPECT_EQ(step.forward, bench.MenuEnabled(ID_SQL_FORWARD));
  }
  EXPECT_EQ("Rows 1", bench.Message()) << "walking leaves the message line alone";
}

TEST_F(Workspace, TemplatesAreAppendedAndRunAsTheyStand) {
  ASSERT_TRUE(bench.StartConnected("templates"));
  EXPECT_EQ("Ready to execute!", bench.RunCommand(ID_SQL_SELECT_VERSION));
  const std::string version = "\r\n-- Comment: select oracle version\r\nSELECT * FROM V$VERSION;\r\n";
  EXPECT_EQ(version, bench.EditorText());
  EXPECT_EQ("Rows 2", bench.PressF5());
  EXPECT_EQ(std::vector<std::string>{"BANNER"}, bench.List().Columns());
  EXPECT_EQ("Ready to execute!", bench.RunCommand(ID_SQL_COMMIT));
  EXPECT_EQ(version + "\r\n-- Comment: Commit transaction\r\nCOMMIT;\r\n", bench.EditorText());
}

TEST_F(Workspace, ConfigurationChangesTheSeparatorsOfTheNextRun) {
  ASSERT_TRUE(bench.StartConnected("separators"));
  const std::string script = "SELECT 1 FROM DUAL@ SELECT 2 FROM DUAL@";
  EXPECT_EQ(0u, bench.Execute(script).find("ORA-")) << "one statement with the default separators";
  e2e::PostCommand(bench.Main(), ID_SETUP_CONFIGURATION);
  HWND dialog = e2e::WaitForDialog("Configuration", bench.ProcessId(), kPatienceMs);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(";", e2e::GetText(GetDlgItem(dialog, IDC_CONFIG_SQL_SEPARATOR)));
  e2e::SetText(GetDlgItem(dialog, IDC_CONFIG_SQL_SEPARATOR), "@");
  e2e::SetText(GetDlgItem(dialog, IDC_CONFIG_PLSQL_SEPARATOR), "");
  e2e::PostClick(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(e2e::WaitForGone(dialog, kPatienceMs));
  const std::string ini = FileBytes(bench.WorkFolder() + "\\Zenquill.ini");
  EXPECT_NE(std::string::npos, ini.find("SEPARATOR=@\r\n")) << ini;
  EXPECT_NE(std::string::npos, ini.find("PLSEPARATOR=\r\n")) << ini;
  EXPECT_EQ("Rows 2", bench.Execute(script));
  EXPECT_EQ(std::vector<std::string>{"Column 1"}, bench.List().Columns());
}

TEST_F(Workspace, ScriptFilesRoundTripAndKeepTheCurrentDirectory) {
  ASSERT_TRUE(bench.StartConnected("files"));
  const std::string folder = bench.Scratch() + "\\scripts";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\round trip.sql";
  const std::string text = "SELECT *\r\nFROM DEPT;\r\n\r\n-- last line\r\n";

  bench.SetEditorText(text);
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_AS);
  ASSERT_TRUE(bench.ChooseFile("Save As", path));
  EXPECT_TRUE(e2e::WaitUntil([&] { return FileBytes(path) == text; })) << FileBytes(path);
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Caption() == path + " - Zenquill Professional"; })) << bench.Caption();

  bench.SetEditorText(text + "SELECT 2 FROM DUAL;\r\n");
  bench.RunQuietCommand(ID_FILE_SAVE);
  EXPECT_EQ(text + "SELECT 2 FROM DUAL;\r\n", FileBytes(path)) << "Save writes to the same file, no dialog";

  bench.RunQuietCommand(ID_FILE_NEW);
  EXPECT_EQ("", bench.EditorText());
  EXPECT_EQ("Untitled - Zenquill Professional", bench.Caption());

  e2e::PostCommand(bench.Main(), ID_FILE_OPEN);
  ASSERT_TRUE(bench.ChooseFile("Open", path));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.EditorText() == text + "SELECT 2 FROM DUAL;\r\n"; }));
  EXPECT_EQ(path + " - Zenquill Professional", bench.Caption());

  // The settings file is still the one in the start-up folder.
  e2e::PostCommand(bench.Main(), ID_SETUP_CONFIGURATION);
  HWND dialog = e2e::WaitForDialog("Configuration", bench.ProcessId(), kPatienceMs);
  ASSERT_NE(nullptr, dialog);
  e2e::SetText(GetDlgItem(dialog, IDC_CONFIG_SQL_SEPARATOR), "#");
  e2e::PostClick(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(e2e::WaitForGone(dialog, kPatienceMs));
  EXPECT_NE(std::string::npos, FileBytes(bench.WorkFolder() + "\\Zenquill.ini").find("SEPARATOR=#"));
  EXPECT_EQ("<missing>", FileBytes(folder + "\\Zenquill.ini"));
}

TEST_F(Workspace, CancelledFileDialogsChangeNothing) {
  ASSERT_TRUE(bench.StartConnected("files-cancel"));
  bench.SetEditorText("kept");
  for (int command : {ID_FILE_OPEN, ID_FILE_SAVE_AS}) {
    e2e::PostCommand(bench.Main(), command);
    ASSERT_TRUE(bench.CancelFileDialog(command == ID_FILE_OPEN ? "Open" : "Save As"));
    EXPECT_EQ("kept", bench.EditorText());
    EXPECT_EQ("Untitled - Zenquill Professional", bench.Caption());
  }
}

TEST_F(Workspace, SaveThatFailsSaysSoAndKeepsTheFile) {
  ASSERT_TRUE(bench.StartConnected("files-fail"));
  const std::string path = bench.Scratch() + "\\locked.sql";
  WriteFileBytes(path, "precious");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  bench.SetEditorText("replacement");
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_AS);
  ASSERT_TRUE(bench.ChooseFile("Save As", path));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == "Failed to save SQL file!"; })) << bench.Message();
  EXPECT_EQ("precious", FileBytes(path));
  EXPECT_EQ("Untitled - Zenquill Professional", bench.Caption());
  EXPECT_EQ("replacement", bench.EditorText());
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Workspace, OpenOfAFileThatCannotBeReadSaysSo) {
  ASSERT_TRUE(bench.StartConnected("files-unreadable"));
  const std::string path = bench.Scratch() + "\\busy.sql";
  WriteFileBytes(path, "SELECT 1 FROM DUAL");
  // Held without sharing: the program can see the file but not open it.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  bench.SetEditorText("typed");
  e2e::PostCommand(bench.Main(), ID_FILE_OPEN);
  ASSERT_TRUE(bench.ChooseFile("Open", path));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == "Failed to open SQL file!"; })) << bench.Message();
  EXPECT_EQ("typed", bench.EditorText());
  EXPECT_EQ("Untitled - Zenquill Professional", bench.Caption());
  CloseHandle(held);
}

}  // namespace
}  // namespace exece2e
