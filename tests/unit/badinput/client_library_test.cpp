// Files named oci.dll that are no library: the binding must refuse each with the one load
// message, and the document must go on without a database.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "DatabaseDocument.h"
#include "LoadFailureReport.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> reported;
void Capture(const char* message) { reported.push_back(message); }

// A header that starts like an executable and then stops.
std::string TruncatedExecutable() {
  std::string bytes = "MZ";
  bytes += std::string(58, '\0');
  bytes += std::string("\x40\0\0\0", 4);
  return bytes + "PE";
}

std::string EveryByteValue() {
  std::string bytes;
  for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
  return bytes;
}

class NotALibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    reported.clear();
    SetLoadFailureHandler(Capture);
    home_ = fs::current_path();
    folder_ = home_ / "not-a-library";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(home_);
    fs::remove_all(folder_);
    SetLoadFailureHandler(nullptr);
  }

 private:
  fs::path home_;
  fs::path folder_;
};

TEST_F(NotALibrary, EachIsRefusedWithTheLoadMessage) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"text", "This is not a library.\r\n"},
      {"truncated executable header", TruncatedExecutable()},
      {"every byte value", EveryByteValue()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reported.clear();
    std::ofstream("oci.dll", std::ios::binary) << c.bytes;
    {
      DatabaseDocument document;
      EXPECT_EQ(DB_NOT_LOADED, document.Connect("DEMO", "SCOTT", "tiger", LOGIN_NORMAL));
      EXPECT_EQ("Not connected to database, OCI.DLL is not loaded!!", document.GetErrorText());
    }
    EXPECT_EQ(std::vector<std::string>{"Failed to load oci.dll!"}, reported);
    // The loader only read the file: it is still there, unchanged.
    std::ifstream kept("oci.dll", std::ios::binary);
    EXPECT_EQ(c.bytes, std::string(std::istreambuf_iterator<char>(kept), {}));
  }
}

TEST_F(NotALibrary, FolderNamedLikeTheLibraryIsRefused) {
  fs::create_directory("oci.dll");
  DatabaseDocument document;
  EXPECT_EQ(DB_NOT_LOADED, document.Connect("DEMO", "SCOTT", "tiger", LOGIN_NORMAL));
  EXPECT_EQ(std::vector<std::string>{"Failed to load oci.dll!"}, reported);
}

}  // namespace
