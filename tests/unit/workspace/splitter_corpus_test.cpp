// Excerpts of public Oracle scripts, condensed, and what a DBA would send of each: the
// statements (summed up by their first and last lines of code) and how many SQL*Plus commands
// are skipped. Each runs with LF and with CR LF line ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptSplitter.h"

namespace {

// Adapted from oracle-samples/db-sample-schemas, human_resources/hr_install.sql (MIT):
// remarks with apostrophes, client settings, a password prompt, blocks, GRANT CREATE ...
const char kSampleSchemaInstall[] = R"sql(rem
rem NAME
rem   hr_install.sql - Main installation script for HR schema creation
rem   if the user doesn't want to overwrite it, the log stays in 'hr_install.log'
rem --------------------------------------------------------------------------

SET ECHO OFF
SET VERIFY OFF

-- Exit setup script on any error
WHENEVER SQLERROR EXIT SQL.SQLCODE

PROMPT
PROMPT The entire installation will be logged into the 'hr_install.log' log file.

SPOOL hr_install.log

ACCEPT pass PROMPT 'Enter a password for the user HR: ' HIDE

BEGIN
   IF '&pass' IS NULL THEN
      RAISE_APPLICATION_ERROR(-20999, 'Error: the HR password is mandatory!');
   END IF;
END;
/

COLUMN property_value NEW_VALUE var_default_tablespace NOPRINT
SELECT property_value FROM database_properties WHERE property_name = 'DEFAULT_PERMANENT_TABLESPACE';

SET SERVEROUTPUT ON;
DECLARE
   v_user_exists   all_users.username%TYPE;
BEGIN
   SELECT MAX(username) INTO v_user_exists FROM all_users WHERE username = 'HR';
   -- or raise error if the user doesn't want to overwrite it
   IF v_user_exists IS NOT NULL THEN
      EXECUTE IMMEDIATE 'DROP USER HR CASCADE';
   END IF;
END;
/
SET SERVEROUTPUT OFF;

CREATE USER hr IDENTIFIED BY "&pass"
               DEFAULT TABLESPACE &tbs
               QUOTA UNLIMITED ON &tbs;

GRANT CREATE MATERIALIZED VIEW,
      CREATE PROCEDURE,
      CREATE SESSION,
      CREATE TRIGGER,
      CREATE TYPE,
      CREATE VIEW
  TO hr;

ALTER SESSION SET CURRENT_SCHEMA=HR;

@@hr_create.sql

SELECT 'Verification:' AS "Installation verification" FROM dual;

rem the SELECT '' FROM DUAL statements serve to print new lines
SELECT 'The installation of the sample schema is now finished.'  AS "Thank you!"
   FROM dual
UNION ALL
SELECT '' AS "Thank you!"
   FROM dual;

rem stop writing to the log file
spool off

rem Use 'exit' and not 'disconnect' to keep behavior the same for when errors occur.
exit
)sql";

// Adapted from oracle-samples/db-sample-schemas, human_resources/hr_code.sql (MIT): a
// procedure and triggers ended by "/", between remarks and client settings.
const char kSampleSchemaCode[] = R"sql(rem
rem NAME
rem   hr_code.sql - Create procedural objects for HR schema
rem --------------------------------------------------------------------------

SET FEEDBACK 1
SET NUMWIDTH 10
SET ECHO OFF

REM **************************************************************************

REM procedure and statement trigger to allow dmls during business hours:
CREATE OR REPLACE PROCEDURE secure_dml
IS
BEGIN
  IF TO_CHAR (SYSDATE, 'HH24:MI') NOT BETWEEN '08:00' AND '18:00'
        OR TO_CHAR (SYSDATE, 'DY') IN ('SAT', 'SUN') THEN
	RAISE_APPLICATION_ERROR (-20205,
		'You may only make changes during normal office hours');
  END IF;
END secure_dml;
/

CREATE OR REPLACE TRIGGER secure_employees
  BEFORE INSERT OR UPDATE OR DELETE ON employees
BEGIN
  secure_dml;
END secure_employees;
/

ALTER TRIGGER secure_employees DISABLE;

CREATE OR REPLACE TRIGGER update_job_history
  AFTER UPDATE OF job_id, department_id ON employees
  FOR EACH ROW
BEGIN
  add_job_history(:old.employee_id, :old.hire_date, sysdate,
                  :old.job_id, :old.department_id);
END;
/

COMMIT;
)sql";

// Adapted from utPLSQL/utPLSQL, source/create_utplsql_owner.sql and
// source/install_component.sql (Apache 2.0): a license in a block comment, substitution
// variables, and EXEC lines.
const char kLibraryInstall[] = R"sql(/*
  utPLSQL - Version 3
  Licensed under the Apache License, Version 2.0 (the "License"):
  you may not use this file except in compliance with the License.
*/
whenever sqlerror exit failure rollback
whenever oserror exit failure rollback
set echo off
set verify off

define ut3_owner_schema = &1
define ut3_password     = &2

prompt Creating utPLSQL user &&ut3_owner_schema

create user &ut3_owner_schema identified by "&ut3_password" quota unlimited on users;

grant create session, create sequence, create procedure, create type, create table, create view, create synonym to &ut3_owner_schema;

grant execute on dbms_lock to &ut3_owner_schema;

exec dbms_output.put_line('Installing component '||upper(regexp_substr('&&1','\/(\w*)\.',1,1,'i',1)));
@@&&1
show errors
exec dbms_output.put_line('&&line_separator');
)sql";

// In the layout of the DDL exports in vanBasten/docker-oracle-apex-ords
// (app/ORACLE/30_PRG/SPEC/PLAN_UTILS.sql) and ginnisingh98/Views-Tables
// (PACKAGES/CSM_DEBRIEF_LABOR_PKG.sql): dashed comment banners, EDITIONABLE units whose "/"
// follows a blank line, quoted names, an INSERT with a doubled apostrophe.
const char kDdlExport[] = R"sql(--------------------------------------------------------
--  File created - Thursday-February-24-2022
--------------------------------------------------------
--------------------------------------------------------
--  DDL for Table CLIENT
--------------------------------------------------------

  CREATE TABLE "CLIENT"
   (	"ID" NUMBER,
	"NAME" VARCHAR2(200 BYTE),
	"STATUS" VARCHAR2(20 BYTE) DEFAULT 'ACTIVE'
   ) ;
REM INSERTING into CLIENT
SET DEFINE OFF;
Insert into CLIENT (ID,NAME,STATUS) values ('1','O''Brien; Kate','ACTIVE');
--------------------------------------------------------
--  DDL for Package CLIENT_PKG
--------------------------------------------------------

  CREATE OR REPLACE EDITIONABLE PACKAGE "CLIENT_PKG" as

function delete_client(c_id number) return varchar2;

function get_clients return clob;

end client_pkg;

/
--------------------------------------------------------
--  DDL for Package Body CLIENT_PKG
--------------------------------------------------------

  CREATE OR REPLACE EDITIONABLE PACKAGE BODY "CLIENT_PKG" as

function delete_client(c_id number) return varchar2 is
    v_succ varchar2(10) := '0';
begin
    update client set status = 'DELETED' where id = c_id;
    commit;
    return v_succ;
exception
    when others then
        return 'Unexpected error! - '||SQLCODE;
end delete_client;

function get_clients return clob is
    v_json clob;
begin
    SELECT JSON_ARRAYAGG(JSON_OBJECT(KEY 'id' VALUE id, KEY 'name' VALUE name) FORMAT JSON RETURNING CLOB)
      into v_json FROM client where status != 'DELETED';
    return v_json;
end get_clients;

end client_pkg;

/
--------------------------------------------------------
--  Constraints for Table CLIENT
--------------------------------------------------------

  ALTER TABLE "CLIENT" MODIFY ("ID" NOT NULL ENABLE);
)sql";

// Written here to join, in one migration, the constructs the scripts above use apart and
// the 12c ones they lack: q-quotes, a doubled "/" and ";;", Java source, WITH FUNCTION.
const char kMigration[] = R"sql(/* V7__customer_notes.sql: notes on customers; don't re-run by hand */
ALTER SESSION SET ddl_lock_timeout = 30
/
CREATE TABLE customer_notes (
  id    NUMBER GENERATED ALWAYS AS IDENTITY,
  note  VARCHAR2(4000) CHECK (note <> q'[n/a]')
);
/
COMMENT ON TABLE customer_notes IS q'{Free text; the "notes" tab's data}';
INSERT INTO customer_notes (note) VALUES (q'!It's done; ship it!');;
MERGE INTO customer_notes n
USING (SELECT 1 id, 'x' note FROM dual) s ON (n.id = s.id)
WHEN NOT MATCHED THEN INSERT (note) VALUES (s.note);
CREATE OR REPLACE NONEDITIONABLE TRIGGER customer_notes_bi
BEFORE INSERT ON customer_notes FOR EACH ROW
BEGIN
  :new.note := TRIM(:new.note); -- strip; don't keep blanks
END;
/
CREATE OR REPLACE AND COMPILE JAVA SOURCE NAMED "NoteFormatter" AS
public class NoteFormatter {
  // don't let Java's apostrophes or "quotes;" confuse anyone
  public static String format(String s) { return s.trim(); }
}
/
WITH FUNCTION initials(p VARCHAR2) RETURN VARCHAR2 IS
BEGIN
  RETURN SUBSTR(p, 1, 1);
END;
SELECT initials(note) FROM customer_notes
/
GRANT SELECT, INSERT ON customer_notes TO app_role;
COMMIT;
)sql";

struct CorpusCase {
  const char* name;
  std::string script;
  std::vector<std::string> statements;  // first line of code ... last line
  int skipped;
};

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t\r");
  return first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
}

// The statement's first line that is neither blank nor a comment, and its last line.
std::string Summary(const std::string& statement) {
  std::vector<std::string> lines;
  for (size_t at = 0; at <= statement.size();) {
    const size_t lineFeed = std::min(statement.find('\n', at), statement.size());
    lines.push_back(Trimmed(statement.substr(at, lineFeed - at)));
    at = lineFeed + 1;
  }
  size_t first = 0;
  while (first + 1 < lines.size() &&
         (lines[first].empty() || lines[first].rfind("--", 0) == 0 || lines[first].rfind("/*", 0) == 0)) {
    ++first;
  }
  return first + 1 == lines.size() ? lines[first] : lines[first] + " ... " + lines.back();
}

std::string WithCrLf(const std::string& text) {
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
}

TEST(SplitterCorpus, PublicScriptsSplitAsADbaWouldSendThem) {
  const CorpusCase cases[] = {
      {"sample schema install",
       kSampleSchemaInstall,
       {"BEGIN ... END;",
        "SELECT property_value FROM database_properties WHERE property_name = 'DEFAULT_PERMANENT_TABLESPACE'",
        "DECLARE ... END;", "CREATE USER hr IDENTIFIED BY \"&pass\" ... QUOTA UNLIMITED ON &tbs",
        "GRANT CREATE MATERIALIZED VIEW, ... TO hr", "ALTER SESSION SET CURRENT_SCHEMA=HR",
        "SELECT 'Verification:' AS \"Installation verification\" FROM dual",
        "SELECT 'The installation of the sample schema is now finished.'  AS \"Thank you!\" ... FROM dual"},
       21},
      {"sample schema code",
       kSampleSchemaCode,
       {"CREATE OR REPLACE PROCEDURE secure_dml ... END secure_dml;",
        "CREATE OR REPLACE TRIGGER secure_employees ... END secure_employees;",
        "ALTER TRIGGER secure_employees DISABLE", "CREATE OR REPLACE TRIGGER update_job_history ... END;", "COMMIT"},
       9},
      {"PL/SQL library install",
       kLibraryInstall,
       {"create user &ut3_owner_schema identified by \"&ut3_password\" quota unlimited on users",
        "grant create session, create sequence, create procedure, create type, create table, create view, create "
        "synonym to &ut3_owner_schema",
        "grant execute on dbms_lock to &ut3_owner_schema",
        "BEGIN dbms_output.put_line('Installing component '||upper(regexp_substr('&&1','\\/(\\w*)\\.',1,1,'i',1))); "
        "END;",
        "BEGIN dbms_output.put_line('&&line_separator'); END;"},
       9},
      {"DDL export with EDITIONABLE units",
       kDdlExport,
       {"CREATE TABLE \"CLIENT\" ... )", "Insert into CLIENT (ID,NAME,STATUS) values ('1','O''Brien; Kate','ACTIVE')",
        "CREATE OR REPLACE EDITIONABLE PACKAGE \"CLIENT_PKG\" as ... end client_pkg;",
        "CREATE OR REPLACE EDITIONABLE PACKAGE BODY \"CLIENT_PKG\" as ... end client_pkg;",
        "ALTER TABLE \"CLIENT\" MODIFY (\"ID\" NOT NULL ENABLE)"},
       2},
      {"migration",
       kMigration,
       {"ALTER SESSION SET ddl_lock_timeout = 30", "CREATE TABLE customer_notes ( ... )",
        "COMMENT ON TABLE customer_notes IS q'{Free text; the \"notes\" tab's data}'",
        "INSERT INTO customer_notes (note) VALUES (q'!It's done; ship it!')",
        "MERGE INTO customer_notes n ... WHEN NOT MATCHED THEN INSERT (note) VALUES (s.note)",
        "CREATE OR REPLACE NONEDITIONABLE TRIGGER customer_notes_bi ... END;",
        "CREATE OR REPLACE AND COMPILE JAVA SOURCE NAMED \"NoteFormatter\" AS ... }",
        "WITH FUNCTION initials(p VARCHAR2) RETURN VARCHAR2 IS ... SELECT initials(note) FROM customer_notes",
        "GRANT SELECT, INSERT ON customer_notes TO app_role", "COMMIT"},
       0},
  };
  for (const CorpusCase& c : cases) {
    for (const std::string& script : {c.script, WithCrLf(c.script)}) {
      SCOPED_TRACE(std::string(c.name) + (script == c.script ? "" : ", CR LF"));
      std::vector<SplitStatement> found;
      int skipped = 0;
      SplitStatements(script, ";", "/", found, skipped);
      std::vector<std::string> summaries;
      for (const SplitStatement& s : found) summaries.push_back(Summary(s.text));
      EXPECT_EQ(c.statements, summaries);
      EXPECT_EQ(c.skipped, skipped);
    }
  }
}

}  // namespace
