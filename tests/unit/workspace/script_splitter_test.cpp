#include <gtest/gtest.h>

#include "ScriptSplitter.h"
#include "split_case.h"

namespace {

const std::string kBlock = "BEGIN\r\nNULL;\r\nEND;";

TEST(ScriptSplitter, BothSeparatorsEmptyGiveTheTextUnchanged) {
  ExpectSplits({
      {"empty text", "", {""}, "", ""},
      {"blank text", " \r\n ", {" \r\n "}, "", ""},
      {"line breaks kept", "\r\nSELECT 1;\r\nSELECT 2;\r\n", {"\r\nSELECT 1;\r\nSELECT 2;\r\n"}, "", ""},
  });
}

TEST(ScriptSplitter, OrdinaryStatements) {
  ExpectSplits({
      {"two statements, blank remainder ignored", "SELECT 1 FROM DUAL; SELECT 2 FROM DUAL;",
       {"SELECT 1 FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"no separator: remainder exactly as typed", "\r\nSELECT 1 FROM DUAL\r\n",
       {"\r\nSELECT 1 FROM DUAL\r\n"}},
      {"separator inside a literal", "SELECT 'a;b' FROM DUAL;", {"SELECT 'a;b' FROM DUAL"}},
      {"comment line stays with its statement", "-- note; here\r\nSELECT 1 FROM DUAL;",
       {"-- note; here\r\nSELECT 1 FROM DUAL"}},
      {"trailing comment adds nothing", "SELECT 1 FROM DUAL;\r\n-- the end\r\n",
       {"SELECT 1 FROM DUAL"}},
      {"empty statement between separators", "SELECT 1 FROM DUAL; ;", {"SELECT 1 FROM DUAL", ""}},
      {"doubled separator trimmed away", "SELECT 1 FROM DUAL;;\r\nSELECT 2 FROM DUAL;",
       {"SELECT 1 FROM DUAL", "SELECT 2 FROM DUAL"}},
      {"empty text", "", {}},
      {"blank text", " \r\n\r\n ", {}},
      {"tab is not white space for the remainder", "SELECT 1 FROM DUAL;\t", {"SELECT 1 FROM DUAL", "\t"}},
      {"text without separator keeps its case", "select 1 from dual", {"select 1 from dual"}},
  });
}

TEST(ScriptSplitter, BlocksAndProgramUnits) {
  ExpectSplits({
      {"block cut at its slash, END; kept", kBlock + "\r\n/\r\nSELECT 1 FROM DUAL;",
       {kBlock, "SELECT 1 FROM DUAL"}},
      {"block without slash is the untrimmed remainder", "SELECT 1 FROM DUAL;\r\nBEGIN NULL; END;\r\n",
       {"SELECT 1 FROM DUAL", "\r\nBEGIN NULL; END;\r\n"}},
      {"package without BEGIN is one unit",
       "CREATE OR REPLACE PACKAGE P AS PROCEDURE X; END;\r\n/",
       {"CREATE OR REPLACE PACKAGE P AS PROCEDURE X; END;"}},
      {"unit starts where the statement started, not at the keyword",
       "SELECT 1 FROM DUAL\r\nBEGIN NULL; END;\r\n/", {"SELECT 1 FROM DUAL\r\nBEGIN NULL; END;"}},
      {"DECLARE starts a block", "DECLARE X NUMBER; BEGIN NULL; END;\r\n/",
       {"DECLARE X NUMBER; BEGIN NULL; END;"}},
      {"keywords in any case", "begin null; end;\r\n/\r\nselect 1 from dual;",
       {"begin null; end;", "select 1 from dual"}},
      {"the byte after a SQL separator is not examined", "SELECT 1 FROM DUAL;BEGIN NULL; END;",
       {"SELECT 1 FROM DUAL", "BEGIN NULL", "END"}},
      {"two blocks", "BEGIN A; END;\r\n/\r\nBEGIN B; END;\r\n/\r\n",
       {"BEGIN A; END;", "BEGIN B; END;"}},
      {"block after statements", "SELECT 1 FROM DUAL;\r\nBEGIN NULL; END;\r\n/",
       {"SELECT 1 FROM DUAL", "BEGIN NULL; END;"}},
      {"unit never ended: remainder from its start", "SELECT 1 FROM DUAL;\r\nCREATE PROCEDURE P AS X; Y;",
       {"SELECT 1 FROM DUAL", "\r\nCREATE PROCEDURE P AS X; Y;"}},
      {"CREATE OR REPLACE VIEW is no unit", "CREATE OR REPLACE VIEW V AS SELECT 1 X FROM DUAL;\r\nSELECT 2 FROM DUAL;",
       {"CREATE OR REPLACE VIEW V AS SELECT 1 X FROM DUAL", "SELECT 2 FROM DUAL"}},
  });
}

TEST(ScriptSplitter, OtherSeparators) {
  const std::string goBlock = kBlock + "\r\ngo\r\nSELECT 1 FROM DUAL;";
  ExpectSplits({
      {"lower-case PL/SQL separator never matches", goBlock, {goBlock}, ";", "go"},
      {"upper-case PL/SQL separator matches any case", goBlock, {kBlock, "SELECT 1 FROM DUAL"}, ";", "GO"},
      {"lower-case SQL separator never matches", "SELECT 1 go SELECT 2 go", {"SELECT 1 go SELECT 2 go"}, "go", "/"},
      {"upper-case SQL separator, sent without it", "SELECT 1 go SELECT 2 Go", {"SELECT 1", "SELECT 2"}, "GO", "/"},
      {"no PL/SQL separator: blocks are cut at their semicolons", "BEGIN NULL; END;", {"BEGIN NULL", "END"}, ";", ""},
      {"no SQL separator: only blocks are cut", "SELECT 1; SELECT 2;\r\nBEGIN NULL; END;\r\n/\r\nSELECT 3;",
       {"SELECT 1; SELECT 2;\r\nBEGIN NULL; END;", "\r\nSELECT 3;"}, "", "/"},
      {"separator of several characters", "SELECT 1 $$ SELECT 2 $$", {"SELECT 1", "SELECT 2"}, "$$", "/"},
  });
}

TEST(ScriptSplitter, OffsetsPointAtTheFirstSentByte) {
  std::vector<SplitStatement> statements;
  ASSERT_EQ(4, SplitStatements("  A;\r\n  B;\r\nC; ;", ";", "/", statements));
  ASSERT_EQ(4u, statements.size());
  EXPECT_EQ(2u, statements[0].offset);
  EXPECT_EQ(8u, statements[1].offset);
  EXPECT_EQ(12u, statements[2].offset);
  EXPECT_EQ("", statements[3].text);
  EXPECT_EQ(14u, statements[3].offset);
}

TEST(ScriptSplitter, RemainderOffsetIsWhereTheLastCutEnded) {
  std::vector<SplitStatement> statements;
  ASSERT_EQ(2, SplitStatements("A;\r\nBEGIN\r\nNULL;", ";", "/", statements));
  EXPECT_EQ(0u, statements[0].offset);
  EXPECT_EQ("\r\nBEGIN\r\nNULL;", statements[1].text);
  EXPECT_EQ(2u, statements[1].offset);
}

TEST(ScriptSplitter, AppendsToTheListItIsGiven) {
  std::vector<std::string> statements = {"kept"};
  EXPECT_EQ(2, SplitStatements("A; B;", ";", "/", statements));
  EXPECT_EQ((std::vector<std::string>{"kept", "A", "B"}), statements);
}

}  // namespace
