#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptSplitter.h"
#include "SplitterProperties.h"

namespace {

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> expected;
  std::string sql = ";";
  std::string plsql = "/";
  int skipped = 0;  // SQL*Plus commands
};

// Also checks the properties of every split (each statement is the text's own bytes at its
// offset, nothing but filler is dropped).
void ExpectSplit(const SplitCase& c) {
  std::vector<SplitStatement> found;
  std::vector<SplitCommand> commands;
  const int count = SplitStatements(c.text, c.sql, c.plsql, found, commands);
  std::vector<std::string> texts;
  for (const SplitStatement& s : found) texts.push_back(s.text);
  EXPECT_EQ(static_cast<int>(found.size()), count);
  EXPECT_EQ(c.expected, texts);
  EXPECT_EQ(c.skipped, static_cast<int>(commands.size()));
  EXPECT_EQ("", CheckOutcome(c.text, found, c.sql, c.plsql, commands));
}

void ExpectSplits(const std::vector<SplitCase>& cases) {
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectSplit(c);
  }
}

std::string WithCrLf(const std::string& text) {
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
}

// The cases are written with LF line ends; each runs once more with CR LF.
void ExpectSplitsWithBothLineEnds(const std::vector<SplitCase>& cases) {
  for (const SplitCase& c : cases) {
    SplitCase crLf = c;
    crLf.text = WithCrLf(c.text);
    for (std::string& statement : crLf.expected) statement = WithCrLf(statement);
    SCOPED_TRACE(c.name);
    ExpectSplit(c);
    SCOPED_TRACE("CR LF");
    ExpectSplit(crLf);
  }
}

const std::string kBlock = "BEGIN\r\nNULL;\r\nEND;";

TEST(ScriptSplitter, StatementsBlocksAndRemainders) {
  ExpectSplits({
      {"no separators: empty text", "", {""}, "", ""},
      {"no separators: text unchanged", "\r\nA;\r\nB;\r\n", {"\r\nA;\r\nB;\r\n"}, "", ""},
      {"blank remainder ignored",
       "SELECT 1 FROM DUAL; SELECT 2 FROM DUAL;",
       {"SELECT 1 FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"remainder trimmed", "\r\nSELECT 1 FROM DUAL\r\n", {"SELECT 1 FROM DUAL"}},
      {"separator inside a literal", "SELECT 'a;b' FROM DUAL;", {"SELECT 'a;b' FROM DUAL"}},
      {"comment line stays with its statement", "-- note; here\r\nSELECT 1;", {"-- note; here\r\nSELECT 1"}},
      {"trailing comment adds nothing", "SELECT 1;\r\n-- the end\r\n", {"SELECT 1"}},
      {"empty statement not sent", "SELECT 1 FROM DUAL; ;", {"SELECT 1 FROM DUAL"}},
      {"blank text", " \r\n ", {}},
      {"tab-only remainder not sent", "SELECT 1;\t", {"SELECT 1"}},
      {"block cut at its slash, END; kept", kBlock + "\r\n/\r\nSELECT 1 FROM DUAL;", {kBlock, "SELECT 1 FROM DUAL"}},
      {"block without slash: trimmed remainder", "A;\r\nBEGIN NULL; END;\r\n", {"A", "BEGIN NULL; END;"}},
      {"package without BEGIN",
       "CREATE OR REPLACE PACKAGE P AS PROCEDURE X; END;\r\n/",
       {"CREATE OR REPLACE PACKAGE P AS PROCEDURE X; END;"}},
      {"block only at a statement's start",
       "SELECT 1\r\nDECLARE X NUMBER; BEGIN NULL; END;\r\n/",
       {"SELECT 1\r\nDECLARE X NUMBER", "BEGIN NULL; END;"}},
      {"block right after a SQL separator", "SELECT 1;BEGIN NULL; END;", {"SELECT 1", "BEGIN NULL; END;"}},
      {"keywords in any case", "begin null; end;\r\n/\r\nselect 1;", {"begin null; end;", "select 1"}},
      {"lower-case PL/SQL separator never matches", kBlock + "\r\ngo\r\nX;", {kBlock + "\r\ngo\r\nX;"}, ";", "go"},
      {"no PL/SQL separator: blocks cut at semicolons", "BEGIN NULL; END;", {"BEGIN NULL", "END"}, ";", ""},
      {"no SQL separator: only blocks cut",
       "A; B;\r\nBEGIN NULL; END;\r\n/\r\nC;",
       {"A; B;\r\nBEGIN NULL; END;", "C;"},
       "",
       "/"},
      {"word SQL separator in any case", "SELECT 1 go SELECT 2 Go", {"SELECT 1", "SELECT 2"}, "GO", "/"},
  });
}

TEST(ScriptSplitter, OffsetsPointAtTheFirstSentByte) {
  std::vector<SplitStatement> found;
  ASSERT_EQ(3, SplitStatements("  A;\r\n  B;\r\nC; ;", ";", "/", found));
  const size_t offsets[] = {2, 8, 12};
  for (size_t k = 0; k < 3; ++k) EXPECT_EQ(offsets[k], found[k].offset) << k;
  std::vector<std::string> texts = {"kept"};
  EXPECT_EQ(2, SplitStatements("A;\r\nBEGIN", ";", "/", texts));
  EXPECT_EQ((std::vector<std::string>{"kept", "A", "BEGIN"}), texts);
}

TEST(SplitterMends, KeywordsAreWholeWords) {
  ExpectSplits({
      {"BEGIN inside a column name",
       "CREATE TABLE T (BEGIN_DATE DATE);\r\nINSERT INTO T VALUES (1);",
       {"CREATE TABLE T (BEGIN_DATE DATE)", "INSERT INTO T VALUES (1)"}},
      {"word ends before BEGIN", "SELECT XBEGIN FROM T;\r\nX;", {"SELECT XBEGIN FROM T", "X"}},
      {"_ $ # and digits continue a word",
       "SELECT MY_DECLARE, BEGIN$, BEGIN#, DECLARE1 FROM T;\r\nX;",
       {"SELECT MY_DECLARE, BEGIN$, BEGIN#, DECLARE1 FROM T", "X"}},
      {"national letter continues a word",
       "SELECT \xC9"
       "BEGIN FROM T;\r\nX;",
       {"SELECT \xC9"
        "BEGIN FROM T",
        "X"}},
      {"CREATED and PACKAGES start nothing",
       "SELECT CREATED FROM T;\r\nCREATE PACKAGES;\r\nX;",
       {"SELECT CREATED FROM T", "CREATE PACKAGES", "X"}},
      {"punctuation ends a word", "X:=1;BEGIN NULL; END;\r\n/", {"X:=1", "BEGIN NULL; END;"}},
  });
}

TEST(SplitterMends, ProgramUnitsAcrossLinesAndOfEveryKind) {
  const std::string twoLines = "CREATE OR REPLACE\r\nPACKAGE P AS\r\n  PROCEDURE X;\r\nEND;";
  const std::string afterTab = "create or replace\tpackage P as\r\n  X number;\r\nend;";
  const std::string trigger =
      "CREATE TRIGGER TR FOR INSERT ON T COMPOUND TRIGGER\r\n  N NUMBER;\r\n"
      "  BEFORE STATEMENT IS BEGIN NULL; END BEFORE STATEMENT;\r\nEND TR;";
  const std::string type = "CREATE OR REPLACE TYPE POINT AS OBJECT (X NUMBER, Y NUMBER);";
  ExpectSplits({
      {"line break before the kind", twoLines + "\r\n/\r\nX;", {twoLines, "X"}},
      {"tab before the kind", afterTab + "\r\n/", {afterTab}},
      {"TRIGGER", trigger + "\r\n/\r\nX;", {trigger, "X"}},
      {"TYPE", type + "\r\n/\r\nX;", {type, "X"}},
      {"CREATE TABLE is no unit",
       "CREATE TABLE TYPE_LIST (X NUMBER);\r\nX;",
       {"CREATE TABLE TYPE_LIST (X NUMBER)", "X"}},
  });
}

TEST(SplitterMends, PlsqlSeparatorMustStandAloneOnItsLine) {
  const std::string division = "DECLARE\r\n  X NUMBER := 10 / 2;\r\nBEGIN\r\n  X := A /\r\n B;\r\nEND;";
  ExpectSplits({
      {"divisions inside a block", division + "\r\n/\r\nX;", {division, "X"}},
      {"blanks around it", "BEGIN NULL; END;\r\n  /  \r\nX;", {"BEGIN NULL; END;", "X"}},
      {"tab before it is trimmed", "BEGIN NULL; END;\r\n\t/\r\n", {"BEGIN NULL; END;"}},
      {"comment after it", "BEGIN NULL; END;\r\n/ -- done\r\nX;", {"BEGIN NULL; END;", "-- done\r\nX"}},
      {"LF line ends, last line", "BEGIN NULL; END;\n/", {"BEGIN NULL; END;"}},
      {"on the line of END", "BEGIN NULL; END; /\r\nX;", {"BEGIN NULL; END; /\r\nX;"}},
      {"doubled", "BEGIN NULL; END;\r\n//\r\n", {"BEGIN NULL; END;\r\n//"}},
  });
}

TEST(SplitterMends, LiteralsAndCommentsMaskedInOnePass) {
  const std::string slashInLiteral = "BEGIN\r\n  X := '\r\n/\r\n';\r\nEND;";
  ExpectSplits({
      {"apostrophe inside a comment", "-- don't\r\nSELECT 1;\r\nSELECT 2;", {"-- don't\r\nSELECT 1", "SELECT 2"}},
      {"dashes inside a literal", "SELECT '--' FROM DUAL;\r\nX;", {"SELECT '--' FROM DUAL", "X"}},
      {"doubled apostrophes", "SELECT 'it''s; -- fine' FROM DUAL;", {"SELECT 'it''s; -- fine' FROM DUAL"}},
      {"keyword inside a comment", "-- BEGIN\r\nSELECT 1;\r\nX;", {"-- BEGIN\r\nSELECT 1", "X"}},
      {"separator line inside a literal", slashInLiteral + "\r\n/", {slashInLiteral}},
      {"unclosed literal runs to the end", "SELECT 'abc; X;", {"SELECT 'abc; X;"}},
      {"comment without a final line break", "SELECT 1; -- end; really", {"SELECT 1"}},
  });
}

TEST(SplitterMends, TrimsRemoveTheSeparatorInAnyCase) {
  ExpectSplits({
      {"lower-case go", kBlock + "\r\ngo\r\nX;", {kBlock, "X"}, ";", "GO"},
      {"mixed-case Go at the end", kBlock + "\r\nGo", {kBlock}, ";", "GO"},
  });
  struct TrimCase {
    std::string statement, separator, end, start;
  };
  const TrimCase cases[] = {
      {"\r\n;SELECT 1 ; ;; \r\n", ";", "\r\n;SELECT 1 ; ;", "SELECT 1 ; ;; \r\n"},
      {"END; /* done */\r\n/", "/", "END; /* done */", "END; /* done */\r\n/"},
      {"ergo GO", "GO", "ergo", "ergo GO"},
      {"go END;\r\nGO", "gO", "go END;", "END;\r\nGO"},
      {"\tX\t", ";", "\tX\t", "\tX\t"},
      {" ;X; ", "", " ;X;", ";X; "},
      {"$X $", "$$", "$X $", "$X $"},
      {"; ;\r\n", ";", ";", ";\r\n"},
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.statement);
    std::string end = c.statement, start = c.statement;
    TrimStatementEnd(end, c.separator);
    TrimStatementStart(start, c.separator);
    EXPECT_EQ(c.end, end);
    EXPECT_EQ(c.start, start);
  }
}

// How SQL*Plus cuts real scripts, one table per rule.
TEST(SqlPlusScripts, BlockCommentsAreMaskedAndCommentOnlyPiecesNotSent) {
  ExpectSplitsWithBothLineEnds({
      {"apostrophe inside",
       "/* don't run twice */\nSELECT 1 FROM dual;\nSELECT 2 FROM dual;",
       {"/* don't run twice */\nSELECT 1 FROM dual", "SELECT 2 FROM dual"}},
      {"separator inside", "/* step 1; step 2 */\nSELECT 1 FROM dual;", {"/* step 1; step 2 */\nSELECT 1 FROM dual"}},
      {"comment-only piece", "SELECT 1;\n/* done */;\nSELECT 2;", {"SELECT 1", "SELECT 2"}},
      {"comment after the last statement", "SELECT 1;\n/* the end; */\n-- really\n", {"SELECT 1"}},
      {"slash line inside", "BEGIN\n/*\n/\n*/\nNULL;\nEND;\n/", {"BEGIN\n/*\n/\n*/\nNULL;\nEND;"}},
  });
}

TEST(SqlPlusScripts, AlternativeQuotingIsMasked) {
  ExpectSplitsWithBothLineEnds({
      {"q'[...]'",
       "SELECT q'[it's]' FROM dual;\nSELECT 2 FROM dual;",
       {"SELECT q'[it's]' FROM dual", "SELECT 2 FROM dual"}},
      {"every delimiter and prefix",
       "SELECT Q'{a;b}', nq'(c;d)', NQ'<e'>', q'!f'!' FROM dual;\nX;",
       {"SELECT Q'{a;b}', nq'(c;d)', NQ'<e'>', q'!f'!' FROM dual", "X"}},
      {"slash line inside", "BEGIN\n  x := q'#\n/\n#';\nEND;\n/", {"BEGIN\n  x := q'#\n/\n#';\nEND;"}},
  });
}

TEST(SqlPlusScripts, QuotedIdentifiersAreMasked) {
  ExpectSplitsWithBothLineEnds({
      {"apostrophe inside",
       "SELECT 1 \"it's\" FROM dual;\nSELECT 2 FROM dual;",
       {"SELECT 1 \"it's\" FROM dual", "SELECT 2 FROM dual"}},
      {"separator inside", "SELECT 1 \"a;b\" FROM dual;", {"SELECT 1 \"a;b\" FROM dual"}},
  });
}

TEST(SqlPlusScripts, ProgramUnitsRunToTheSlashOnlyAtAStatementsStart) {
  const std::string package = "CREATE OR REPLACE EDITIONABLE PACKAGE p AS\n  PROCEDURE a;\nEND p;";
  const std::string function = "create noneditionable function f return number is begin return 1; end;";
  const std::string typeBody = "CREATE TYPE BODY t AS MEMBER FUNCTION f RETURN NUMBER IS BEGIN RETURN 1; END; END;";
  const std::string library = "CREATE OR REPLACE LIBRARY lib AS '/lib/x.so';";
  const std::string java =
      "CREATE OR REPLACE AND COMPILE JAVA SOURCE NAMED \"Hello\" AS\npublic class Hello {\n"
      "  // don't\n  static String s = \"a;b\";\n}";
  const std::string javaClass = "CREATE AND RESOLVE NOFORCE JAVA CLASS USING BFILE (dir, 'A.class');";
  const std::string withFunction = "WITH FUNCTION f RETURN NUMBER IS BEGIN RETURN 1; END;\nSELECT f FROM dual";
  const std::string commented = "CREATE /* c */ OR REPLACE\n-- d\nPROCEDURE p IS BEGIN NULL; END;";
  ExpectSplitsWithBothLineEnds({
      {"EDITIONABLE package", package + "\n/\nSELECT 1 FROM dual;", {package, "SELECT 1 FROM dual"}},
      {"NONEDITIONABLE function", function + "\n/\nX;", {function, "X"}},
      {"type body", typeBody + "\n/\nX;", {typeBody, "X"}},
      {"library", library + "\n/\nX;", {library, "X"}},
      {"Java source: its quotes are not SQL's", java + "\n/\nX;", {java, "X"}},
      {"Java class", javaClass + "\n/\nX;", {javaClass, "X"}},
      {"WITH FUNCTION query", withFunction + "\n/\nX;", {withFunction, "X"}},
      {"comments between the keywords", commented + "\n/\nX;", {commented, "X"}},
      {"EDITIONING view is no unit",
       "CREATE OR REPLACE EDITIONING VIEW v AS SELECT 1 x FROM dual;\nX;",
       {"CREATE OR REPLACE EDITIONING VIEW v AS SELECT 1 x FROM dual", "X"}},
      {"WITH query is no unit",
       "WITH t AS (SELECT 1 x FROM dual) SELECT x FROM t;\nX;",
       {"WITH t AS (SELECT 1 x FROM dual) SELECT x FROM t", "X"}},
      {"privileges named like units",
       "GRANT CREATE SESSION, CREATE PROCEDURE TO app;\nREVOKE CREATE TYPE FROM app;\nX;",
       {"GRANT CREATE SESSION, CREATE PROCEDURE TO app", "REVOKE CREATE TYPE FROM app", "X"}},
  });
}

TEST(SqlPlusScripts, LoneSlashEndsAnyStatementAndADoubledOneIsDropped) {
  ExpectSplitsWithBothLineEnds({
      {"ends a statement",
       "ALTER SESSION SET current_schema = hr\n/\nCREATE TABLE t (x NUMBER);",
       {"ALTER SESSION SET current_schema = hr", "CREATE TABLE t (x NUMBER)"}},
      {"after a semicolon",
       "SELECT 1 FROM dual;\n/\nSELECT 2 FROM dual;",
       {"SELECT 1 FROM dual", "SELECT 2 FROM dual"}},
      {"after blanks and a comment",
       "INSERT INTO t VALUES (1);\n-- again?\n  /  \nX;",
       {"INSERT INTO t VALUES (1)", "X"}},
      {"after a block", "BEGIN NULL; END;\n/\n/\nX;", {"BEGIN NULL; END;", "X"}},
      {"alone in the text", "/", {}},
  });
}

TEST(SqlPlusScripts, EmptyStatementsAreNotSent) {
  ExpectSplitsWithBothLineEnds({
      {"doubled and spaced", "SELECT 1;;\n; ;SELECT 2;", {"SELECT 1", "SELECT 2"}},
      {"only separators", ";;", {}},
  });
}

TEST(SqlPlusScripts, AlphabeticSeparatorIsAWholeWord) {
  ExpectSplitsWithBothLineEnds({
      {"not inside a name",
       "SELECT category FROM t GO\nSELECT go_on FROM t go",
       {"SELECT category FROM t", "SELECT go_on FROM t"},
       "GO",
       "/"},
      {"nor trimmed off one", "SELECT 1 FROM ergo GO", {"SELECT 1 FROM ergo"}, "GO", "/"},
  });
}

TEST(SqlPlusScripts, CommandLinesAreSkippedAndExecuteRunsAsABlock) {
  const std::string abbreviated =
      "SPO x.log\nDEF a = 1\nUNDEF a\nCOL x FORMAT a10\nBRE ON x\nCOMP SUM OF x ON y\nCL SCREEN\nTTI 'x'\nBTI OFF\n"
      "PAU\nACC p PROMPT 'Don''t'\nVAR n NUMBER\nPRI n\nSHO ERRORS\nHO ls\nWHENEVER SQLERROR EXIT\nCONN scott/tiger\n"
      "DISC\nDESC emp\nEXIT\nQUIT\n";
  ExpectSplitsWithBothLineEnds({
      {"a line each",
       "SET ECHO ON\nPROMPT Creating t; don't worry\nCREATE TABLE t (x NUMBER);\nREM it's done\nSPOOL off\n",
       {"CREATE TABLE t (x NUMBER)"},
       ";",
       "/",
       4},
      {"scripts started",
       "@@hr_create.sql\n@ other\nSTART x.sql\nSELECT 1 FROM dual;",
       {"SELECT 1 FROM dual"},
       ";",
       "/",
       3},
      {"abbreviations", abbreviated, {}, ";", "/", 21},
      {"hyphen continues a line", "COLUMN a -\n  FORMAT a10\nSELECT 1 FROM dual;", {"SELECT 1 FROM dual"}, ";", "/", 1},
      {"a remark's dashes do not", "REM -----\nSELECT 1 FROM dual;", {"SELECT 1 FROM dual"}, ";", "/", 1},
      {"semicolon is part of the line", "SET SERVEROUTPUT ON;\nX;", {"X"}, ";", "/", 1},
      {"SQL's own SET statements",
       "SET TRANSACTION READ ONLY;\nSET ROLE ALL;\nSET CONSTRAINTS ALL DEFERRED;",
       {"SET TRANSACTION READ ONLY", "SET ROLE ALL", "SET CONSTRAINTS ALL DEFERRED"}},
      {"only at a statement's start",
       "UPDATE emp\nSET sal = 1\nWHERE x = 'a;b';",
       {"UPDATE emp\nSET sal = 1\nWHERE x = 'a;b'"}},
      {"EXECUTE",
       "EXEC dbms_output.put_line('x');\nexecute p(1, -\n  2)\nEXEC\n",
       {"BEGIN dbms_output.put_line('x'); END;", "BEGIN p(1,  \n  2); END;"},
       ";",
       "/",
       1},
  });
}

TEST(SqlPlusScripts, BufferAndHostCommandsDotAndDocumentBlocks) {
  ExpectSplitsWithBothLineEnds({
      {"buffer commands",
       "L\nLIST 1 2\nA  x\nC/old/new/\nchange /a/b\nDEL 3\nI\ninput x\nR\nSELECT 1 FROM dual;",
       {"SELECT 1 FROM dual"},
       ";",
       "/",
       9},
      {"host lines", "!ls -l\n$dir *.sql\nSELECT 1 FROM dual;", {"SELECT 1 FROM dual"}, ";", "/", 2},
      {"their letters still start statements", "A;\nC;\nLISTING;\nR2;", {"A", "C", "LISTING", "R2"}},
      {"DOC block to the # line",
       "DOC\nit's; a note\nBEGIN\n#\nSELECT 1 FROM dual;",
       {"SELECT 1 FROM dual"},
       ";",
       "/",
       1},
      {"DOCUMENT without # runs to the end", "SELECT 1 FROM dual;\nDOCUMENT\nx;", {"SELECT 1 FROM dual"}, ";", "/", 1},
      {"RUN ends a statement",
       "SELECT 1 FROM dual\nR\nSELECT 2 FROM dual;",
       {"SELECT 1 FROM dual", "SELECT 2 FROM dual"},
       ";",
       "/",
       1},
      {"RUN ends a block", "BEGIN\n  NULL;\nEND;\n run \nX;", {"BEGIN\n  NULL;\nEND;", "X"}, ";", "/", 1},
      {"a column named r_x is no RUN", "SELECT a,\n r_x\nFROM t;", {"SELECT a,\n r_x\nFROM t"}},
      {". then / sends", "BEGIN\n  NULL;\nEND;\n.\n/\nX;", {"BEGIN\n  NULL;\nEND;", "X"}},
      {". then RUN sends", "SELECT 1 FROM dual\n.\n\nRUN\nX;", {"SELECT 1 FROM dual", "X"}, ";", "/", 1},
      {". alone leaves it unsent", "SELECT 1 FROM dual\n.\nX;", {"X"}, ";", "/", 1},
      {"a lone . ends no entry", ".\nX;", {"X"}, ";", "/", 1},
      {". inside a literal", "SELECT '\n.\n' FROM dual;", {"SELECT '\n.\n' FROM dual"}},
      {"blanks and tabs trimmed",
       "\t SELECT 1 FROM dual \t;\n\tSELECT 2 FROM dual\t\n",
       {"SELECT 1 FROM dual", "SELECT 2 FROM dual"}},
  });
}

TEST(SqlPlusScripts, ExecuteOffsetsPointAtTheCommandText) {
  std::vector<SplitStatement> found;
  const std::string text = "SET ECHO ON\r\nEXEC p;\r\nSELECT 1 FROM dual;";
  int skipped = 0;
  ASSERT_EQ(2, SplitStatements(text, ";", "/", found, skipped));
  EXPECT_EQ(1, skipped);
  EXPECT_EQ(text.find("p;"), found[0].offset);
  EXPECT_EQ("p", ScriptBytes(text, found[0]));
  EXPECT_EQ(text.find("SELECT"), found[1].offset);
  EXPECT_EQ("SELECT 1 FROM dual", ScriptBytes(text, found[1]));
}

}  // namespace
