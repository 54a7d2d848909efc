// The harness against a program it knows nothing about: Wine's own notepad.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"

namespace {

std::string SystemProgram(const char* name) {
  char folder[MAX_PATH] = "";
  GetSystemDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\" + name;
}

// The first command of `menu` whose label starts with `label`, ignoring case.
const e2e::MenuItem* FindByLabel(const std::vector<e2e::MenuItem>& menu, const std::string& label) {
  for (const e2e::MenuItem& item : menu) {
    const std::string shown = e2e::MenuLabel(item.text).substr(0, label.size());
    if (item.items.empty() && lstrcmpiA(shown.c_str(), label.c_str()) == 0) return &item;
    if (const e2e::MenuItem* inner = FindByLabel(item.items, label)) return inner;
  }
  return nullptr;
}

class Notepad : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::LaunchOptions options;
    options.program = SystemProgram("notepad.exe");
    ASSERT_TRUE(app.Start(options)) << app.Error();
    e2e::WindowQuery query;
    query.className = "Notepad";
    query.processId = app.Id();
    main = e2e::WaitForTopWindow(query, e2e::kDefaultTimeoutMs);
    ASSERT_NE(nullptr, main);
  }
  void TearDown() override { app.Close(); }

  e2e::AppProcess app;
  HWND main = nullptr;
};

TEST_F(Notepad, ShowsItsCaptionAndEditsText) {
  EXPECT_EQ("Untitled - Notepad", e2e::GetText(main));
  HWND edit = FindWindowExA(main, nullptr, "Edit", nullptr);
  ASSERT_NE(nullptr, edit);
  ASSERT_TRUE(e2e::SetText(edit, "first line\r\nsecond line"));
  EXPECT_EQ("first line\r\nsecond line", e2e::GetText(edit));
}

TEST_F(Notepad, OpensAndCancelsSaveAsFromItsMenu) {
  std::vector<e2e::MenuItem> menu;
  std::string error;
  ASSERT_TRUE(e2e::ReadMenuBar(main, true, menu, error)) << error;
  ASSERT_FALSE(menu.empty());
  EXPECT_EQ("File", e2e::MenuLabel(menu[0].text));
  const e2e::MenuItem* saveAs = FindByLabel(menu, "Save as");
  ASSERT_NE(nullptr, saveAs);

  ASSERT_TRUE(e2e::PostCommand(main, saveAs->id));
  e2e::WindowQuery query;
  query.className = "#32770";
  query.processId = app.Id();
  HWND dialog = e2e::WaitForTopWindow(query, e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, dialog);
  HWND cancel = e2e::WaitForControl(dialog, IDCANCEL, e2e::kDefaultTimeoutMs);
  ASSERT_NE(nullptr, cancel);
  e2e::Click(cancel);
  EXPECT_TRUE(e2e::WaitForGone(dialog, e2e::kDefaultTimeoutMs));
  EXPECT_TRUE(app.Running());
}

}  // namespace
