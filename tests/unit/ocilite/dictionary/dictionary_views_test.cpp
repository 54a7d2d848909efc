// The dictionary views' statements: every family in three scopes over every schema.
#include <gtest/gtest.h>

#include <algorithm>

#include "dictionary/DictionaryViews.h"

namespace ocilite {

namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

const std::string* Find(const std::vector<std::string>& statements, const std::string& prefix) {
  auto found = std::find_if(statements.begin(), statements.end(),
                            [&](const std::string& s) { return s.compare(0, prefix.size(), prefix) == 0; });
  return found == statements.end() ? nullptr : &*found;
}

TEST(DictionaryViewsTest, ThreeScopesForEveryFamily) {
  std::vector<std::string> statements = DictionaryViewStatements({"SCOTT"});
  const char* const families[] = {"TABLES",   "VIEWS",       "INDEXES",      "CONSTRAINTS", "TAB_COLUMNS",
                                  "OBJECTS",  "IND_COLUMNS", "CONS_COLUMNS", "SOURCE",      "SEQUENCES",
                                  "SYNONYMS", "DB_LINKS",    "PROCEDURES",   "TRIGGERS",    "USERS"};
  for (const char* family : families) {
    for (const char* scope : {"DBA_", "ALL_", "USER_"}) {
      EXPECT_NE(nullptr, Find(statements, std::string("CREATE TEMP VIEW ") + scope + family + " ")) << scope << family;
    }
  }
  EXPECT_NE(nullptr, Find(statements, "CREATE TEMP VIEW TAB "));
  EXPECT_EQ(46u, statements.size());
}

TEST(DictionaryViewsTest, SchemaViewsUnionEverySchema) {
  std::vector<std::string> statements = DictionaryViewStatements({"SCOTT", "HR", "SYSTEM"});
  const std::string* tables = Find(statements, "CREATE TEMP VIEW DBA_TABLES ");
  ASSERT_NE(nullptr, tables);
  EXPECT_EQ(2u, Count(*tables, " UNION ALL "));
  EXPECT_EQ(1u, Count(*tables, "\"HR\".sqlite_schema"));
  const std::string* constraints = Find(statements, "CREATE TEMP VIEW DBA_CONSTRAINTS ");
  ASSERT_NE(nullptr, constraints);
  EXPECT_EQ(3u - 1u, Count(*constraints, " UNION ALL "));
}

TEST(DictionaryViewsTest, UserViewsLeaveOutOnlyTheOwnerColumn) {
  std::vector<std::string> statements = DictionaryViewStatements({"SCOTT"});
  const std::string* procedures = Find(statements, "CREATE TEMP VIEW USER_PROCEDURES ");
  ASSERT_NE(nullptr, procedures);
  EXPECT_EQ(std::string::npos, procedures->find("\"OWNER\""));
  EXPECT_NE(std::string::npos, procedures->find("\"IMPLTYPEOWNER\""));
  const std::string* sequences = Find(statements, "CREATE TEMP VIEW USER_SEQUENCES ");
  ASSERT_NE(nullptr, sequences);
  EXPECT_EQ(std::string::npos, sequences->find("\"SEQUENCE_OWNER\""));
  EXPECT_NE(std::string::npos, sequences->find("WHERE SEQUENCE_OWNER = ZQ_USER()"));
}

}  // namespace

}  // namespace ocilite
