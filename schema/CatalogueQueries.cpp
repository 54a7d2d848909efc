#include "CatalogueQueries.h"

#include "SqlQuoting.h"

const CatalogueQuery CatalogueQueryTable[kCatalogueQueryCount] = {
    {"Tables", "All", true, kImageTable, kTablesAll,
     "SELECT TABLE_NAME, OWNER, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, "
     "BACKED_UP, CLUSTER_NAME, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, "
     "TEMPORARY FROM DBA_TABLES ORDER BY OWNER, TABLE_NAME"},
    {"Tables", "User", false, kImageTable, kTablesUser,
     "SELECT TABLE_NAME, TABLESPACE_NAME, NUM_ROWS, AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, "
     "CLUSTER_NAME, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, "
     "TEMPORARY FROM USER_TABLES ORDER BY TABLE_NAME"},
    {"Views", "All", true, kImageView, kViewsAll,
     "SELECT VIEW_NAME, OWNER, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, "
     "SUPERVIEW_NAME FROM DBA_VIEWS ORDER BY OWNER, VIEW_NAME"},
    {"Views", "User", false, kImageView, kViewsUser,
     "SELECT VIEW_NAME, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, "
     "SUPERVIEW_NAME FROM USER_VIEWS ORDER BY VIEW_NAME"},
    {"Users", "", false, kImageUser, kUsers,
     "SELECT USERNAME, USER_ID, PASSWORD, ACCOUNT_STATUS, LOCK_DATE, EXPIRY_DATE, "
     "DEFAULT_TABLESPACE, EXTERNAL_NAME, TEMPORARY_TABLESPACE, CREATED, PROFILE, "
     "INITIAL_RSRC_CONSUMER_GROUP FROM DBA_USERS ORDER BY USERNAME"},
    {"Triggers", "All", true, kImageTrigger, kTriggersAll,
     "SELECT TRIGGER_NAME, OWNER, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, "
     "BASE_OBJECT_TYPE, TABLE_NAME, COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, "
     "DESCRIPTION, ACTION_TYPE FROM DBA_TRIGGERS ORDER BY OWNER, TRIGGER_NAME"},
    {"Triggers", "User", false, kImageTrigger, kTriggersUser,
     "SELECT TRIGGER_NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, "
     "TABLE_NAME, COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, "
     "ACTION_TYPE FROM USER_TRIGGERS ORDER BY TRIGGER_NAME"},
    {"Procedures", "All", true, kImageProcedure, kProceduresAll,
     "SELECT PROCEDURE_NAME, OWNER, OBJECT_NAME, AUTHID, AGGREGATE, "
     "PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, "
     "INTERFACE,  DETERMINISTIC FROM DBA_PROCEDURES ORDER BY OWNER, PROCEDURE_NAME"},
    {"Procedures", "User", false, kImageProcedure, kProceduresUser,
     "SELECT PROCEDURE_NAME, OBJECT_NAME, AUTHID, AGGREGATE, "
     "PIPELINED,  IMPLTYPEOWNER,  IMPLTYPENAME, PARALLEL, "
     "INTERFACE,  DETERMINISTIC FROM USER_PROCEDURES ORDER BY PROCEDURE_NAME"},
    {"Indexes", "All", true, kImageIndex, kIndexesAll,
     "SELECT INDEX_NAME, OWNER, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, "
     "UNIQUENESS, COMPRESSION, PREFIX_LENGTH, TABLESPACE_NAME,  LOGGING, "
     "DISTINCT_KEYS,  STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, "
     "TEMPORARY, SECONDARY FROM DBA_INDEXES ORDER BY OWNER, INDEX_NAME"},
    {"Indexes", "User", false, kImageIndex, kIndexesUser,
     "SELECT INDEX_NAME, INDEX_TYPE, TABLE_NAME, TABLE_OWNER, TABLE_TYPE, UNIQUENESS, "
     "COMPRESSION, PREFIX_LENGTH, TABLESPACE_NAME, LOGGING, DISTINCT_KEYS, STATUS, "
     "NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, "
     "SECONDARY FROM USER_INDEXES ORDER BY INDEX_NAME"},
    {"Constraints", "All", true, kImageConstraint, kConstraintsAll,
     "SELECT CONSTRAINT_NAME, OWNER, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, "
     "R_CONSTRAINT_NAME, DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, "
     "BAD, RELY, LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, "
     "VIEW_RELATED FROM DBA_CONSTRAINTS ORDER BY OWNER, CONSTRAINT_NAME"},
    {"Constraints", "User", false, kImageConstraint, kConstraintsUser,
     "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE, TABLE_NAME, R_OWNER, R_CONSTRAINT_NAME, "
     "DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, "
     "LAST_CHANGE, INDEX_OWNER, INDEX_NAME, INVALID, "
     "VIEW_RELATED FROM USER_CONSTRAINTS ORDER BY CONSTRAINT_NAME"},
    {"Sequenses", "All", true, kImageSequence, kSequensesAll,
     "SELECT SEQUENCE_NAME, SEQUENCE_OWNER, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, "
     "LAST_NUMBER, CYCLE_FLAG, ORDER_FLAG, "
     "CACHE_SIZE FROM DBA_SEQUENCES ORDER BY SEQUENCE_OWNER, SEQUENCE_NAME"},
    {"Sequenses", "User", false, kImageSequence, kSequensesUser,
     "SELECT SEQUENCE_NAME, MIN_VALUE, MAX_VALUE,  INCREMENT_BY, LAST_NUMBER, CYCLE_FLAG, "
     "ORDER_FLAG, CACHE_SIZE FROM USER_SEQUENCES ORDER BY SEQUENCE_NAME"},
    {"Synonyms", "All", true, kImageSynonym, kSynonymsAll,
     "SELECT SYNONYM_NAME, OWNER, TABLE_NAME, "
     "TABLE_OWNER,  DB_LINK FROM DBA_SYNONYMS ORDER BY OWNER, SYNONYM_NAME"},
    {"Synonyms", "User", false, kImageSynonym, kSynonymsUser,
     "SELECT SYNONYM_NAME, TABLE_NAME, TABLE_OWNER, "
     "DB_LINK FROM USER_SYNONYMS ORDER BY SYNONYM_NAME"},
    {"DBLinks", "All", true, kImageDbLink, kDbLinksAll,
     "SELECT DB_LINK, OWNER, USERNAME, HOST, CREATED FROM ALL_DB_LINKS ORDER BY OWNER, "
     "DB_LINK"},
    {"DBLinks", "User", false, kImageDbLink, kDbLinksUser,
     "SELECT DB_LINK, USERNAME, HOST, CREATED FROM USER_DB_LINKS ORDER BY DB_LINK"},
};

namespace {

struct NodeName {
  bool hasOwner;
  std::string owner;
  std::string name;
};

// Object nodes under "All" read OWNER.NAME; a name may hold dots itself, the owner not.
NodeName SplitAtFirstDot(const std::string& nodeText) {
  const size_t dot = nodeText.find('.');
  if (dot == std::string::npos) return {false, "", nodeText};
  return {true, nodeText.substr(0, dot), nodeText.substr(dot + 1)};
}

}  // namespace

std::string ColumnsQuery(const std::string& nodeText) {
  const NodeName node = SplitAtFirstDot(nodeText);
  std::string query = "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = '" + LiteralContent(node.name);
  if (node.hasOwner) query += "' AND OWNER = '" + LiteralContent(node.owner);
  return query + "'";
}

std::string ViewDataQuery(const std::string& nodeText, bool underAll) {
  const NodeName node = underAll ? SplitAtFirstDot(nodeText) : NodeName{false, "", nodeText};
  std::string query = "SELECT * FROM ";
  if (node.hasOwner) query += QuotedIdentifier(node.owner) + ".";
  return query + QuotedIdentifier(node.name);
}
