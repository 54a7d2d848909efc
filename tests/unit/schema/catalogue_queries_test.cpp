#include <gtest/gtest.h>

#include <string>

#include "CatalogueQueries.h"

namespace {

struct ExpectedQuery {
  std::string category;
  std::string scope;
  std::string query;
};

// The nineteen catalogue queries, whole, in table order.
const ExpectedQuery kExpected[kCatalogueQueryCount] = {
    {"Tables", "All",
     "SELECT TABLE_NAME, OWNER, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, CLUSTER_NAME, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY FROM DBA_TABLES ORDER BY OWNER, TABLE_NAME"},
    {"Tables", "User",
     "SELECT TABLE_NAME, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, CLUSTER_NAME, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY FROM USER_TABLES ORDER BY TABLE_NAME"},
    {"Views", "All",
     "SELECT VIEW_NAME, OWNER, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME FROM DBA_VIEWS ORDER BY OWNER, VIEW_NAME"},
    {"Views", "User",
     "SELECT VIEW_NAME, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME FROM USER_VIEWS ORDER BY VIEW_NAME"},
    {"Users", "",
     "SELECT USERNAME, USER_ID, PASSWORD, ACCOUNT_STATUS, LOCK_DATE, EXPIRY_DATE, DEFAULT_TABLESPACE, EXTERNAL_NAME, TEMPORARY_TABLESPACE, CREATED, PROFILE, INITIAL_RSRC_CONSUMER_GROUP FROM DBA_USERS ORDER BY USERNAME"},
    {"Triggers", "All",
     "SELECT TRIGGER_NAME, OWNER, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE FROM DBA_TRIGGERS ORDER BY OWNER, TRIGGER_NAME"},
    {"Triggers", "User",
     "SELECT TRIGGER_NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE FROM USER_TRIGGERS ORDER BY TRIGGER_NAME"},
    {"Procedures", "All",
     "SELECT PROCEDURE_NAME, OWNER, OBJECT_NAME, AUTHID, AGGREGATE, PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, INTERFACE,  DETERMINISTIC FROM DBA_PROCEDURES ORDER BY OWNER, PROCEDURE_NAME"},
    {"Procedures", "User",
     "SELECT PROCEDURE_NAME, OBJECT_NAME, AUTHID, AGGREGATE, PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, INTERFACE,  DETERMINISTIC FROM USER_PROCEDURES ORDER BY PROCEDURE_NAME"},
    {"Indexes", "All",
     "SELECT INDEX_NAME, OWNER, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, COMPRESSION, PREFIX_LENGTH, TABLESPACE_NAME,  LOGGING, DISTINCT_KEYS,  STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, SECONDARY FROM DBA_INDEXES ORDER BY OWNER, INDEX_NAME"},
    {"Indexes", "User",
     "SELECT INDEX_NAME, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, COMPRESSION, PREFIX_LENGTH, TABLESPACE_NAME, LOGGING, DISTINCT_KEYS, STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, SECONDARY FROM USER_INDEXES ORDER BY INDEX_NAME"},
    {"Constraints", "All",
     "SELECT CONSTRAINT_NAME, OWNER, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, VIEW_RELATED FROM DBA_CONSTRAINTS ORDER BY OWNER, CONSTRAINT_NAME"},
    {"Constraints", "User",
     "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, VIEW_RELATED FROM USER_CONSTRAINTS ORDER BY CONSTRAINT_NAME"},
    {"Sequenses", "All",
     "SELECT SEQUENCE_NAME, SEQUENCE_OWNER, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE FROM DBA_SEQUENCES ORDER BY SEQUENCE_OWNER, SEQUENCE_NAME"},
    {"Sequenses", "User",
     "SELECT SEQUENCE_NAME, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE FROM USER_SEQUENCES ORDER BY SEQUENCE_NAME"},
    {"Synonyms", "All",
     "SELECT SYNONYM_NAME, OWNER, TABLE_NAME, TABLE_OWNER,  DB_LINK FROM DBA_SYNONYMS ORDER BY OWNER, SYNONYM_NAME"},
    {"Synonyms", "User",
     "SELECT SYNONYM_NAME, TABLE_NAME, TABLE_OWNER, DB_LINK FROM USER_SYNONYMS ORDER BY SYNONYM_NAME"},
    {"DBLinks", "All",
     "SELECT DB_LINK, OWNER, USERNAME, HOST, CREATED FROM ALL_DB_LINKS ORDER BY OWNER, DB_LINK"},
    {"DBLinks", "User",
     "SELECT DB_LINK, USERNAME, HOST, CREATED FROM USER_DB_LINKS ORDER BY DB_LINK"},
};

TEST(CatalogueQueries, TextsAreSentByteForByte) {
  for (int k = 0; k < kCatalogueQueryCount; ++k) {
    const ExpectedQuery& e = kExpected[k];
    const CatalogueQuery& row = CatalogueQueryTable[k];
    SCOPED_TRACE(e.category + "/" + e.scope);
    EXPECT_EQ(e.category, row.category);
    EXPECT_EQ(e.scope, row.scope);
    EXPECT_EQ(e.query, row.query);
  }
}

TEST(CatalogueQueries, DoubleBlanksAreKept) {
  const std::string proceduresAll = CatalogueQueryTable[7].query;
  const std::string sequensesAll = CatalogueQueryTable[13].query;
  EXPECT_NE(std::string::npos, proceduresAll.find("PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME"));
  EXPECT_NE(std::string::npos, sequensesAll.find("MAX_VALUE,  INCREMENT_BY"));
}

// Every "All" query reads the owner as its second column; "User" and "Users" read one name.
TEST(CatalogueQueries, OwnerColumnOnlyForAllScopes) {
  for (const CatalogueQuery& row : CatalogueQueryTable) {
    const std::string query = row.query;
    const std::string scope = row.scope;
    SCOPED_TRACE(std::string(row.category) + "/" + scope);
    EXPECT_EQ(scope == "All", row.ownerColumn);
    const size_t secondColumn = query.find(", ") + 2;
    const bool ownerSecond = query.compare(secondColumn, 6, "OWNER,") == 0 ||
                             query.compare(secondColumn, 15, "SEQUENCE_OWNER,") == 0;
    EXPECT_EQ(row.ownerColumn, ownerSecond);
  }
}

TEST(CatalogueQueries, EachRowFillsItsOwnScopeNodeWithTheCategoryImage) {
  struct Expected {
    SkeletonNodeId node;
    TreeImage image;
  };
  const Expected expected[kCatalogueQueryCount] = {
      {kTablesAll, kImageTable},           {kTablesUser, kImageTable},
      {kViewsAll, kImageView},             {kViewsUser, kImageView},
      {kUsers, kImageUser},                {kTriggersAll, kImageTrigger},
      {kTriggersUser, kImageTrigger},      {kProceduresAll, kImageProcedure},
      {kProceduresUser, kImageProcedure},  {kIndexesAll, kImageIndex},
      {kIndexesUser, kImageIndex},         {kConstraintsAll, kImageConstraint},
      {kConstraintsUser, kImageConstraint}, {kSequensesAll, kImageSequence},
      {kSequensesUser, kImageSequence},    {kSynonymsAll, kImageSynonym},
      {kSynonymsUser, kImageSynonym},      {kDbLinksAll, kImageDbLink},
      {kDbLinksUser, kImageDbLink},
  };
  for (int k = 0; k < kCatalogueQueryCount; ++k) {
    const CatalogueQuery& row = CatalogueQueryTable[k];
    SCOPED_TRACE(k);
    EXPECT_EQ(expected[k].node, row.scopeNode);
    EXPECT_EQ(expected[k].image, row.objectImage);
    // The node named by the row is the one the dispatch selects it by.
    const SkeletonNode& node = kSchemaSkeleton[row.scopeNode];
    const std::string scope = row.scope;
    EXPECT_EQ(scope.empty() ? row.category : scope, std::string(node.text));
    if (!scope.empty()) {
      EXPECT_STREQ(row.category, kSchemaSkeleton[node.parent].text);
    }
  }
}

struct QueryCase {
  const char* name;
  std::string nodeText;
  std::string expected;
};

TEST(CatalogueQueries, ColumnsQuerySplitsAtTheFirstDotAndDoublesApostrophes) {
  const std::string head = "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = '";
  const QueryCase cases[] = {
      {"owner and name", "SCOTT.EMP", head + "EMP' AND OWNER = 'SCOTT'"},
      {"bare name", "EMP", head + "EMP'"},
      {"dot inside the name", "A.B.C", head + "B.C' AND OWNER = 'A'"},
      {"leading dot: empty owner", ".X", head + "X' AND OWNER = ''"},
      {"trailing dot: empty name", "X.", head + "' AND OWNER = 'X'"},
      {"empty text", "", head + "'"},
      {"apostrophes in owner and name", "O'K.IT'S", head + "IT''S' AND OWNER = 'O''K'"},
      {"apostrophe in a bare name", "'", head + "'''"},
      {"double quote is left alone", "A\"B", head + "A\"B'"},
      {"case kept", "Scott.Emp", head + "Emp' AND OWNER = 'Scott'"},
  };
  for (const QueryCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ColumnsQuery(c.nodeText));
  }
}

TEST(CatalogueQueries, ViewDataQueryQuotesIdentifiers) {
  const QueryCase underAll[] = {
      {"owner and name", "SCOTT.EMP", "SELECT * FROM \"SCOTT\".\"EMP\""},
      {"dot inside the name", "A.B.C", "SELECT * FROM \"A\".\"B.C\""},
      {"no owner", "EMP", "SELECT * FROM \"EMP\""},
      {"mixed case and blanks", "Sales Dept.My Table", "SELECT * FROM \"Sales Dept\".\"My Table\""},
      {"double quotes doubled", "A\"B.C\"D", "SELECT * FROM \"A\"\"B\".\"C\"\"D\""},
      {"apostrophe left alone", "O'K.T", "SELECT * FROM \"O'K\".\"T\""},
  };
  for (const QueryCase& c : underAll) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ViewDataQuery(c.nodeText, true));
  }
  const QueryCase underUser[] = {
      {"bare name", "EMP", "SELECT * FROM \"EMP\""},
      {"dot is part of the name", "A.B", "SELECT * FROM \"A.B\""},
      {"double quote doubled", "X\"", "SELECT * FROM \"X\"\"\""},
  };
  for (const QueryCase& c : underUser) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ViewDataQuery(c.nodeText, false));
  }
}

}  // namespace
