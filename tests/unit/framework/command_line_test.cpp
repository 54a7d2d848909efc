#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"

namespace {

TEST(CommandLineWords, BlanksSeparateQuotesGroup) {
  const struct {
    const char* line;
    std::vector<std::string> words;
  } cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"a.sql", {"a.sql"}},
      {"  a  b\tc ", {"a", "b", "c"}},
      {"\"C:\\My Scripts\\a.sql\"", {"C:\\My Scripts\\a.sql"}},
      {"/p \"x y\" z", {"/p", "x y", "z"}},
      {"\"\"", {""}},
      {"pre\"fix suf\"fix", {"prefix suffix"}},
      {"\"unterminated quote", {"unterminated quote"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.words, fw::SplitCommandLine(c.line)) << c.line;
}

TEST(ShellCommandParsing, FirstWordThatIsNoSwitchNamesTheFile) {
  const struct {
    const char* line;
    bool openFile;
    const char* path;
  } cases[] = {
      {"", false, ""},
      {"/dde", false, ""},
      {"-Embedding /Automation", false, ""},
      {"report.sql", true, "report.sql"},
      {"/x \"C:\\a b\\r.sql\" second.sql", true, "C:\\a b\\r.sql"},
      {"-v first.sql", true, "first.sql"},
  };
  for (const auto& c : cases) {
    const fw::ShellCommand command = fw::ParseShellCommand(c.line);
    EXPECT_EQ(c.openFile, command.openFile) << c.line;
    EXPECT_EQ(c.path, command.path) << c.line;
  }
}

}  // namespace
