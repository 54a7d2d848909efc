// Shared by the splitter's table tests: one case is a text, two separators and the expected
// statement texts; running it also checks that every statement sits in the text at its offset.
#ifndef ZENQUILL_TESTS_WORKSPACE_SPLITCASE_H
#define ZENQUILL_TESTS_WORKSPACE_SPLITCASE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptSplitter.h"

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> expected;
  std::string sqlSeparator = ";";
  std::string plsqlSeparator = "/";
};

inline void ExpectSplit(const SplitCase& c) {
  SCOPED_TRACE(c.name);
  std::vector<SplitStatement> statements;
  const int count = SplitStatements(c.text, c.sqlSeparator, c.plsqlSeparator, statements);
  ASSERT_EQ(static_cast<int>(statements.size()), count);
  std::vector<std::string> texts;
  for (const SplitStatement& s : statements) {
    ASSERT_LE(s.offset + s.text.size(), c.text.size());
    EXPECT_EQ(c.text.substr(s.offset, s.text.size()), s.text);
    texts.push_back(s.text);
  }
  EXPECT_EQ(c.expected, texts);
}

inline void ExpectSplits(const std::vector<SplitCase>& cases) {
  for (const SplitCase& c : cases) ExpectSplit(c);
}

#endif
