#include <gtest/gtest.h>

#include <string>

#include "CatalogueQueries.h"

namespace {

struct ExpectedRow {
  std::string category, scope;
  SkeletonNodeId scopeNode;
  int objectImage;
  std::string query;
};

// The nineteen loaders in table order, with their queries whole.
const ExpectedRow kExpected[kCatalogueQueryCount] = {
    {"Tables", "All", kTablesAll, 0,
     "SELECT TABLE_NAME, OWNER, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, CLUSTER_NAME, LOGGING, "
     "SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY FROM DBA_TABLES ORDER BY OWNER, TABLE_NAME"},
    {"Tables", "User", kTablesUser, 0,
     "SELECT TABLE_NAME, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, CLUSTER_NAME, LOGGING, "
     "SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY FROM USER_TABLES ORDER BY TABLE_NAME"},
    {"Views", "All", kViewsAll, 4,
     "SELECT VIEW_NAME, OWNER, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME FROM DBA_VIEWS ORDER BY OWNER, "
     "VIEW_NAME"},
    {"Views", "User", kViewsUser, 4,
     "SELECT VIEW_NAME, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME FROM USER_VIEWS ORDER BY VIEW_NAME"},
    {"Users", "", kUsers, 2,
     "SELECT USERNAME, USER_ID, PASSWORD, ACCOUNT_STATUS, LOCK_DATE, EXPIRY_DATE, DEFAULT_TABLESPACE, EXTERNAL_NAME, "
     "TEMPORARY_TABLESPACE, CREATED, PROFILE, INITIAL_RSRC_CONSUMER_GROUP FROM DBA_USERS ORDER BY USERNAME"},
    {"Triggers", "All", kTriggersAll, 8,
     "SELECT TRIGGER_NAME, OWNER, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, "
     "COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE FROM DBA_TRIGGERS ORDER BY OWNER, "
     "TRIGGER_NAME"},
    {"Triggers", "User", kTriggersUser, 8,
     "SELECT TRIGGER_NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, COLUMN_NAME, "
     "REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE FROM USER_TRIGGERS ORDER BY TRIGGER_NAME"},
    {"Procedures", "All", kProceduresAll, 5,
     "SELECT PROCEDURE_NAME, OWNER, OBJECT_NAME, AUTHID, AGGREGATE, PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, "
     "PARALLEL, INTERFACE,  DETERMINISTIC FROM DBA_PROCEDURES ORDER BY OWNER, PROCEDURE_NAME"},
    {"Procedures", "User", kProceduresUser, 5,
     "SELECT PROCEDURE_NAME, OBJECT_NAME, AUTHID, AGGREGATE, PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, "
     "INTERFACE,  DETERMINISTIC FROM USER_PROCEDURES ORDER BY PROCEDURE_NAME"},
    {"Indexes", "All", kIndexesAll, 7,
     "SELECT INDEX_NAME, OWNER, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, COMPRESSION, "
     "PREFIX_LENGTH, TABLESPACE_NAME,  LOGGING, DISTINCT_KEYS,  STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, "
     "PARTITIONED, TEMPORARY, SECONDARY FROM DBA_INDEXES ORDER BY OWNER, INDEX_NAME"},
    {"Indexes", "User", kIndexesUser, 7,
     "SELECT INDEX_NAME, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, COMPRESSION, PREFIX_LENGTH, "
     "TABLESPACE_NAME, LOGGING, DISTINCT_KEYS, STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, "
     "SECONDARY FROM USER_INDEXES ORDER BY INDEX_NAME"},
    {"Constraints", "All", kConstraintsAll, 10,
     "SELECT CONSTRAINT_NAME, OWNER, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, "
     "DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, "
     "VIEW_RELATED FROM DBA_CONSTRAINTS ORDER BY OWNER, CONSTRAINT_NAME"},
    {"Constraints", "User", kConstraintsUser, 10,
     "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, "
     "DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, "
     "VIEW_RELATED FROM USER_CONSTRAINTS ORDER BY CONSTRAINT_NAME"},
    {"Sequenses", "All", kSequensesAll, 9,
     "SELECT SEQUENCE_NAME, SEQUENCE_OWNER, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, "
     "CACHE_SIZE FROM DBA_SEQUENCES ORDER BY SEQUENCE_OWNER, SEQUENCE_NAME"},
    {"Sequenses", "User", kSequensesUser, 9,
     "SELECT SEQUENCE_NAME, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE FROM "
     "USER_SEQUENCES ORDER BY SEQUENCE_NAME"},
    {"Synonyms", "All", kSynonymsAll, 11,
     "SELECT SYNONYM_NAME, OWNER, TABLE_NAME, TABLE_OWNER,  DB_LINK FROM DBA_SYNONYMS ORDER BY OWNER, SYNONYM_NAME"},
    {"Synonyms", "User", kSynonymsUser, 11,
     "SELECT SYNONYM_NAME, TABLE_NAME, TABLE_OWNER, DB_LINK FROM USER_SYNONYMS ORDER BY SYNONYM_NAME"},
    {"DBLinks", "All", kDbLinksAll, 6,
     "SELECT DB_LINK, OWNER, USERNAME, HOST, CREATED FROM ALL_DB_LINKS ORDER BY OWNER, DB_LINK"},
    {"DBLinks", "User", kDbLinksUser, 6, "SELECT DB_LINK, USERNAME, HOST, CREATED FROM USER_DB_LINKS ORDER BY DB_LINK"},
};

TEST(CatalogueQueries, RowsAndTextsByteForByte) {
  for (int k = 0; k < kCatalogueQueryCount; ++k) {
    const ExpectedRow& e = kExpected[k];
    const CatalogueQuery& row = CatalogueQueryTable[k];
    SCOPED_TRACE(e.category + "/" + e.scope);
    EXPECT_EQ(e.category, row.category);
    EXPECT_EQ(e.scope, row.scope);
    EXPECT_EQ(e.scope == "All", row.ownerColumn);
    EXPECT_EQ(e.scopeNode, row.scopeNode);
    EXPECT_EQ(e.objectImage, static_cast<int>(row.objectImage));
    EXPECT_EQ(e.query, row.query);
  }
  EXPECT_NE(std::string::npos,
            std::string(CatalogueQueryTable[7].query).find("PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME"));
  EXPECT_NE(std::string::npos, std::string(CatalogueQueryTable[13].query).find("MAX_VALUE,  INCREMENT_BY"));
}

struct QueryCase {
  std::string nodeText, expected;
};

TEST(CatalogueQueries, ColumnsQuerySplitsAtTheFirstDotAndDoublesApostrophes) {
  const std::string head = "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = '";
  const QueryCase cases[] = {
      {"SCOTT.EMP", head + "EMP' AND OWNER = 'SCOTT'"},
      {"EMP", head + "EMP'"},
      {"A.B.C", head + "B.C' AND OWNER = 'A'"},
      {".X", head + "X' AND OWNER = ''"},
      {"", head + "'"},
      {"O'K.IT'S", head + "IT''S' AND OWNER = 'O''K'"},
      {"A\"B", head + "A\"B'"},
      {"Scott.Emp", head + "Emp' AND OWNER = 'Scott'"},
  };
  for (const QueryCase& c : cases) EXPECT_EQ(c.expected, ColumnsQuery(c.nodeText)) << c.nodeText;
}

TEST(CatalogueQueries, ViewDataQueryQuotesIdentifiers) {
  const QueryCase underAll[] = {
      {"SCOTT.EMP", "SELECT * FROM \"SCOTT\".\"EMP\""},
      {"A.B.C", "SELECT * FROM \"A\".\"B.C\""},
      {"EMP", "SELECT * FROM \"EMP\""},
      {"Sales.My Table", "SELECT * FROM \"Sales\".\"My Table\""},
      {"A\"B.C\"D", "SELECT * FROM \"A\"\"B\".\"C\"\"D\""},
      {"O'K.T", "SELECT * FROM \"O'K\".\"T\""},
  };
  for (const QueryCase& c : underAll) EXPECT_EQ(c.expected, ViewDataQuery(c.nodeText, true)) << c.nodeText;
  const QueryCase underUser[] = {
      {"EMP", "SELECT * FROM \"EMP\""}, {"A.B", "SELECT * FROM \"A.B\""}, {"X\"", "SELECT * FROM \"X\"\"\""}};
  for (const QueryCase& c : underUser) EXPECT_EQ(c.expected, ViewDataQuery(c.nodeText, false)) << c.nodeText;
}

}  // namespace
