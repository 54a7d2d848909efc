#include "SqlTemplates.h"

const SqlTemplate kSqlTemplates[kSqlTemplateCount] = {
    {32780, "Se&lect", "Copy Select statement to editor", "Select",
     "-- Comment: select from a table",
     "SELECT column1, column2 FROM tablename WHERE column1 > 0 order by column2"},
    {32815, "Select cou&nt", "Copy Select count(*) to editor", "Select count",
     "-- Comment: select count(*) from a table", "SELECT COUNT(*) FROM tablename"},
    {32808, "Select &version", "Copy Select version to editor", "Select version",
     "-- Comment: select oracle version", "SELECT * FROM V$VERSION"},
    {32809, "Select all &tables", "Copy Select tables to editor", "Select tables",
     "-- Comment: select oracle tables",
     "SELECT * FROM ALL_TABLES WHERE TABLE_NAME = 'TABLENAME'"},
    {32810, "Select all &columns", "Copy Select  columns to editor", "Select columns",
     "-- Comment: select oracle columns",
     "SELECT * FROM ALL_TAB_COLUMNS WHERE TABLE_NAME = 'TABLENAME'"},
    {32781, "&Insert", "Copy Insert statement to editor", "Insert",
     "-- Comment: insert into table", "INSERT INTO tablename VALUES(1, 'data')"},
    {32816, "&Update", "Copy Update statement to editor", "Update",
     "-- Comment: update a table", "UPDATE tablename SET column2 = 'datax' where column1 = 1"},
    {32782, "&Delete", "Copy Delete statement to editor", "Delete",
     "-- Comment: delete from table", "DELETE FROM tablename WHERE column1 = 1"},
    {32783, "Create &table", "Copy Create table statement to editor", "Create table",
     "-- Comment: create table",
     "CREATE TABLE tablename (column1 NUMBER NOT NULL, column2 VARCHAR2(32) NOT NULL)"},
    {32784, "Drop t&able", "Copy Drop table statement to editor", "Drop table",
     "-- Comment: drop table", "DROP TABLE tablename"},
    {32812, "&Commit", "Copy Commit statement to editor", "Commit",
     "-- Comment: Commit transaction", "COMMIT"},
    {32814, "&Rollback", "Copy Rollback statement to editor", "Rollback",
     "-- Comment: Rollback transaction", "ROLLBACK"},
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
  return sqlText + "\r\n" + sqlTemplate.commentLine + "\r\n" + sqlTemplate.statement +
         sqlSeparator + "\r\n";
}
