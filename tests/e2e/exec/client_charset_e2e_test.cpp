// Accented letters typed into the editor come back as typed, with NLS_LANG set nowhere: the
// program names the ANSI code page's character set for the client, and the About box says so.
#include "Workbench.h"
#include "resource.h"

namespace exece2e {
namespace {

TEST(ClientCharset, LatinTextRoundTripsAndTheAboutBoxNamesTheSet) {
  if (OracleClientRegistered()) GTEST_SKIP() << "an Oracle client is registered here";
  ASSERT_EQ(1252u, GetACP()) << "the text below is in code page 1252";
  SetEnvironmentVariableA("NLS_LANG", nullptr);
  Workbench bench;
  ASSERT_TRUE(bench.StartConnected("charset"));
  const std::string name = "Caf\xE9 M\xFC\xDFig", place = "Z\xFCrich";
  EXPECT_EQ("Execute succeeded! Rows changed 1",
            bench.Execute("INSERT INTO DEPT VALUES (50, '" + name + "', '" + place + "')"));
  EXPECT_EQ("Rows 1", bench.Execute("SELECT DNAME, LOC FROM DEPT WHERE DEPTNO = 50"));
  EXPECT_EQ(name, bench.List().Cell(0, 0));
  EXPECT_EQ(place, bench.List().Cell(0, 1));

  e2e::PostCommand(bench.Main(), ID_APP_ABOUT);
  HWND about = bench.WaitForDialog("About Zenquill Professional");
  ASSERT_NE(nullptr, about);
  EXPECT_EQ("Client character set: WE8MSWIN1252", e2e::GetText(GetDlgItem(about, IDC_ABOUT_CHARSET)));
  e2e::SaveScreenshot(e2e::ArtifactPath("about-box-charset.png"));
  Workbench::Answer(about, IDOK);
  EXPECT_TRUE(bench.Close());
}

}  // namespace
}  // namespace exece2e
