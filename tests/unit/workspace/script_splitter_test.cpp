#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptSplitter.h"

namespace {

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> expected;
  std::string sql = ";";
  std::string plsql = "/";
};

// Also checks that every statement is the text's own bytes at its offset.
void ExpectSplits(const std::vector<SplitCase>& cases) {
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SplitStatement> found;
    const int count = SplitStatements(c.text, c.sql, c.plsql, found);
    std::vector<std::string> texts;
    for (const SplitStatement& s : found) {
      EXPECT_EQ(c.text.substr(s.offset, s.text.size()), s.text);
      texts.push_back(s.text);
    }
    EXPECT_EQ(static_cast<int>(found.size()), count);
    EXPECT_EQ(c.expected, texts);
  }
}

const std::string kBlock = "BEGIN\r\nNULL;\r\nEND;";

TEST(ScriptSplitter, StatementsBlocksAndRemainders) {
  ExpectSplits({
      {"no separators: empty text", "", {""}, "", ""},
      {"no separators: text unchanged", "\r\nA;\r\nB;\r\n", {"\r\nA;\r\nB;\r\n"}, "", ""},
      {"blank remainder ignored", "SELECT 1 FROM DUAL; SELECT 2 FROM DUAL;", {"SELECT 1 FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"remainder exactly as typed", "\r\nSELECT 1 FROM DUAL\r\n", {"\r\nSELECT 1 FROM DUAL\r\n"}},
      {"separator inside a literal", "SELECT 'a;b' FROM DUAL;", {"SELECT 'a;b' FROM DUAL"}},
      {"comment line stays with its statement", "-- note; here\r\nSELECT 1;", {"-- note; here\r\nSELECT 1"}},
      {"trailing comment adds nothing", "SELECT 1;\r\n-- the end\r\n", {"SELECT 1"}},
      {"empty statement not sent", "SELECT 1 FROM DUAL; ;", {"SELECT 1 FROM DUAL"}},
      {"blank text", " \r\n ", {}},
      {"tab-only remainder not sent", "SELECT 1;\t", {"SELECT 1"}},
      {"block cut at its slash, END; kept", kBlock + "\r\n/\r\nSELECT 1 FROM DUAL;", {kBlock, "SELECT 1 FROM DUAL"}},
      {"block without slash: untrimmed remainder", "A;\r\nBEGIN NULL; END;\r\n", {"A", "\r\nBEGIN NULL; END;\r\n"}},
      {"package without BEGIN", "CREATE OR REPLACE PACKAGE P AS PROCEDURE X; END;\r\n/",
       {"CREATE OR REPLACE PACKAGE P AS PROCEDURE X; END;"}},
      {"block only at a statement's start", "SELECT 1\r\nDECLARE X NUMBER; BEGIN NULL; END;\r\n/",
       {"SELECT 1\r\nDECLARE X NUMBER", "BEGIN NULL; END;"}},
      {"block right after a SQL separator", "SELECT 1;BEGIN NULL; END;", {"SELECT 1", "BEGIN NULL; END;"}},
      {"keywords in any case", "begin null; end;\r\n/\r\nselect 1;", {"begin null; end;", "select 1"}},
      {"lower-case PL/SQL separator never matches", kBlock + "\r\ngo\r\nX;", {kBlock + "\r\ngo\r\nX;"}, ";", "go"},
      {"no PL/SQL separator: blocks cut at semicolons", "BEGIN NULL; END;", {"BEGIN NULL", "END"}, ";", ""},
      {"no SQL separator: only blocks cut", "A; B;\r\nBEGIN NULL; END;\r\n/\r\nC;",
       {"A; B;\r\nBEGIN NULL; END;", "\r\nC;"}, "", "/"},
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
  EXPECT_EQ((std::vector<std::string>{"kept", "A", "\r\nBEGIN"}), texts);
}

TEST(SplitterMends, KeywordsAreWholeWords) {
  ExpectSplits({
      {"BEGIN inside a column name", "CREATE TABLE T (BEGIN_DATE DATE);\r\nINSERT INTO T VALUES (1);",
       {"CREATE TABLE T (BEGIN_DATE DATE)", "INSERT INTO T VALUES (1)"}},
      {"word ends before BEGIN", "SELECT XBEGIN FROM T;\r\nX;", {"SELECT XBEGIN FROM T", "X"}},
      {"_ $ # and digits continue a word", "SELECT MY_DECLARE, BEGIN$, BEGIN#, DECLARE1 FROM T;\r\nX;",
       {"SELECT MY_DECLARE, BEGIN$, BEGIN#, DECLARE1 FROM T", "X"}},
      {"national letter continues a word", "SELECT \xC9" "BEGIN FROM T;\r\nX;", {"SELECT \xC9" "BEGIN FROM T", "X"}},
      {"CREATED and PACKAGES start nothing", "SELECT CREATED FROM T;\r\nCREATE PACKAGES;\r\nX;",
       {"SELECT CREATED FROM T", "CREATE PACKAGES", "X"}},
      {"punctuation ends a word", "X:=1;BEGIN NULL; END;\r\n/", {"X:=1", "BEGIN NULL; END;"}},
  });
}

TEST(SplitterMends, ProgramUnitsAcrossLinesAndOfEveryKind) {
  const std::string twoLines = "CREATE OR REPLACE\r\nPACKAGE P AS\r\n  PROCEDURE X;\r\nEND;";
  const std::string afterTab = "create or replace\tpackage P as\r\n  X number;\r\nend;";
  const std::string trigger = "CREATE TRIGGER TR FOR INSERT ON T COMPOUND TRIGGER\r\n  N NUMBER;\r\n"
                              "  BEFORE STATEMENT IS BEGIN NULL; END BEFORE STATEMENT;\r\nEND TR;";
  const std::string type = "CREATE OR REPLACE TYPE POINT AS OBJECT (X NUMBER, Y NUMBER);";
  ExpectSplits({
      {"line break before the kind", twoLines + "\r\n/\r\nX;", {twoLines, "X"}},
      {"tab before the kind", afterTab + "\r\n/", {afterTab}},
      {"TRIGGER", trigger + "\r\n/\r\nX;", {trigger, "X"}},
      {"TYPE", type + "\r\n/\r\nX;", {type, "X"}},
      {"CREATE TABLE is no unit", "CREATE TABLE TYPE_LIST (X NUMBER);\r\nX;", {"CREATE TABLE TYPE_LIST (X NUMBER)", "X"}},
  });
}

TEST(SplitterMends, PlsqlSeparatorMustStandAloneOnItsLine) {
  const std::string division = "DECLARE\r\n  X NUMBER := 10 / 2;\r\nBEGIN\r\n  X := A /\r\n B;\r\nEND;";
  ExpectSplits({
      {"divisions inside a block", division + "\r\n/\r\nX;", {division, "X"}},
      {"blanks around it", "BEGIN NULL; END;\r\n  /  \r\nX;", {"BEGIN NULL; END;", "X"}},
      {"tab before it is not trimmed", "BEGIN NULL; END;\r\n\t/\r\n", {"BEGIN NULL; END;\r\n\t"}},
      {"comment after it", "BEGIN NULL; END;\r\n/ -- done\r\nX;", {"BEGIN NULL; END;", "-- done\r\nX"}},
      {"LF line ends, last line", "BEGIN NULL; END;\n/", {"BEGIN NULL; END;"}},
      {"on the line of END", "BEGIN NULL; END; /\r\nX;", {"BEGIN NULL; END; /\r\nX;"}},
      {"doubled", "BEGIN NULL; END;\r\n//\r\n", {"BEGIN NULL; END;\r\n//\r\n"}},
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
      {"\r\n;SELECT 1 ; ;; \r\n", ";", "\r\n;SELECT 1", "SELECT 1 ; ;; \r\n"},
      {"go END;\r\nGO", "gO", "go END;", "END;\r\nGO"},
      {"\tX\t", ";", "\tX\t", "\tX\t"},
      {" ;X; ", "", " ;X;", ";X; "},
      {"$X $", "$$", "$X $", "$X $"},
      {"; ;\r\n", ";", "", ""},
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

}  // namespace
