// The binding against every variant of the double: the status map, each load failure's
// message, and what a run without a bound library answers.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "DatabaseDocument.h"
#include "LoadFailureReport.h"
#include "OciBinding.h"

namespace {

std::vector<std::string> reported;
void Capture(const char* message) { reported.push_back(message); }

// Each test loads from one folder below the working directory and reports into `reported`.
class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reported.clear();
    SetLoadFailureHandler(Capture);
    home_ = std::filesystem::current_path();
  }
  void TearDown() override {
    std::filesystem::current_path(home_);
    SetLoadFailureHandler(nullptr);
  }
  void LoadFrom(const std::string& folder) { std::filesystem::current_path(home_ / folder); }

 private:
  std::filesystem::path home_;
};

int ResolvedEntryPoints(const OciBinding& binding) {
  const OciEntryPoints& entryPoints = binding.EntryPoints();
  int resolved = 0;
#define ZQ_COUNT_RESOLVED(name) resolved += entryPoints.name != nullptr;
  ZQ_OCI_ENTRY_POINTS(ZQ_COUNT_RESOLVED)
#undef ZQ_COUNT_RESOLVED
  return resolved;
}

TEST(OciStatusMap, MapsEachStatusOfTheTableAndEverythingElseToError) {
  const struct {
    sword status;
    DbResult expected;
  } cases[] = {
      {0, DB_OK},
      {1, DB_SUCCESS_WITH_INFO},
      {99, DB_NEED_DATA},
      {100, DB_NO_DATA},
      {-3123, DB_STILL_EXECUTING},
      {-2, DB_INVALID_HANDLE},
      {-24200, DB_CONTINUE},
      {-1, DB_ERROR},
      {2, DB_ERROR},
      {98, DB_ERROR},
      {101, DB_ERROR},
      {-3, DB_ERROR},
      {-3122, DB_ERROR},
      {-24199, DB_ERROR},
      {INT_MIN, DB_ERROR},
      {INT_MAX, DB_ERROR},
      {3, DB_ERROR},
      {8, DB_ERROR},
      {9, DB_ERROR},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, OciBinding::MapOciStatus(c.status)) << "status " << c.status;
}

TEST_F(BindingTest, CompleteLibraryBindsSilentlyAndUnloadsClean) {
  LoadFrom("fake");
  OciBinding binding;
  binding.LoadClient();
  EXPECT_TRUE(binding.IsLoaded());
  EXPECT_EQ(18, ResolvedEntryPoints(binding));
  EXPECT_TRUE(reported.empty());
  binding.Unload();
  EXPECT_FALSE(binding.IsLoaded());
  EXPECT_EQ(0, ResolvedEntryPoints(binding));
}

TEST_F(BindingTest, MissingLibraryIsReportedOnce) {
  LoadFrom(".");  // holds only the variants' folders, no library of its own
  OciBinding binding;
  binding.LoadClient();
  EXPECT_FALSE(binding.IsLoaded());
  EXPECT_EQ(std::vector<std::string>{"Failed to load oci.dll!"}, reported);
}

TEST_F(BindingTest, EachMissingEntryPointIsNamedAndLeavesNothingBound) {
  const struct {
    const char* folder;
    const char* message;
  } cases[] = {
      {"fake-without-OCIInitialize", "Failed to find OCIInitialize(...)in oci.dll!"},
      {"fake-without-OCIEnvInit", "Failed to find OCIEnvInit(...)in oci.dll!"},
      {"fake-without-OCIHandleAlloc", "Failed to find OCIHandleAlloc(...)in oci.dll!"},
      {"fake-without-OCIServerAttach", "Failed to find OCIServerAttach(...)in oci.dll!"},
      {"fake-without-OCIAttrSet", "Failed to find OCIAttrSet(...)in oci.dll!"},
      {"fake-without-OCIAttrGet", "Failed to find OCIAttrGet(...)in oci.dll!"},
      {"fake-without-OCIBindByPos", "Failed to find OCIBindByPos(...)in oci.dll!"},
      {"fake-without-OCIHandleFree", "Failed to find OCIHandleFree(...)in oci.dll!"},
      {"fake-without-OCISessionBegin", "Failed to find OCISessionBegin(...)in oci.dll!"},
      {"fake-without-OCISessionEnd", "Failed to find OCISessionEnd(...)in oci.dll!"},
      {"fake-without-OCIStmtExecute", "Failed to find OCIStmtExecute(...)in oci.dll!"},
      {"fake-without-OCIStmtPrepare", "Failed to find OCIStmtPrepare(...)in oci.dll!"},
      {"fake-without-OCIStmtFetch", "Failed to find OCIStmtFetch(...)in oci.dll!"},
      {"fake-without-OCIDefineByPos", "Failed to find OCIDefineByPos(...)in oci.dll!"},
      {"fake-without-OCIErrorGet", "Failed to find OCIErrorGet(...)in oci.dll!"},
      {"fake-without-OCIParamGet", "Failed to find OCIParamGet(...)in oci.dll!"},
      {"fake-without-OCIServerDetach", "Failed to find OCIServerDetach(...)in oci.dll!"},
      {"fake-without-OCITerminate", "Failed to find OCITerminate(...)in oci.dll!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    reported.clear();
    LoadFrom(c.folder);
    OciBinding binding;
    binding.LoadClient();
    EXPECT_FALSE(binding.IsLoaded());
    EXPECT_EQ(0, ResolvedEntryPoints(binding));
    EXPECT_EQ(std::vector<std::string>{c.message}, reported);
  }
}

// Cancelling is the only thing a library without the optional entry points cannot do.
TEST_F(BindingTest, OptionalEntryPointsMayBeMissing) {
  const struct {
    const char* folder;
    bool canBreak;
  } cases[] = {{"fake", true}, {"fake-without-OCIBreak", false}, {"fake-without-OCIReset", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    LoadFrom(c.folder);
    DatabaseDocument document;
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(c.canBreak, document.CanBreak());
    ASSERT_EQ(DB_OK, document.Connect("ORCL", "scott", "tiger", LOGIN_NORMAL));
    EXPECT_EQ(c.canBreak ? DB_OK : DB_ERROR, document.Break());
    EXPECT_EQ(c.canBreak ? DB_OK : DB_ERROR, document.Reset());
    EXPECT_EQ(DB_OK, document.Disconnect());
  }
}

// What the user meets after a failed load: a document that works, without a database.
TEST_F(BindingTest, UnboundDocumentAnswersNotLoadedAndSaysSo) {
  for (const char* folder : {".", "fake-without-OCISessionEnd"}) {
    SCOPED_TRACE(folder);
    LoadFrom(folder);
    DatabaseDocument document;
    EXPECT_EQ(DB_NOT_LOADED, document.Connect("ORCL", "scott", "tiger", LOGIN_NORMAL));
    EXPECT_EQ(DB_NOT_CONNECTED, document.Disconnect());
    int isQuery = -1, columns = -1, rows = -1, offset = -1;
    EXPECT_EQ(DB_NOT_CONNECTED, document.Execute("SELECT 1 FROM DUAL", isQuery, columns, rows, offset));
    std::vector<std::string> texts{"stale"};
    EXPECT_EQ(DB_NOT_CONNECTED, document.DescribeColumns(1, texts));
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(DB_NOT_CONNECTED, document.FetchRow(1, texts));
    EXPECT_EQ(DB_OK, document.SetManualCommit(true));
    EXPECT_EQ("Not connected to database, OCI.DLL is not loaded!!", document.GetErrorText());
  }
}

TEST_F(BindingTest, NotLoadedTextIsCutToTheBuffer) {
  LoadFrom(".");
  OciConnection connection;
  char buffer[8];
  int code = -1;
  EXPECT_EQ(DB_OK, connection.GetErrorText(buffer, sizeof buffer, code));
  EXPECT_STREQ("Not con", buffer);
}

}  // namespace
