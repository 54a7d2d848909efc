#include "SqlTemplates.h"

const SqlTemplate kSqlTemplates[kSqlTemplateCount] = {
    {32780, "-- Comment: select from a table",
     "SELECT column1, column2 FROM tablename WHERE column1 > 0 order by column2"},
    {32815, "-- Comment: select count(*) from a table", "SELECT COUNT(*) FROM tablename"},
    {32808, "-- Comment: select oracle version", "SELECT * FROM V$VERSION"},
    {32809, "-- Comment: select oracle tables", "SELECT * FROM ALL_TABLES WHERE TABLE_NAME = 'TABLENAME'"},
    {32810, "-- Comment: select oracle columns", "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'TABLENAME'"},
    {32781, "-- Comment: insert into table", "INSERT INTO tablename VALUES(1, 'data')"},
    {32816, "-- Comment: update a table", "UPDATE tablename SET column2 = 'datax' where column1 = 1"},
    {32782, "-- Comment: delete from table", "DELETE FROM tablename WHERE column1 = 1"},
    {32783, "-- Comment: create table",
     "CREATE TABLE tablename (column1 NUMBER NOT NULL, column2 VARCHAR2(32) NOT NULL)"},
    {32784, "-- Comment: drop table", "DROP TABLE tablename"},
    {32812, "-- Comment: Commit transaction", "COMMIT"},
    {32814, "-- Comment: Rollback transaction", "ROLLBACK"},
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
