// The benchmark's baseline against ocilite's demo database: every row counted, a failing
// query named with the database's error rather than timed.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "DocumentFetch.h"

namespace {

using programbench::FetchTiming;
using programbench::TimeDocumentFetch;

std::string Here() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
}

struct FetchCase {
  const char* name;
  const char* query;
  int rows;
  const char* errorPart;  // "" for success
  int runs = 1;           // in one session
};

TEST(DocumentFetch, CountsRowsOrNamesTheFailure) {
  const std::string work = Here();
  const std::string data = work + "\\fetch-test-data";
  std::error_code ignored;
  std::filesystem::remove_all(data, ignored);
  std::filesystem::create_directories(data);
  const FetchCase cases[] = {
      {"all employees", "SELECT * FROM EMP", 14, ""},
      {"no rows", "SELECT * FROM EMP WHERE 1 = 0", 0, ""},
      {"unknown table", "SELECT * FROM NO_SUCH_TABLE", 0, "ORA-00942"},
      {"not a query", "UPDATE EMP SET SAL = SAL", 0, "execute"},
      {"three times in one session", "SELECT * FROM EMP", 14, "", 3},
      {"failing at the first of three", "SELECT * FROM NO_SUCH_TABLE", 0, "ORA-00942", 3},
  };
  for (const FetchCase& c : cases) {
    const FetchTiming timing = TimeDocumentFetch(work, data, c.query, c.runs);
    EXPECT_EQ(c.rows, timing.rows) << c.name;
    if (*c.errorPart) {
      EXPECT_LT(timing.seconds, 0) << c.name;
      EXPECT_NE(std::string::npos, timing.error.find(c.errorPart)) << c.name << ": " << timing.error;
    } else {
      EXPECT_GE(timing.seconds, 0) << c.name;
      EXPECT_EQ("", timing.error) << c.name;
    }
  }
}

}  // namespace
