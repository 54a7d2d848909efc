// The schema browser's nineteen catalogue queries, its columns query and the SQL
// templates, taken from the program's own tables, against the demo database.
#include <algorithm>
#include <string>
#include <utility>

#include "CatalogueQueries.h"
#include "DemoSession.h"
#include "resource.h"
#include "SqlTemplates.h"

namespace {

// One row of the program's catalogue query table and a row the demo database must show.
struct CatalogueCase {
  int row;                    // index into CatalogueQueryTable: query "Q<row + 1>"
  const char* expectedName;   // a row the demo database must show
  const char* expectedOwner;  // its owner, for the "All" queries
  std::string name() const { return "Q" + std::to_string(row + 1); }
  const char* sql() const { return CatalogueQueryTable[row].query; }
};

const CatalogueCase kAllQueries[] = {
    {0, "EMP", "SCOTT"},          {2, "EMP_DEPT", "SCOTT"},      {5, "EMP_SAL_CHECK", "SCOTT"},
    {7, "RAISE_SALARY", "SCOTT"}, {9, "EMP_DEPTNO_IX", "SCOTT"}, {11, "FK_DEPTNO", "SCOTT"},
    {13, "EMP_SEQ", "SCOTT"},     {15, "SCOTT_DEPT", "PUBLIC"},  {17, "SALES.EXAMPLE.COM", "SCOTT"},
};

const CatalogueCase kUsersQuery = {4, "SCOTT", ""};

const CatalogueCase kUserQueries[] = {
    {1, "SALGRADE", ""},     {3, "EMP_DEPT", ""},   {6, "EMP_SAL_CHECK", ""},
    {8, "RAISE_SALARY", ""}, {10, "PK_EMP", ""},    {12, "PK_DEPT", ""},
    {14, "EMP_SEQ", ""},     {16, "EMPLOYEES", ""}, {18, "SALES.EXAMPLE.COM", ""},
};

// The statement of a Sql menu template, as the program appends it.
const char* Template(int commandId) { return FindSqlTemplate(commandId)->statement; }

// The headings a query must come back with: its select list, blanks trimmed.
std::vector<std::string> SelectList(const std::string& sql) {
  std::string list = sql.substr(7, sql.find(" FROM ") - 7);
  std::vector<std::string> names;
  size_t from = 0;
  while (from <= list.size()) {
    size_t comma = list.find(',', from);
    std::string name = list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    names.push_back(name.substr(name.find_first_not_of(' ')));
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return names;
}

// Rows as (name, owner) pairs from the first two columns, or the first column alone.
std::vector<std::pair<std::string, std::string>> Keys(const Outcome& outcome, bool withOwner) {
  std::vector<std::pair<std::string, std::string>> keys;
  for (const std::vector<std::string>& row : outcome.rows) keys.emplace_back(row.at(0), withOwner ? row.at(1) : "");
  return keys;
}

void ExpectCatalogue(DatabaseDocument& document, const CatalogueCase& c, bool withOwner) {
  Outcome outcome = RunSql(document, c.sql());
  ASSERT_EQ(DB_OK, outcome.result) << c.name() << ": " << outcome.error;
  EXPECT_EQ(DB_NO_DATA, outcome.fetchEnd) << c.name() << ": " << outcome.error;
  EXPECT_EQ(SelectList(c.sql()), outcome.columns) << c.name();
  auto keys = Keys(outcome, withOwner);
  std::pair<std::string, std::string> expected(c.expectedName, withOwner ? c.expectedOwner : "");
  EXPECT_NE(keys.end(), std::find(keys.begin(), keys.end(), expected)) << c.name() << " lacks " << c.expectedName;
  // Ordered by owner then name ("All") or by name ("User").
  auto ordered = keys;
  for (auto& key : ordered) std::swap(key.first, key.second);
  std::sort(ordered.begin(), ordered.end());
  for (auto& key : ordered) std::swap(key.first, key.second);
  EXPECT_EQ(ordered, keys) << c.name() << " is not in order";
}

class CatalogueTest : public DemoSessionTest {
 protected:
  void SetUp() override {
    DemoSessionTest::SetUp();
    ConnectAs(system_, "SYSTEM", "manager");
  }
  DatabaseDocument system_;
};

TEST_F(CatalogueTest, AllScopeQueriesRunAsTheDba) {
  for (const CatalogueCase& c : kAllQueries) ExpectCatalogue(system_, c, true);
  ExpectCatalogue(system_, kUsersQuery, false);
}

TEST_F(CatalogueTest, UserScopeQueriesRunAsScott) {
  for (const CatalogueCase& c : kUserQueries) ExpectCatalogue(scott_, c, false);
}

TEST_F(CatalogueTest, DbaViewsAreHiddenFromScott) {
  for (const CatalogueCase& c : kAllQueries) {
    Outcome outcome = RunSql(scott_, c.sql());
    bool readsDbaView = std::string(c.sql()).find("FROM DBA_") != std::string::npos;
    EXPECT_EQ(readsDbaView ? DB_ERROR : DB_OK, outcome.result) << c.name();
    if (readsDbaView) {
      EXPECT_EQ("ORA-00942: table or view does not exist", outcome.error) << c.name();
    }
  }
  EXPECT_EQ("ORA-00942: table or view does not exist", RunSql(scott_, kUsersQuery.sql()).error);
}

TEST_F(CatalogueTest, UserScopeShowsOnlyTheUsersObjects) {
  Outcome tables = RunSql(scott_, kUserQueries[0].sql());
  std::vector<std::string> names = ColumnValues(tables, "TABLE_NAME");
  EXPECT_EQ((std::vector<std::string>{"BONUS", "DEPT", "EMP", "MEASUREMENTS", "ORDER_LINES", "SALGRADE"}), names);
}

TEST_F(CatalogueTest, UsersAreListedWithTheirStatus) {
  Outcome users = RunSql(system_, kUsersQuery.sql());
  EXPECT_EQ((std::vector<std::string>{"GUEST", "HR", "OPS$ZENQUILL", "OUTLN", "SCOTT", "SYSTEM"}),
            ColumnValues(users, "USERNAME"));
  EXPECT_EQ((std::vector<std::string>{"OPEN", "EXPIRED(GRACE)", "OPEN", "LOCKED", "OPEN", "OPEN"}),
            ColumnValues(users, "ACCOUNT_STATUS"));
}

TEST_F(CatalogueTest, ColumnsQueryWithOwnerAsTheDba) {
  Outcome columns = RunSql(system_, ColumnsQuery("SCOTT.EMP"));
  ASSERT_EQ(DB_OK, columns.result) << columns.error;
  EXPECT_EQ((std::vector<std::string>{"EMPNO", "ENAME", "JOB", "MGR", "HIREDATE", "SAL", "COMM", "DEPTNO"}),
            ColumnValues(columns, "COLUMN_NAME"));
  EXPECT_EQ(
      (std::vector<std::string>{"NUMBER", "VARCHAR2", "VARCHAR2", "NUMBER", "DATE", "NUMBER", "NUMBER", "NUMBER"}),
      ColumnValues(columns, "DATA_TYPE"));
  EXPECT_EQ((std::vector<std::string>{"22", "10", "9", "22", "7", "22", "22", "22"}),
            ColumnValues(columns, "DATA_LENGTH"));
  EXPECT_EQ((std::vector<std::string>{"4", "NULL", "NULL", "4", "NULL", "7", "7", "2"}),
            ColumnValues(columns, "DATA_PRECISION"));
  EXPECT_EQ((std::vector<std::string>{"N", "Y", "Y", "Y", "Y", "Y", "Y", "Y"}), ColumnValues(columns, "NULLABLE"));
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}), ColumnValues(columns, "COLUMN_ID"));
}

TEST_F(CatalogueTest, ColumnsQueryWithoutOwnerListsWhatTheUserSees) {
  Outcome scott = RunSql(scott_, ColumnsQuery("EMP_DEPT"));
  EXPECT_EQ((std::vector<std::string>{"EMPNO", "ENAME", "JOB", "SAL", "DNAME", "LOC"}),
            ColumnValues(scott, "COLUMN_NAME"));
  Outcome hidden = RunSql(scott_, ColumnsQuery("HELP"));
  EXPECT_TRUE(hidden.rows.empty());
}

TEST_F(CatalogueTest, TemplatesRunInTurn) {
  for (int step : {ID_SQL_CREATE_TABLE, ID_SQL_INSERT, ID_SQL_UPDATE, ID_SQL_COMMIT}) {
    ASSERT_EQ(DB_OK, RunSql(scott_, Template(step)).result) << Template(step);
  }
  scott_.SetManualCommit(true);
  ASSERT_EQ(1, RunSql(scott_, Template(ID_SQL_DELETE)).rowCount);
  ASSERT_EQ(DB_OK, RunSql(scott_, Template(ID_SQL_ROLLBACK)).result);
  Outcome select = RunSql(scott_, Template(ID_SQL_SELECT));
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"1", "datax"}}), select.rows);
  EXPECT_EQ("1", RunSql(scott_, Template(ID_SQL_SELECT_COUNT)).rows.at(0).at(0));
  EXPECT_EQ(2u, RunSql(scott_, Template(ID_SQL_SELECT_VERSION)).rows.size());
  Outcome tables = RunSql(scott_, Template(ID_SQL_SELECT_TABLES));
  EXPECT_EQ((std::vector<std::string>{"SCOTT"}), ColumnValues(tables, "OWNER"));
  Outcome columns = RunSql(scott_, Template(ID_SQL_SELECT_COLUMNS));
  EXPECT_EQ((std::vector<std::string>{"COLUMN1", "COLUMN2"}), ColumnValues(columns, "COLUMN_NAME"));
  EXPECT_EQ(DB_OK, RunSql(scott_, Template(ID_SQL_DROP_TABLE)).result);
  EXPECT_TRUE(RunSql(scott_, Template(ID_SQL_SELECT_TABLES)).rows.empty());
}

TEST_F(CatalogueTest, LargeDemoTablesHaveTheirRows) {
  EXPECT_EQ("1200", RunSql(scott_, "SELECT COUNT(*) FROM ORDER_LINES").rows.at(0).at(0));
  Outcome measurements = RunSql(scott_, "SELECT COUNT(*), COUNT(NOTE) FROM MEASUREMENTS");
  EXPECT_EQ((std::vector<std::string>{"100000", "85715"}), measurements.rows.at(0));
  EXPECT_EQ(10, RunSql(scott_, "SELECT * FROM MEASUREMENTS WHERE ID = 1").columnCount);
}

}  // namespace
