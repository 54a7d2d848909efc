// The Windows download as a user meets it: unzipped into a fresh Wine prefix (see
// run_package_test.sh), "Start demo.cmd" opened as a double click would, connected as
// SCOTT to the demo, a query run, and the About box's version compared with the
// executable's version resource.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Harness.h"
#include "resource.h"

namespace {

constexpr unsigned kPatienceMs = 30000;

// The unzipped download's folder, a Windows path given by the script that unzipped it.
std::string Unzipped() {
  const char* folder = std::getenv("ZQ_UNZIPPED");
  return folder ? folder : "";
}

std::string ProductVersion(const std::string& program) {
  DWORD ignored = 0;
  std::vector<char> data(GetFileVersionInfoSizeA(program.c_str(), &ignored));
  if (data.empty() || !GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()))
    return "<no version resource>";
  char* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\ProductVersion", reinterpret_cast<void**>(&text),
                      &length) ||
      length == 0)
    return "<no product version>";
  return std::string(text);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Package, DemoStartsConnectsAndRunsAQuery) {
  const std::string folder = Unzipped();
  ASSERT_FALSE(folder.empty()) << "ZQ_UNZIPPED is not set";
  SetEnvironmentVariableA("ZENQUILL_TEST_SPLASH_MS", "1");
  const std::string starter = folder + "\\demo\\Start demo.cmd";
  ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", starter.c_str(), nullptr, nullptr, SW_SHOWNORMAL)),
            32);

  HWND main = e2e::WaitForTopWindow({nullptr, "Untitled - Zenquill Professional", 0}, kPatienceMs);
  ASSERT_NE(nullptr, main) << "no main window";
  DWORD program = 0;
  GetWindowThreadProcessId(main, &program);
  HWND connect = e2e::WaitForDialog("Connect", program, kPatienceMs);
  ASSERT_NE(nullptr, connect);
  HWND alias = GetDlgItem(connect, IDC_CONNECT_DATABASE);
  EXPECT_EQ(std::vector<std::string>{"DEMO"}, e2e::ComboItems(alias)) << "the demo's tnsnames.ora";
  e2e::SetText(alias, "DEMO");
  e2e::SetText(GetDlgItem(connect, IDC_CONNECT_USER), "SCOTT");
  e2e::SetText(GetDlgItem(connect, IDC_CONNECT_PASSWORD), "tiger");
  e2e::PostClick(GetDlgItem(connect, IDOK));
  ASSERT_TRUE(e2e::WaitForGone(connect, kPatienceMs));
  HWND message = e2e::WaitForControl(main, IDC_MESSAGE_LINE, kPatienceMs);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(message) == "Connect succeeded!"; }, kPatienceMs))
      << e2e::GetText(message);

  e2e::SetText(e2e::FindControl(main, IDC_SQL_EDIT), "SELECT ENAME FROM EMP ORDER BY ENAME");
  e2e::PostKey(main, VK_F5);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(message) == "Rows 14"; }, kPatienceMs)) << e2e::GetText(message);
  EXPECT_EQ("ADAMS", e2e::ListViewReader(e2e::FindControl(main, IDC_RESULT_LIST)).Cell(0, 0));
  EXPECT_TRUE(FileExists(folder + "\\demo\\Zenquill.ini")) << "the demo folder is the current directory";
  EXPECT_TRUE(FileExists(folder + "\\demo\\DEMO.db")) << "the demo database lives beside its oci.dll";

  e2e::PostCommand(main, ID_APP_ABOUT);
  HWND about = e2e::WaitForDialog("About Zenquill Professional", program, kPatienceMs);
  ASSERT_NE(nullptr, about);
  EXPECT_EQ("Zenquill version " + ProductVersion(folder + "\\zenquill.exe") + " for Oracle",
            e2e::GetText(GetDlgItem(about, IDC_ABOUT_VERSION)));
  e2e::PostClick(GetDlgItem(about, IDOK));
  ASSERT_TRUE(e2e::WaitForGone(about, kPatienceMs));

  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, program);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, kPatienceMs));
  CloseHandle(process);
}

}  // namespace
