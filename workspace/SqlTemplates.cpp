#include "SqlTemplates.h"

#include "res/resource.h"

const SqlTemplate kSqlTemplates[kSqlTemplateCount] = {
    {ID_SQL_SELECT, "-- Comment: select from a table",
     "SELECT column1, column2 FROM tablename WHERE column1 > 0 order by column2"},
    {ID_SQL_SELECT_COUNT, "-- Comment: select count(*) from a table", "SELECT COUNT(*) FROM tablename"},
    {ID_SQL_SELECT_VERSION, "-- Comment: select oracle version", "SELECT * FROM V$VERSION"},
    {ID_SQL_SELECT_TABLES, "-- Comment: select oracle tables",
     "SELECT * FROM ALL_TABLES WHERE TABLE_NAME = 'TABLENAME'"},
    {ID_SQL_SELECT_COLUMNS, "-- Comment: select oracle columns",
     "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'TABLENAME'"},
    {ID_SQL_INSERT, "-- Comment: insert into table", "INSERT INTO tablename VALUES(1, 'data')"},
    {ID_SQL_UPDATE, "-- Comment: update a table", "UPDATE tablename SET column2 = 'datax' where column1 = 1"},
    {ID_SQL_DELETE, "-- Comment: delete from table", "DELETE FROM tablename WHERE column1 = 1"},
    {ID_SQL_CREATE_TABLE, "-- Comment: create table",
     "CREATE TABLE tablename (column1 NUMBER NOT NULL, column2 VARCHAR2(32) NOT NULL)"},
    {ID_SQL_DROP_TABLE, "-- Comment: drop table", "DROP TABLE tablename"},
    {ID_SQL_COMMIT, "-- Comment: Commit transaction", "COMMIT"},
    {ID_SQL_ROLLBACK, "-- Comment: Rollback transaction", "ROLLBACK"},
};

const char* const kTemplateReadyMessage = "Ready to execute!";

const SqlTemplate* FindSqlTemplate(int commandId) {
  for (const SqlTemplate& candidate : kSqlTemplates) {
    if (candidate.commandId == commandId) return &candidate;
  }
  return nullptr;
}

std::string AppendTemplate(const std::string& sqlText, const SqlTemplate& sqlTemplate,
                           const std::string& sqlSeparator) {
  return sqlText + "\r\n" + sqlTemplate.commentLine + "\r\n" + sqlTemplate.statement + sqlSeparator + "\r\n";
}
