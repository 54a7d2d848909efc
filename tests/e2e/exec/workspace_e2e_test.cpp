// History, templates, script files and the Configuration dialog through the real program.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

class Workspace : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(bench.Close()); }
  // Opens Setup > Configuration, sets the SQL separator (and empties the PL/SQL one), OK.
  void ConfigureSeparator(const std::string& separator) {
    e2e::PostCommand(bench.Main(), ID_SETUP_CONFIGURATION);
    HWND dialog = bench.WaitForDialog("Configuration");
    ASSERT_NE(nullptr, dialog);
    e2e::SetText(GetDlgItem(dialog, IDC_CONFIG_SQL_SEPARATOR), separator);
    e2e::SetText(GetDlgItem(dialog, IDC_CONFIG_PLSQL_SEPARATOR), "");
    Workbench::Answer(dialog, IDOK);
  }
  Workbench bench;
};

TEST_F(Workspace, BackAndForwardWalkTheExecutedTexts) {
  ASSERT_TRUE(bench.StartConnected("history"));
  EXPECT_FALSE(bench.MenuEnabled(ID_SQL_BACK) || bench.MenuEnabled(ID_SQL_FORWARD));
  for (const char* text : {"SELECT 'A' FROM DUAL", "SELECT 'B' FROM DUAL", "SELECT 'C' FROM DUAL"})
    ASSERT_EQ("Rows 1", bench.Execute(text));
  const struct {
    int command;
    char shown;
    bool forward;
  } walk[] = {{ID_SQL_BACK, 'B', true},
              {ID_SQL_BACK, 'A', true},
              {ID_SQL_BACK, 'A', true},
              {ID_SQL_FORWARD, 'B', true},
              {ID_SQL_FORWARD, 'C', false}};
  for (const auto& step : walk) {
    bench.RunQuietCommand(step.command);
    EXPECT_EQ(std::string("SELECT '") + step.shown + "' FROM DUAL", bench.EditorText());
    EXPECT_TRUE(bench.MenuEnabled(ID_SQL_BACK));
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
  ConfigureSeparator("@");
  const std::string settings = bench.SettingsFile();
  EXPECT_NE(std::string::npos, settings.find("\r\nSEPARATOR=@\r\nPLSEPARATOR=\r\n")) << settings;
  EXPECT_EQ("Rows 2", bench.Execute(script));
  EXPECT_EQ(std::vector<std::string>{"Column 1"}, bench.List().Columns());
}

TEST_F(Workspace, ScriptFilesRoundTripAndKeepTheCurrentDirectory) {
  ASSERT_TRUE(bench.StartConnected("files"));
  const std::string folder = bench.Scratch() + "\\scripts";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\round trip.sql";
  const std::string text = "SELECT *\r\nFROM DEPT;\r\n\r\n-- last line\r\n";
  for (int command : {ID_FILE_OPEN, ID_FILE_SAVE_AS}) {
    e2e::PostCommand(bench.Main(), command);
    ASSERT_TRUE(bench.AnswerFileDialog(command == ID_FILE_OPEN ? "Open" : "Save As", "")) << "cancelled";
  }
  bench.SetEditorText(text);
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_AS);
  ASSERT_TRUE(bench.AnswerFileDialog("Save As", path));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Caption() == path + " - Zenquill Professional"; })) << bench.Caption();
  EXPECT_EQ(text, FileBytes(path));

  bench.SetEditorText(text + "SELECT 2 FROM DUAL;\r\n");
  bench.RunQuietCommand(ID_FILE_SAVE);
  EXPECT_EQ(text + "SELECT 2 FROM DUAL;\r\n", FileBytes(path)) << "Save writes to the same file, no dialog";
  bench.RunQuietCommand(ID_FILE_NEW);
  EXPECT_EQ("|Untitled - Zenquill Professional", bench.EditorText() + "|" + bench.Caption());
  e2e::PostCommand(bench.Main(), ID_FILE_OPEN);
  ASSERT_TRUE(bench.AnswerFileDialog("Open", path));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.EditorText() == text + "SELECT 2 FROM DUAL;\r\n"; }));
  EXPECT_EQ(path + " - Zenquill Professional", bench.Caption());

  ConfigureSeparator("#");
  EXPECT_NE(std::string::npos, bench.SettingsFile().find("SEPARATOR=#")) << "still the start-up folder's file";
  EXPECT_EQ("<missing>", FileBytes(folder + "\\Zenquill.ini"));
}

TEST_F(Workspace, FileFailuresAreReportedAndLoseNothing) {
  ASSERT_TRUE(bench.StartConnected("files-fail"));
  const std::string locked = bench.Scratch() + "\\locked.sql";
  WriteFileBytes(locked, "precious");
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  bench.SetEditorText("replacement");
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_AS);
  ASSERT_TRUE(bench.AnswerFileDialog("Save As", locked));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == "Failed to save SQL file!"; })) << bench.Message();
  EXPECT_EQ("precious", FileBytes(locked));
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

  // Held without sharing: the program sees the file but cannot open it.
  HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  e2e::PostCommand(bench.Main(), ID_FILE_OPEN);
  ASSERT_TRUE(bench.AnswerFileDialog("Open", locked));
  EXPECT_TRUE(e2e::WaitUntil([&] { return bench.Message() == "Failed to open SQL file!"; })) << bench.Message();
  CloseHandle(held);
  EXPECT_EQ("replacement|Untitled - Zenquill Professional", bench.EditorText() + "|" + bench.Caption());
}

}  // namespace
}  // namespace exece2e
