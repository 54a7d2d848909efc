// The recovery copy through the real program: text typed into a program that is then
// killed comes back, byte for byte, when the user answers Yes at the next start.
#include <filesystem>

#include "Workbench.h"

namespace exece2e {
namespace {

const char kQuestion[] = "Zenquill did not close normally last time. Restore the unsaved SQL text?";
const std::vector<std::string> kQuickCopies = {"ZENQUILL_TEST_RECOVERY_MS=100"};

TEST(Recovery, KilledProgramsTextComesBack) {
  const std::string text = "SELECT 'caf\xE9', \"x\"\tFROM DUAL;\r\n-- not saved\r\n\r\n  ";
  Workbench killed;
  std::filesystem::remove(killed.RecoveryFile());
  killed.environment = kQuickCopies;
  ASSERT_TRUE(killed.Launch("recovery", "", false));
  Workbench::Answer(killed.WaitForDialog("Connect"), IDCANCEL);
  killed.SetEditorText(text);
  ASSERT_TRUE(e2e::WaitUntil([&] { return FileBytes(killed.RecoveryFile()) == text; }, kPatienceMs));
  killed.Kill();

  Workbench restored;
  restored.environment = kQuickCopies;
  ASSERT_TRUE(restored.Launch("recovery", "", true));
  HWND question = restored.WaitForDialog();
  ASSERT_TRUE(question);
  EXPECT_EQ(kQuestion, Workbench::MessageBoxText(question));
  Workbench::Answer(question, IDYES);
  Workbench::Answer(restored.WaitForDialog("Connect"), IDCANCEL);
  EXPECT_EQ(text, restored.EditorText());
  EXPECT_TRUE(restored.Close());
  EXPECT_EQ("<missing>", FileBytes(restored.RecoveryFile())) << "a normal end leaves no copy";

  WriteFileBytes(restored.RecoveryFile(), text);
  Workbench declined;
  ASSERT_TRUE(declined.Launch("recovery", "", true));
  Workbench::Answer(declined.WaitForDialog(), IDNO);
  Workbench::Answer(declined.WaitForDialog("Connect"), IDCANCEL);
  EXPECT_EQ("<missing>", FileBytes(declined.RecoveryFile())) << "No deletes the copy";
  EXPECT_EQ("", declined.EditorText());
  EXPECT_TRUE(declined.Close());
}

}  // namespace
}  // namespace exece2e
