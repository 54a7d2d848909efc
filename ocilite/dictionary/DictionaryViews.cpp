#include "dictionary/DictionaryViews.h"

namespace ocilite {

namespace {

// One family of views. DBA_<suffix> has `columns` and is the UNION ALL of `perSchema` over
// every schema (%S stands for the schema), or is `fromDictionary`. ALL_ keeps what the
// user may see, USER_ what the user owns, without the owner column.
struct ViewFamily {
  const char* suffix;
  const char* ownerColumn;
  const char* columns;
  const char* perSchema;
  const char* fromDictionary;
};

// %O: the schema's objects as t; %U: the condition that leaves out SQLite's own.
const char kObjects[] = "\"%S\".sqlite_schema t";
const char kUserObjects[] = "t.name NOT LIKE 'sqlite!_%' ESCAPE '!' AND ";

const ViewFamily kFamilies[] = {
    {"TABLES", "OWNER",
     "OWNER, TABLE_NAME, TABLESPACE_NAME, CLUSTER_NAME, IOT_NAME, STATUS, PCT_FREE, NUM_ROWS, BLOCKS, "
     "AVG_ROW_LEN, TABLE_LOCK, BACKED_UP, LOGGING, SAMPLE_SIZE, LAST_ANALYZED, PARTITIONED, TEMPORARY, NESTED",
     "SELECT '%S', t.name, 'USERS', NULL, NULL, 'VALID', 10, NULL, NULL, NULL, 'ENABLED', 'N', 'YES', NULL, "
     "NULL, 'NO', 'N', 'NO' FROM %O WHERE %U t.type = 'table'",
     nullptr},
    {"VIEWS", "OWNER", "OWNER, VIEW_NAME, TEXT_LENGTH, TEXT, TYPE_TEXT, VIEW_TYPE_OWNER, VIEW_TYPE, SUPERVIEW_NAME",
     "SELECT '%S', t.name, length(ZQ_VIEW_TEXT(t.sql)), ZQ_VIEW_TEXT(t.sql), NULL, NULL, NULL, NULL "
     "FROM %O WHERE %U t.type = 'view'",
     nullptr},
    {"INDEXES", "OWNER",
     "OWNER, INDEX_NAME, INDEX_TYPE, TABLE_OWNER, TABLE_NAME, TABLE_TYPE, UNIQUENESS, COMPRESSION, "
     "PREFIX_LENGTH, TABLESPACE_NAME, LOGGING, DISTINCT_KEYS, STATUS, NUM_ROWS, SAMPLE_SIZE, LAST_ANALYZED, "
     "PARTITIONED, TEMPORARY, SECONDARY",
     "SELECT '%S', ZQ_INDEX_NAME(t.sql, t.name, i.name), 'NORMAL', '%S', t.name, 'TABLE', CASE i.\"unique\" WHEN 1 "
     "THEN 'UNIQUE' ELSE 'NONUNIQUE' "
     "END, 'DISABLED', NULL, 'USERS', 'YES', NULL, 'VALID', NULL, NULL, NULL, 'NO', 'N', 'N' "
     "FROM %O, pragma_index_list(t.name, '%S') i WHERE %U t.type = 'table'",
     nullptr},
    {"CONSTRAINTS", "OWNER",
     "OWNER, CONSTRAINT_NAME, CONSTRAINT_TYPE, TABLE_NAME, SEARCH_CONDITION, R_OWNER, R_CONSTRAINT_NAME, "
     "DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, VALIDATED, GENERATED, BAD, RELY, LAST_CHANGE, INDEX_OWNER, "
     "INDEX_NAME, INVALID, VIEW_RELATED",
     // Named as created: every constraint's name is in its table's CREATE TABLE text.
     "SELECT '%S', j.value ->> 'n', j.value ->> 't', t.name, nullif(j.value ->> 's', ''), "
     "CASE j.value ->> 't' WHEN 'R' THEN '%S' END, CASE j.value ->> 't' WHEN 'R' THEN (SELECT k.value ->> 'n' "
     "FROM \"%S\".sqlite_schema p, json_each(ZQ_CONSTRAINTS(p.sql)) k WHERE p.type = 'table' "
     "AND p.name = j.value ->> 'r' AND k.value ->> 't' = 'P') END, nullif(j.value ->> 'd', ''), 'ENABLED', "
     "'NOT DEFERRABLE', 'IMMEDIATE', 'VALIDATED', CASE WHEN j.value ->> 'n' LIKE 'SYS!_C%' ESCAPE '!' "
     "THEN 'GENERATED NAME' ELSE 'USER NAME' END, NULL, NULL, NULL, "
     "CASE WHEN j.value ->> 't' IN ('P', 'U') THEN '%S' END, "
     "CASE WHEN j.value ->> 't' IN ('P', 'U') THEN j.value ->> 'n' END, NULL, NULL "
     "FROM %O, json_each(ZQ_CONSTRAINTS(t.sql)) j WHERE %U t.type = 'table' AND j.value ->> 'n' <> ''",
     nullptr},
    {"TAB_COLUMNS", "OWNER",
     "OWNER, TABLE_NAME, COLUMN_NAME, DATA_TYPE, DATA_TYPE_MOD, DATA_TYPE_OWNER, DATA_LENGTH, DATA_PRECISION, "
     "DATA_SCALE, NULLABLE, COLUMN_ID, DEFAULT_LENGTH, DATA_DEFAULT, NUM_DISTINCT, LOW_VALUE, HIGH_VALUE, DENSITY, "
     "NUM_NULLS, NUM_BUCKETS, LAST_ANALYZED, SAMPLE_SIZE, CHARACTER_SET_NAME, CHAR_COL_DECL_LENGTH, GLOBAL_STATS, "
     "USER_STATS, AVG_COL_LEN",
     "SELECT '%S', t.name, c.name, ZQ_TYPE_NAME(c.type), NULL, NULL, ZQ_TYPE_LENGTH(c.type), "
     "ZQ_TYPE_PRECISION(c.type), ZQ_TYPE_SCALE(c.type), CASE WHEN c.\"notnull\" OR c.pk THEN 'N' ELSE 'Y' END, "
     "c.cid + 1, length(c.dflt_value), c.dflt_value, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
     "'NO', 'NO', NULL FROM %O, pragma_table_info(t.name, '%S') c WHERE %U t.type IN ('table', 'view')",
     nullptr},
    {"OBJECTS", "OWNER",
     "OWNER, OBJECT_NAME, SUBOBJECT_NAME, OBJECT_ID, DATA_OBJECT_ID, OBJECT_TYPE, CREATED, LAST_DDL_TIME, "
     "TIMESTAMP, STATUS, TEMPORARY, GENERATED, SECONDARY",
     "SELECT '%S', t.name, NULL, NULL, NULL, upper(t.type), NULL, NULL, NULL, 'VALID', 'N', 'N', 'N' FROM %O "
     "WHERE %U t.type IN ('table', 'view', 'index') "
     "UNION ALL SELECT OWNER, NAME, NULL, NULL, NULL, TYPE, CREATED, CREATED, NULL, 'VALID', 'N', 'N', 'N' "
     "FROM main.ZQ$UNITS WHERE OWNER = '%S' "
     "UNION ALL SELECT OWNER, NAME, NULL, NULL, NULL, 'SEQUENCE', NULL, NULL, NULL, 'VALID', 'N', 'N', 'N' "
     "FROM main.ZQ$SEQUENCES WHERE OWNER = '%S' "
     "UNION ALL SELECT OWNER, NAME, NULL, NULL, NULL, 'SYNONYM', NULL, NULL, NULL, 'VALID', 'N', 'N', 'N' "
     "FROM main.ZQ$SYNONYMS WHERE OWNER = '%S' "
     "UNION ALL SELECT '%S', ZQ_INDEX_NAME(t.sql, t.name, i.name), NULL, NULL, NULL, 'INDEX', NULL, NULL, NULL, "
     "'VALID', 'N', 'N', 'N' FROM %O, pragma_index_list(t.name, '%S') i WHERE %U t.type = 'table' "
     "AND i.origin <> 'c'",
     nullptr},
    {"IND_COLUMNS", "INDEX_OWNER",
     "INDEX_OWNER, INDEX_NAME, TABLE_OWNER, TABLE_NAME, COLUMN_NAME, COLUMN_POSITION, COLUMN_LENGTH, DESCEND",
     "SELECT '%S', ZQ_INDEX_NAME(t.sql, t.name, i.name), '%S', t.name, c.name, c.seqno + 1, NULL, 'ASC' "
     "FROM %O, pragma_index_list(t.name, '%S') i, pragma_index_info(i.name, '%S') c WHERE %U t.type = 'table'",
     nullptr},
    {"CONS_COLUMNS", "OWNER", "OWNER, CONSTRAINT_NAME, TABLE_NAME, COLUMN_NAME, POSITION",
     "SELECT '%S', j.value ->> 'n', t.name, c.value, c.key + 1 "
     "FROM %O, json_each(ZQ_CONSTRAINTS(t.sql)) j, json_each(j.value -> 'c') c "
     "WHERE %U t.type = 'table' AND j.value ->> 'n' <> ''",
     nullptr},
    {"SOURCE", "OWNER", "OWNER, NAME, TYPE, LINE, TEXT", nullptr,
     // A recorded unit's text, one row a line, each line with its line end.
     "WITH RECURSIVE L (OWNER, NAME, TYPE, LINE, TEXT, REST) AS (SELECT OWNER, NAME, TYPE, 0, NULL, TEXT "
     "FROM main.ZQ$UNITS UNION ALL SELECT OWNER, NAME, TYPE, LINE + 1, CASE WHEN instr(REST, char(10)) > 0 "
     "THEN substr(REST, 1, instr(REST, char(10))) ELSE REST END, CASE WHEN instr(REST, char(10)) > 0 "
     "THEN substr(REST, instr(REST, char(10)) + 1) ELSE '' END FROM L WHERE REST <> '') "
     "SELECT OWNER, NAME, TYPE, LINE, TEXT FROM L WHERE LINE > 0"},
    {"SEQUENCES", "SEQUENCE_OWNER",
     "SEQUENCE_OWNER, SEQUENCE_NAME, MIN_VALUE, MAX_VALUE, INCREMENT_BY, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE, "
     "LAST_NUMBER",
     nullptr,
     "SELECT OWNER, NAME, MIN_VALUE, MAX_VALUE, INCREMENT_BY, CYCLE_FLAG, ORDER_FLAG, CACHE_SIZE, LAST_NUMBER "
     "FROM main.ZQ$SEQUENCES"},
    {"SYNONYMS", "OWNER", "OWNER, SYNONYM_NAME, TABLE_OWNER, TABLE_NAME, DB_LINK", nullptr,
     "SELECT OWNER, NAME, TABLE_OWNER, TABLE_NAME, DB_LINK FROM main.ZQ$SYNONYMS"},
    {"DB_LINKS", "OWNER", "OWNER, DB_LINK, USERNAME, HOST, CREATED", nullptr,
     "SELECT OWNER, DB_LINK, USERNAME, HOST, CREATED FROM main.ZQ$DB_LINKS"},
    {"PROCEDURES", "OWNER",
     "OWNER, OBJECT_NAME, PROCEDURE_NAME, AGGREGATE, PIPELINED, IMPLTYPEOWNER, IMPLTYPENAME, PARALLEL, "
     "INTERFACE, DETERMINISTIC, AUTHID",
     nullptr,
     // A stand-alone unit names itself as its procedure, so the schema tree has a name to show.
     "SELECT OWNER, NAME, NAME, 'NO', 'NO', NULL, NULL, 'NO', 'NO', 'NO', 'DEFINER' FROM main.ZQ$UNITS "
     "WHERE TYPE IN ('PROCEDURE', 'FUNCTION', 'PACKAGE', 'TYPE')"},
    {"TRIGGERS", "OWNER",
     "OWNER, TRIGGER_NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, BASE_OBJECT_TYPE, TABLE_NAME, "
     "COLUMN_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, DESCRIPTION, ACTION_TYPE, TRIGGER_BODY",
     nullptr,
     "SELECT OWNER, NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, 'TABLE', TABLE_NAME, NULL, "
     "'REFERENCING NEW AS NEW OLD AS OLD', WHEN_CLAUSE, 'ENABLED', DESCRIPTION, 'PL/SQL', TEXT "
     "FROM main.ZQ$UNITS WHERE TYPE = 'TRIGGER'"},
    {"USERS", "USERNAME",
     "USERNAME, USER_ID, PASSWORD, ACCOUNT_STATUS, LOCK_DATE, EXPIRY_DATE, DEFAULT_TABLESPACE, "
     "TEMPORARY_TABLESPACE, CREATED, PROFILE, INITIAL_RSRC_CONSUMER_GROUP, EXTERNAL_NAME",
     nullptr,
     "SELECT USERNAME, USER_ID, NULL, ACCOUNT_STATUS, LOCK_DATE, EXPIRY_DATE, DEFAULT_TABLESPACE, "
     "TEMPORARY_TABLESPACE, CREATED, PROFILE, 'DEFAULT_CONSUMER_GROUP', EXTERNAL_NAME FROM main.ZQ$USERS"},
};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string DbaBody(const ViewFamily& family, const std::vector<std::string>& schemas) {
  if (family.fromDictionary) return family.fromDictionary;
  std::string branches = family.perSchema;
  ReplaceAll(branches, "%O", kObjects);
  ReplaceAll(branches, "%U", kUserObjects);
  std::string body;
  for (const std::string& schema : schemas) {
    std::string branch = branches;
    ReplaceAll(branch, "%S", schema);
    body += (body.empty() ? "" : " UNION ALL ") + branch;
  }
  return body;
}

std::string WithoutColumn(const std::string& columns, const std::string& column) {
  std::string list;
  size_t from = 0;
  while (from < columns.size()) {
    size_t end = columns.find(", ", from);
    std::string name = columns.substr(from, end == std::string::npos ? std::string::npos : end - from);
    if (name != column) list += (list.empty() ? "" : ", ") + name;
    from = end == std::string::npos ? columns.size() : end + 2;
  }
  return list;
}

// Every name quoted: some (DEFERRABLE) are keywords to SQLite.
std::string Quoted(const std::string& columns) {
  std::string list = "\"" + columns + "\"";
  ReplaceAll(list, ", ", "\", \"");
  return list;
}

}  // namespace

std::vector<std::string> DictionaryViewStatements(const std::vector<std::string>& schemas) {
  std::vector<std::string> statements;
  for (const ViewFamily& family : kFamilies) {
    std::string suffix = family.suffix;
    std::string owner = family.ownerColumn;
    statements.push_back("CREATE TEMP VIEW DBA_" + suffix + " (" + Quoted(family.columns) + ") AS " +
                         DbaBody(family, schemas));
    std::string visible = suffix == "USERS" ? "1 = 1" : owner + " IN (ZQ_USER(), 'PUBLIC') OR ZQ_IS_DBA() = 1";
    statements.push_back("CREATE TEMP VIEW ALL_" + suffix + " AS SELECT * FROM DBA_" + suffix + " WHERE " + visible);
    statements.push_back("CREATE TEMP VIEW USER_" + suffix + " AS SELECT " +
                         Quoted(WithoutColumn(family.columns, owner)) + " FROM DBA_" + suffix + " WHERE " + owner +
                         " = ZQ_USER()");
  }
  statements.push_back(
      "CREATE TEMP VIEW TAB (TNAME, TABTYPE, CLUSTERID) AS SELECT OBJECT_NAME, OBJECT_TYPE, NULL "
      "FROM USER_OBJECTS WHERE OBJECT_TYPE IN ('TABLE', 'VIEW', 'SYNONYM')");
  return statements;
}

}  // namespace ocilite
