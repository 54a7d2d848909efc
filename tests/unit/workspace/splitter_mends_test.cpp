// The five places where the splitter departs from the plain keyword scan, each with the
// scripts that the plain scan cuts wrongly.
#include <gtest/gtest.h>

#include "ScriptSplitter.h"
#include "split_case.h"

namespace {

TEST(SplitterMends, KeywordsAreWholeWords) {
  ExpectSplits({
      {"BEGIN inside a column name", "CREATE TABLE T (BEGIN_DATE DATE);\r\nINSERT INTO T VALUES (SYSDATE);",
       {"CREATE TABLE T (BEGIN_DATE DATE)", "INSERT INTO T VALUES (SYSDATE)"}},
      {"BEGIN at the end of a word", "SELECT XBEGIN FROM T;\r\nSELECT 2 FROM DUAL;",
       {"SELECT XBEGIN FROM T", "SELECT 2 FROM DUAL"}},
      {"DECLARE after an underscore", "SELECT MY_DECLARE FROM T;\r\nSELECT 2 FROM DUAL;",
       {"SELECT MY_DECLARE FROM T", "SELECT 2 FROM DUAL"}},
      {"dollar and hash continue a word", "SELECT BEGIN$, BEGIN# FROM T;\r\nSELECT 2 FROM DUAL;",
       {"SELECT BEGIN$, BEGIN# FROM T", "SELECT 2 FROM DUAL"}},
      {"digit continues a word", "SELECT DECLARE1 FROM T;\r\nSELECT 2 FROM DUAL;",
       {"SELECT DECLARE1 FROM T", "SELECT 2 FROM DUAL"}},
      {"national letter continues a word", "SELECT \xC9" "BEGIN FROM T;\r\nSELECT 2 FROM DUAL;",
       {"SELECT \xC9" "BEGIN FROM T", "SELECT 2 FROM DUAL"}},
      {"CREATED starts nothing", "SELECT CREATED FROM USER_OBJECTS;\r\nSELECT 2 FROM DUAL;",
       {"SELECT CREATED FROM USER_OBJECTS", "SELECT 2 FROM DUAL"}},
      {"unit kind must be a whole word too", "CREATE PACKAGES;\r\nSELECT 2 FROM DUAL;",
       {"CREATE PACKAGES", "SELECT 2 FROM DUAL"}},
      {"punctuation ends a word", "X:=1;(BEGIN NULL; END;)\r\n/", {"X:=1", "(BEGIN NULL; END;)"}},
      {"keyword at the very end of the text", "SELECT 1 FROM DUAL;\r\nBEGIN", {"SELECT 1 FROM DUAL", "\r\nBEGIN"}},
  });
}

TEST(SplitterMends, ProgramUnitsAcrossLinesAndOfEveryKind) {
  const std::string packageOnTwoLines = "CREATE OR REPLACE\r\nPACKAGE P AS\r\n  PROCEDURE X;\r\nEND;";
  const std::string packageAfterTab = "CREATE OR REPLACE\tPACKAGE P AS\r\n  X NUMBER;\r\nEND;";
  const std::string compoundTrigger =
      "CREATE TRIGGER TR FOR INSERT ON T COMPOUND TRIGGER\r\n  N NUMBER;\r\n"
      "  BEFORE STATEMENT IS BEGIN NULL; END BEFORE STATEMENT;\r\nEND TR;";
  const std::string objectType = "CREATE OR REPLACE TYPE POINT AS OBJECT (X NUMBER, Y NUMBER);";
  const std::string function = "create\r\n\r\n  function F return number is language c name 'f';";
  ExpectSplits({
      {"line break between REPLACE and PACKAGE", packageOnTwoLines + "\r\n/\r\nSELECT 1 FROM DUAL;",
       {packageOnTwoLines, "SELECT 1 FROM DUAL"}},
      {"tab between REPLACE and PACKAGE", packageAfterTab + "\r\n/", {packageAfterTab}},
      {"several line breaks and blanks", function + "\r\n/", {function}},
      {"TRIGGER is a unit kind", compoundTrigger + "\r\n/\r\nSELECT 1 FROM DUAL;",
       {compoundTrigger, "SELECT 1 FROM DUAL"}},
      {"TYPE is a unit kind", objectType + "\r\n/\r\nSELECT 1 FROM DUAL;", {objectType, "SELECT 1 FROM DUAL"}},
      {"CREATE TABLE stays an ordinary statement", "CREATE TABLE TYPE_LIST (X NUMBER);\r\nSELECT 1 FROM DUAL;",
       {"CREATE TABLE TYPE_LIST (X NUMBER)", "SELECT 1 FROM DUAL"}},
  });
}

TEST(SplitterMends, PlsqlSeparatorMustStandAloneOnItsLine) {
  const std::string declare = "DECLARE\r\n  X NUMBER := 10 / 2;\r\nBEGIN\r\n  NULL;\r\nEND;";
  const std::string divisionAtLineEnd = "BEGIN\r\n  X := A /\r\n    B;\r\nEND;";
  ExpectSplits({
      {"division inside a block", declare + "\r\n/\r\nSELECT 1 FROM DUAL;", {declare, "SELECT 1 FROM DUAL"}},
      {"division at the end of a line", divisionAtLineEnd + "\r\n/", {divisionAtLineEnd}},
      {"blanks around the separator", "BEGIN NULL; END;\r\n  /  \r\nSELECT 1 FROM DUAL;",
       {"BEGIN NULL; END;", "SELECT 1 FROM DUAL"}},
      {"tab before the separator is not trimmed", "BEGIN NULL; END;\r\n\t/\r\n", {"BEGIN NULL; END;\r\n\t"}},
      {"comment after the separator", "BEGIN NULL; END;\r\n/ -- done\r\nSELECT 1 FROM DUAL;",
       {"BEGIN NULL; END;", "-- done\r\nSELECT 1 FROM DUAL"}},
      {"separator as the last line without a line break", "BEGIN NULL; END;\r\n/", {"BEGIN NULL; END;"}},
      {"LF-only line ends", "BEGIN NULL; END;\n/\nSELECT 1 FROM DUAL;", {"BEGIN NULL; END;", "SELECT 1 FROM DUAL"}},
      {"same line as END does not end the block", "BEGIN NULL; END; /\r\nSELECT 1 FROM DUAL;",
       {"BEGIN NULL; END; /\r\nSELECT 1 FROM DUAL;"}},
      {"a doubled separator is not alone", "BEGIN NULL; END;\r\n//\r\n", {"BEGIN NULL; END;\r\n//\r\n"}},
      {"separator of two letters on its own line", "BEGIN X := 'GO'; END;\r\nGO\r\n", {"BEGIN X := 'GO'; END;"}, ";", "GO"},
  });
}

TEST(SplitterMends, LiteralsAndCommentsMaskedInOnePass) {
  const std::string slashInLiteral = "BEGIN\r\n  X := '\r\n/\r\n';\r\nEND;";
  ExpectSplits({
      {"apostrophe inside a comment", "-- don't\r\nSELECT 1 FROM DUAL;\r\nSELECT 2 FROM DUAL;",
       {"-- don't\r\nSELECT 1 FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"apostrophe in a trailing comment", "SELECT 1 FROM DUAL; -- can't\r\nSELECT 2 FROM DUAL;",
       {"SELECT 1 FROM DUAL", "-- can't\r\nSELECT 2 FROM DUAL"}},
      {"dashes inside a literal are no comment", "SELECT '--' FROM DUAL;\r\nSELECT 2 FROM DUAL;",
       {"SELECT '--' FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"doubled apostrophes", "SELECT 'it''s; -- fine' FROM DUAL;", {"SELECT 'it''s; -- fine' FROM DUAL"}},
      {"keyword inside a comment", "-- BEGIN here\r\nSELECT 1 FROM DUAL;\r\nSELECT 2 FROM DUAL;",
       {"-- BEGIN here\r\nSELECT 1 FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"keyword inside a literal", "SELECT 'BEGIN' FROM DUAL;\r\nSELECT 2 FROM DUAL;",
       {"SELECT 'BEGIN' FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"separator line inside a literal", slashInLiteral + "\r\n/", {slashInLiteral}},
      {"unclosed literal runs to the end", "SELECT 'abc; SELECT 2 FROM DUAL;", {"SELECT 'abc; SELECT 2 FROM DUAL;"}},
      {"comment without a line break at the end", "SELECT 1 FROM DUAL; -- end; really", {"SELECT 1 FROM DUAL"}},
  });
}

TEST(SplitterMends, TrimsIgnoreLetterCase) {
  const std::string block = "BEGIN\r\nNULL;\r\nEND;";
  ExpectSplits({
      {"block ended by a lower-case go", block + "\r\ngo\r\nSELECT 1 FROM DUAL;", {block, "SELECT 1 FROM DUAL"}, ";", "GO"},
      {"block ended by a mixed-case Go", block + "\r\nGo", {block}, ";", "GO"},
  });
}

struct TrimCase {
  const char* name;
  std::string statement;
  std::string separator;
  std::string expected;
};

TEST(TrimStatement, End) {
  const TrimCase cases[] = {
      {"separator and line break", "SELECT 1;\r\n", ";", "SELECT 1"},
      {"repeated separators and blanks", "SELECT 1 ; ;; ", ";", "SELECT 1"},
      {"other separator kept", "END;\r\n/", "/", "END;"},
      {"lower-case copy of the separator", "END;\r\ngo", "GO", "END;"},
      {"upper-case copy of a lower-case separator", "END;\r\nGO", "go", "END;"},
      {"tab is an ordinary character", "SELECT 1\t;", ";", "SELECT 1\t"},
      {"empty separator removes only white space", "SELECT 1; \r\n", "", "SELECT 1;"},
      {"nothing but separators", ";; ;\r\n", ";", ""},
      {"partial separator kept", "SELECT 1 $", "$$", "SELECT 1 $"},
      {"empty statement", "", ";", ""},
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string statement = c.statement;
    TrimStatementEnd(statement, c.separator);
    EXPECT_EQ(c.expected, statement);
  }
}

TEST(TrimStatement, Start) {
  const TrimCase cases[] = {
      {"line break and separator", "\r\n;SELECT 1", ";", "SELECT 1"},
      {"copies of a word separator in any case", "go Go GO x", "GO", "x"},
      {"tab is an ordinary character", "\tSELECT 1", ";", "\tSELECT 1"},
      {"empty separator removes only white space", " \r\n;SELECT", "", ";SELECT"},
      {"trailing text untouched", "; SELECT 1;\r\n", ";", "SELECT 1;\r\n"},
      {"nothing but separators", " ;;", ";", ""},
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string statement = c.statement;
    TrimStatementStart(statement, c.separator);
    EXPECT_EQ(c.expected, statement);
  }
}

}  // namespace
