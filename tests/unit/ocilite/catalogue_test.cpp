// The schema browser's nineteen catalogue queries, its columns query and the SQL
// templates, exactly as the program sends them, against the demo database.
#include <algorithm>
#include <utility>

#include "DemoSession.h"

namespace {

struct CatalogueCase {
  const char* name;
  const char* sql;
  const char* expectedName;   // a row the demo database must show
  const char* expectedOwner;  // its owner, for the "All" queries
};

const CatalogueCase kAllQueries[] = {
    {"Q1", "SELECT TABLE_NAME, OWNER, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, CLUSTER_NAME, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY FROM DBA_TABLES ORDER BY OWNER, TABLE_NAME", "EMP", "SCOTT"},
    {"Q3", "SELECT VIEW_NAME, OWNER, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME FROM DBA_VIEWS ORDER BY OWNER, VIEW_NAME", "EMP_DEPT", "SCOTT"},
    {"Q6", "SELECT TRIGGER_NAME, OWNER, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE FROM DBA_TRIGGERS ORDER BY OWNER, TRIGGER_NAME", "EMP_SAL_CHECK", "SCOTT"},
    {"Q8", "SELECT PROCEDURE_NAME, OWNER, OBJECT_NAME, AUTHID, AGGREGATE, PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, INTERFACE,  DETERMINISTIC FROM DBA_PROCEDURES ORDER BY OWNER, PROCEDURE_NAME", "RAISE_SALARY", "SCOTT"},
    {"Q10", "SELECT INDEX_NAME, OWNER, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, COMPRESSION, PREFIX_LENGTH, TABLESPACE_NAME,  LOGGING, DISTINCT_KEYS,  STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, SECONDARY FROM DBA_INDEXES ORDER BY OWNER, INDEX_NAME", "EMP_DEPTNO_IX", "SCOTT"},
    {"Q12", "SELECT CONSTRAINT_NAME, OWNER, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, VIEW_RELATED FROM DBA_CONSTRAINTS ORDER BY OWNER, CONSTRAINT_NAME", "FK_EMP_DEPT", "SCOTT"},
    {"Q14", "SELECT SEQUENCE_NAME, SEQUENCE_OWNER, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE FROM DBA_SEQUENCES ORDER BY SEQUENCE_OWNER, SEQUENCE_NAME", "EMP_SEQ", "SCOTT"},
    {"Q16", "SELECT SYNONYM_NAME, OWNER, TABLE_NAME, TABLE_OWNER,  DB_LINK FROM DBA_SYNONYMS ORDER BY OWNER, SYNONYM_NAME", "SCOTT_DEPT", "PUBLIC"},
    {"Q18", "SELECT DB_LINK, OWNER, USERNAME, HOST, CREATED FROM ALL_DB_LINKS ORDER BY OWNER, DB_LINK", "SALES.EXAMPLE.COM", "SCOTT"},
};

const CatalogueCase kUsersQuery = {"Q5", "SELECT USERNAME, USER_ID, PASSWORD, ACCOUNT_STATUS, LOCK_DATE, EXPIRY_DATE, DEFAULT_TABLESPACE, EXTERNAL_NAME, TEMPORARY_TABLESPACE, CREATED, PROFILE, INITIAL_RSRC_CONSUMER_GROUP FROM DBA_USERS ORDER BY USERNAME", "SCOTT", ""};

const CatalogueCase kUserQueries[] = {
    {"Q2", "SELECT TABLE_NAME, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, CLUSTER_NAME, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY FROM USER_TABLES ORDER BY TABLE_NAME", "SALGRADE", ""},
    {"Q4", "SELECT VIEW_NAME, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME FROM USER_VIEWS ORDER BY VIEW_NAME", "EMP_DEPT", ""},
    {"Q7", "SELECT TRIGGER_NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE FROM USER_TRIGGERS ORDER BY TRIGGER_NAME", "EMP_SAL_CHECK", ""},
    {"Q9", "SELECT PROCEDURE_NAME, OBJECT_NAME, AUTHID, AGGREGATE, PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, INTERFACE,  DETERMINISTIC FROM USER_PROCEDURES ORDER BY PROCEDURE_NAME", "RAISE_SALARY", ""},
    {"Q11", "SELECT INDEX_NAME, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, COMPRESSION, PREFIX_LENGTH, TABLESPACE_NAME, LOGGING, DISTINCT_KEYS, STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, SECONDARY FROM USER_INDEXES ORDER BY INDEX_NAME", "PK_EMP", ""},
    {"Q13", "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, VIEW_RELATED FROM USER_CONSTRAINTS ORDER BY CONSTRAINT_NAME", "PK_DEPT", ""},
    {"Q15", "SELECT SEQUENCE_NAME, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE FROM USER_SEQUENCES ORDER BY SEQUENCE_NAME", "EMP_SEQ", ""},
    {"Q17", "SELECT SYNONYM_NAME, TABLE_NAME, TABLE_OWNER, DB_LINK FROM USER_SYNONYMS ORDER BY SYNONYM_NAME", "EMPLOYEES", ""},
    {"Q19", "SELECT DB_LINK, USERNAME, HOST, CREATED FROM USER_DB_LINKS ORDER BY DB_LINK", "SALES.EXAMPLE.COM", ""},
};

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
  Outcome outcome = RunSql(document, c.sql);
  ASSERT_EQ(DB_OK, outcome.result) << c.name << ": " << outcome.error;
  EXPECT_EQ(DB_NO_DATA, outcome.fetchEnd) << c.name << ": " << outcome.error;
  EXPECT_EQ(SelectList(c.sql), outcome.columns) << c.name;
  auto keys = Keys(outcome, withOwner);
  std::pair<std::string, std::string> expected(c.expectedName, withOwner ? c.expectedOwner : "");
  EXPECT_NE(keys.end(), std::find(keys.begin(), keys.end(), expected)) << c.name << " lacks " << c.expectedName;
  // Ordered by owner then name ("All") or by name ("User").
  auto ordered = keys;
  for (auto& key : ordered) std::swap(key.first, key.second);
  std::sort(ordered.begin(), ordered.end());
  for (auto& key : ordered) std::swap(key.first, key.second);
  EXPECT_EQ(ordered, keys) << c.name << " is not in order";
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
    Outcome outcome = RunSql(scott_, c.sql);
    bool readsDbaView = std::string(c.sql).find("FROM DBA_") != std::string::npos;
    EXPECT_EQ(readsDbaView ? DB_ERROR : DB_OK, outcome.result) << c.name;
    if (readsDbaView) {
      EXPECT_EQ("ORA-00942: table or view does not exist", outcome.error) << c.name;
    }
  }
  EXPECT_EQ("ORA-00942: table or view does not exist", RunSql(scott_, kUsersQuery.sql).error);
}

TEST_F(CatalogueTest, UserScopeShowsOnlyTheUsersObjects) {
  Outcome tables = RunSql(scott_, kUserQueries[0].sql);
  std::vector<std::string> names = ColumnValues(tables, "TABLE_NAME");
  EXPECT_EQ((std::vector<std::string>{"BONUS", "DEPT", "EMP", "MEASUREMENTS", "ORDER_LINES", "SALGRADE"}), names);
}

TEST_F(CatalogueTest, UsersAreListedWithTheirStatus) {
  Outcome users = RunSql(system_, kUsersQuery.sql);
  EXPECT_EQ((std::vector<std::string>{"GUEST", "HR", "OPS$ZENQUILL", "OUTLN", "SCOTT", "SYSTEM"}),
            ColumnValues(users, "USERNAME"));
  EXPECT_EQ((std::vector<std::string>{"OPEN", "EXPIRED(GRACE)", "OPEN", "LOCKED", "OPEN", "OPEN"}),
            ColumnValues(users, "ACCOUNT_STATUS"));
}

TEST_F(CatalogueTest, ColumnsQueryWithOwnerAsTheDba) {
  Outcome columns = RunSql(system_, "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'EMP' AND OWNER = 'SCOTT'");
  ASSERT_EQ(DB_OK, columns.result) << columns.error;
  EXPECT_EQ((std::vector<std::string>{"EMPNO", "ENAME", "JOB", "MGR", "HIREDATE", "SAL", "COMM", "DEPTNO"}),
            ColumnValues(columns, "COLUMN_NAME"));
  EXPECT_EQ((std::vector<std::string>{"NUMBER", "VARCHAR2", "VARCHAR2", "NUMBER", "DATE", "NUMBER", "NUMBER", "NUMBER"}),
            ColumnValues(columns, "DATA_TYPE"));
  EXPECT_EQ((std::vector<std::string>{"22", "10", "9", "22", "7", "22", "22", "22"}), ColumnValues(columns, "DATA_LENGTH"));
  EXPECT_EQ((std::vector<std::string>{"4", "NULL", "NULL", "4", "NULL", "7", "7", "2"}),
            ColumnValues(columns, "DATA_PRECISION"));
  EXPECT_EQ((std::vector<std::string>{"N", "Y", "Y", "Y", "Y", "Y", "Y", "Y"}), ColumnValues(columns, "NULLABLE"));
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}), ColumnValues(columns, "COLUMN_ID"));
}

TEST_F(CatalogueTest, ColumnsQueryWithoutOwnerListsWhatTheUserSees) {
  Outcome scott = RunSql(scott_, "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'EMP_DEPT'");
  EXPECT_EQ((std::vector<std::string>{"EMPNO", "ENAME", "JOB", "SAL", "DNAME", "LOC"}), ColumnValues(scott, "COLUMN_NAME"));
  Outcome hidden = RunSql(scott_, "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'HELP'");
  EXPECT_TRUE(hidden.rows.empty());
}

TEST_F(CatalogueTest, TemplatesRunInTurn) {
  const char* const steps[] = {
      "CREATE TABLE tablename (column1 NUMBER NOT NULL, column2 VARCHAR2(32) NOT NULL)",
      "INSERT INTO tablename VALUES(1, 'data')",
      "UPDATE tablename SET column2 = 'datax' where column1 = 1",
      "COMMIT",
  };
  for (const char* step : steps) ASSERT_EQ(DB_OK, RunSql(scott_, step).result) << step;
  scott_.SetManualCommit(true);
  ASSERT_EQ(1, RunSql(scott_, "DELETE FROM tablename WHERE column1 = 1").rowCount);
  ASSERT_EQ(DB_OK, RunSql(scott_, "ROLLBACK").result);
  Outcome select = RunSql(scott_, "SELECT column1, column2 FROM tablename WHERE column1 > 0 order by column2");
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"1", "datax"}}), select.rows);
  EXPECT_EQ("1", RunSql(scott_, "SELECT COUNT(*) FROM tablename").rows.at(0).at(0));
  EXPECT_EQ(2u, RunSql(scott_, "SELECT * FROM V$VERSION").rows.size());
  Outcome tables = RunSql(scott_, "SELECT * FROM ALL_TABLES WHERE TABLE_NAME = 'TABLENAME'");
  EXPECT_EQ((std::vector<std::string>{"SCOTT"}), ColumnValues(tables, "OWNER"));
  Outcome columns = RunSql(scott_, "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'TABLENAME'");
  EXPECT_EQ((std::vector<std::string>{"COLUMN1", "COLUMN2"}), ColumnValues(columns, "COLUMN_NAME"));
  EXPECT_EQ(DB_OK, RunSql(scott_, "DROP TABLE tablename").result);
  EXPECT_TRUE(RunSql(scott_, "SELECT * FROM ALL_TABLES WHERE TABLE_NAME = 'TABLENAME'").rows.empty());
}

TEST_F(CatalogueTest, LargeDemoTablesHaveTheirRows) {
  EXPECT_EQ("1200", RunSql(scott_, "SELECT COUNT(*) FROM ORDER_LINES").rows.at(0).at(0));
  Outcome measurements = RunSql(scott_, "SELECT COUNT(*), COUNT(NOTE) FROM MEASUREMENTS");
  EXPECT_EQ((std::vector<std::string>{"100000", "85715"}), measurements.rows.at(0));
  EXPECT_EQ(10, RunSql(scott_, "SELECT * FROM MEASUREMENTS WHERE ID = 1").columnCount);
}

}  // namespace
