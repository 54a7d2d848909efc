#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "ScriptSplitter.h"
#include "SqlTemplates.h"

namespace {

struct ExpectedTemplate {
  int commandId;
  std::string menuText, statusText, tooltip, commentLine, statement;
};

// In menu order, as the Sql menu lists them.
const ExpectedTemplate kExpected[] = {
    {32780, "Se&lect", "Copy Select statement to editor", "Select", "-- Comment: select from a table",
     "SELECT column1, column2 FROM tablename WHERE column1 > 0 order by column2"},
    {32815, "Select cou&nt", "Copy Select count(*) to editor", "Select count",
     "-- Comment: select count(*) from a table", "SELECT COUNT(*) FROM tablename"},
    {32808, "Select &version", "Copy Select version to editor", "Select version", "-- Comment: select oracle version",
     "SELECT * FROM V$VERSION"},
    {32809, "Select all &tables", "Copy Select tables to editor", "Select tables", "-- Comment: select oracle tables",
     "SELECT * FROM ALL_TABLES WHERE TABLE_NAME = 'TABLENAME'"},
    {32810, "Select all &columns", "Copy Select  columns to editor", "Select columns",
     "-- Comment: select oracle columns", "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'TABLENAME'"},
    {32781, "&Insert", "Copy Insert statement to editor", "Insert", "-- Comment: insert into table",
     "INSERT INTO tablename VALUES(1, 'data')"},
    {32816, "&Update", "Copy Update statement to editor", "Update", "-- Comment: update a table",
     "UPDATE tablename SET column2 = 'datax' where column1 = 1"},
    {32782, "&Delete", "Copy Delete statement to editor", "Delete", "-- Comment: delete from table",
     "DELETE FROM tablename WHERE column1 = 1"},
    {32783, "Create &table", "Copy Create table statement to editor", "Create table", "-- Comment: create table",
     "CREATE TABLE tablename (column1 NUMBER NOT NULL, column2 VARCHAR2(32) NOT NULL)"},
    {32784, "Drop t&able", "Copy Drop table statement to editor", "Drop table", "-- Comment: drop table",
     "DROP TABLE tablename"},
    {32812, "&Commit", "Copy Commit statement to editor", "Commit", "-- Comment: Commit transaction", "COMMIT"},
    {32814, "&Rollback", "Copy Rollback statement to editor", "Rollback", "-- Comment: Rollback transaction",
     "ROLLBACK"},
};

std::string WholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The resources hold each template's menu item, and its prompt and tooltip in one string,
// under the name res/resource.h gives its command id.
class TemplateResources {
 public:
  TemplateResources() : header_(WholeFile(ZQ_RESOURCE_HEADER)), script_(WholeFile(ZQ_RESOURCE_SCRIPT)) {}

  std::string CommandName(int commandId) const {
    std::smatch match;
    const std::regex define("#define (ID_\\w+) " + std::to_string(commandId) + "\\b");
    return std::regex_search(header_, match, define) ? match[1].str() : "";
  }
  bool HasMenuItem(const std::string& text, const std::string& name) const {
    return script_.find("MENUITEM \"" + text + "\", " + name + "\n") != std::string::npos;
  }
  bool HasCommandText(const std::string& name, const std::string& prompt, const std::string& tooltip) const {
    return script_.find(name + " \"" + prompt + "\\n" + tooltip + "\"") != std::string::npos;
  }

 private:
  std::string header_;
  std::string script_;
};

TEST(SqlTemplates, TableHoldsTheExactTextsInMenuOrderAndIsFoundById) {
  const TemplateResources resources;
  ASSERT_EQ(sizeof kExpected / sizeof kExpected[0], static_cast<size_t>(kSqlTemplateCount));
  for (int k = 0; k < kSqlTemplateCount; ++k) {
    const ExpectedTemplate& e = kExpected[k];
    const SqlTemplate& t = kSqlTemplates[k];
    SCOPED_TRACE(e.menuText);
    EXPECT_EQ(e.commandId, t.commandId);
    const std::string name = resources.CommandName(e.commandId);
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(resources.HasMenuItem(e.menuText, name)) << name;
    EXPECT_TRUE(resources.HasCommandText(name, e.statusText, e.tooltip)) << name;
    EXPECT_EQ(e.commentLine, t.commentLine);
    EXPECT_EQ(e.statement, t.statement);
    EXPECT_EQ(&t, FindSqlTemplate(e.commandId));
  }
  EXPECT_EQ(nullptr, FindSqlTemplate(32789));
}

TEST(SqlTemplates, Composition) {
  EXPECT_EQ(
      "\r\n-- Comment: select from a table\r\n"
      "SELECT column1, column2 FROM tablename WHERE column1 > 0 order by column2;\r\n",
      AppendTemplate("", kSqlTemplates[0], ";"));
  // Two in a row: each block begins and ends with a line break, so an empty line parts them.
  EXPECT_EQ("\r\n-- Comment: Commit transaction\r\nCOMMIT;\r\n\r\n-- Comment: Rollback transaction\r\nROLLBACK;\r\n",
            AppendTemplate(AppendTemplate("", *FindSqlTemplate(32812), ";"), *FindSqlTemplate(32814), ";"));
  const SqlTemplate& drop = *FindSqlTemplate(32784);
  EXPECT_EQ("x\r\n-- Comment: drop table\r\nDROP TABLE tablename\r\n", AppendTemplate("x", drop, ""));
  EXPECT_EQ("x\r\n-- Comment: drop table\r\nDROP TABLE tablenameEND GO\r\n", AppendTemplate("x", drop, "END GO"));
  EXPECT_STREQ("Ready to execute!", kTemplateReadyMessage);
}

// Each template put into an empty editor runs as one statement that still starts with its
// comment line; after a statement it becomes one more statement of the script.
TEST(SqlTemplates, EveryTemplateSplitsIntoOneStatement) {
  for (const SqlTemplate& t : kSqlTemplates) {
    SCOPED_TRACE(t.commentLine);
    const std::string alone = std::string(t.commentLine) + "\r\n" + t.statement;
    std::vector<std::string> statements;
    EXPECT_EQ(1, SplitStatements(AppendTemplate("", t, ";"), ";", "/", statements));
    EXPECT_EQ(2, SplitStatements(AppendTemplate("SELECT 1;", t, ";"), ";", "/", statements));
    EXPECT_EQ((std::vector<std::string>{alone, "SELECT 1", alone}), statements);
  }
}

}  // namespace
