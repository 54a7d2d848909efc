#include <gtest/gtest.h>

#include "Execution.h"
#include "FakeStatements.h"

namespace {

using Texts = std::vector<std::string>;

class ExecuteTest : public ::testing::Test {
 protected:
  ExecutionOutcome Run(const std::string& text, std::size_t selStart = 0, std::size_t selEnd = 0) {
    ExecuteRequest request;
    request.sqlText = text;
    request.selectionStart = selStart;
    request.selectionEnd = selEnd;
    request.sqlSeparator = sqlSeparator;
    request.plsqlSeparator = plsqlSeparator;
    return ExecuteText(request, source, list);
  }

  void ExpectColumns(const Texts& headings, int width) {
    EXPECT_EQ(headings, list.Headings());
    for (const Column& column : list.columns) EXPECT_EQ(width, column.width) << column.heading;
  }

  std::string sqlSeparator = ";";
  std::string plsqlSeparator = "/";
  FakeStatements source;
  FakeResultList list;
};

TEST_F(ExecuteTest, EmptyEditorRunsAnEmptyScript) {
  const ExecutionOutcome outcome = Run("");
  EXPECT_TRUE(source.executed.empty());
  ExpectColumns({"Column 1"}, 70);
  EXPECT_EQ("Rows 0", outcome.message);
  EXPECT_TRUE(outcome.recorded);
  EXPECT_EQ("", outcome.historyText);
  EXPECT_FALSE(outcome.mark.placed);
}

TEST_F(ExecuteTest, WithoutSeparatorsAnEmptyEditorIsOneEmptyStatement) {
  sqlSeparator.clear();
  plsqlSeparator.clear();
  source.script[""] = Change(0);
  const ExecutionOutcome outcome = Run("");
  EXPECT_EQ(Texts{""}, source.executed);
  EXPECT_EQ("Execute succeeded! Rows changed 0", outcome.message);
}

TEST_F(ExecuteTest, QueryShowsItsColumnNamesAndRows) {
  source.script["SELECT C1, C2 FROM T"] = NumberedQuery(3, 2);
  const std::string text = "SELECT C1, C2 FROM T;\r\n";
  const ExecutionOutcome outcome = Run(text);
  ExpectColumns({"C1", "C2"}, 70);
  EXPECT_EQ((Rows{{"r0c0", "r0c1"}, {"r1c0", "r1c1"}, {"r2c0", "r2c1"}}), list.rows);
  EXPECT_EQ("Rows 3", outcome.message);
  EXPECT_TRUE(outcome.recorded);
  EXPECT_EQ(text, outcome.historyText) << "the text as run, before splitting";
  EXPECT_EQ((Texts{"execute", "describe", "fetch", "fetch", "fetch", "fetch"}), source.calls);
}

TEST_F(ExecuteTest, UpdateReportsRowsChangedAndLeavesTheListBare) {
  source.script["UPDATE T SET A = 1"] = Change(3);
  const ExecutionOutcome outcome = Run("UPDATE T SET A = 1");
  EXPECT_EQ("Execute succeeded! Rows changed 3", outcome.message);
  EXPECT_TRUE(list.columns.empty());
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(outcome.recorded);
  EXPECT_EQ("UPDATE T SET A = 1", outcome.historyText);
}

TEST_F(ExecuteTest, ListIsEmptiedBeforeRunning) {
  list.columns = {{"OLD", 70}};
  list.rows = {{"old"}};
  source.script["X"] = Change(1);
  Run("X");
  EXPECT_EQ(1, list.clears);
  EXPECT_TRUE(list.columns.empty());
  EXPECT_TRUE(list.rows.empty());
}

struct CaretCase {
  const char* name;
  std::string text;
  std::size_t selStart, selEnd;
  std::string failing;  // the statement as sent
  int offset;
  std::size_t caret;
};

const CaretCase kCaretCases[] = {
    {"WholeText", "SELEC 1 FROM DUAL", 0, 0, "SELEC 1 FROM DUAL", 0, 0},
    {"OffsetInside", "SELECT X FROM DUAL", 0, 0, "SELECT X FROM DUAL", 7, 7},
    {"TrimmedStatementStartsLater", "\r\n  SELECT X FROM DUAL;", 0, 0, "SELECT X FROM DUAL", 7, 11},
    {"Selection", "SELECT 1 FROM DUAL;\r\nSELECT X FROM DUAL;", 21, 40, "SELECT X FROM DUAL", 7, 28},
    {"SelectionWithTrimmedStart", "SELECT 1 FROM DUAL;\r\n\r\nSELECT X FROM DUAL;", 19, 42, "SELECT X FROM DUAL", 7, 30},
    {"EmptySelectionCountsFromTheStart", "SELECT X FROM DUAL", 5, 5, "SELECT X FROM DUAL", 7, 7},
    {"NegativeOffsetIsTheStatementStart", "\r\nSELECT X FROM DUAL;", 0, 0, "SELECT X FROM DUAL", -1, 2},
};

class CaretTable : public ExecuteTest, public ::testing::WithParamInterface<CaretCase> {};

TEST_P(CaretTable, FailingStatementPutsTheCaretAtTheError) {
  const CaretCase& c = GetParam();
  source.script[c.failing] = Failure("ORA-00923: FROM keyword not found where expected", c.offset);
  const ExecutionOutcome outcome = Run(c.text, c.selStart, c.selEnd);
  EXPECT_EQ(Texts{c.failing}, source.executed);
  EXPECT_EQ("ORA-00923: FROM keyword not found where expected, approx. offset " + std::to_string(c.offset),
            outcome.message);
  EXPECT_TRUE(outcome.mark.placed);
  EXPECT_EQ(c.caret, outcome.mark.start);
  EXPECT_EQ(0u, outcome.mark.length);
  EXPECT_FALSE(outcome.recorded);
}

INSTANTIATE_TEST_SUITE_P(Offsets, CaretTable, ::testing::ValuesIn(kCaretCases),
                         [](const ::testing::TestParamInfo<CaretCase>& info) { return info.param.name; });

TEST_F(ExecuteTest, SelectionIsWhatRunsAndWhatIsRecorded) {
  source.script["SELECT 2 FROM DUAL"] = NumberedQuery(1);
  const std::string text = "SELECT 1 FROM DUAL;\r\nSELECT 2 FROM DUAL;";
  const ExecutionOutcome outcome = Run(text, 21, text.size());
  EXPECT_EQ(Texts{"SELECT 2 FROM DUAL"}, source.executed);
  EXPECT_EQ("SELECT 2 FROM DUAL;", outcome.historyText);
}

TEST_F(ExecuteTest, DescribeFailureOnOneStatementRecordsNothing) {
  ScriptedStatement query = NumberedQuery(2);
  query.describe = DB_ERROR;
  query.error = "ORA-01007: variable not in select list";
  source.script["SELECT A FROM T"] = query;
  const ExecutionOutcome outcome = Run("SELECT A FROM T");
  EXPECT_EQ("ORA-01007: variable not in select list", outcome.message);
  EXPECT_FALSE(outcome.recorded);
  EXPECT_FALSE(outcome.mark.placed);
  EXPECT_TRUE(list.columns.empty());
}

TEST_F(ExecuteTest, FetchFailureOnOneStatementKeepsRowsAndIsRecorded) {
  ScriptedStatement query = NumberedQuery(5);
  query.fetchFailsAfter = 2;
  query.error = "ORA-01722: invalid number";
  source.script["SELECT A FROM T"] = query;
  const ExecutionOutcome outcome = Run("SELECT A FROM T");
  EXPECT_EQ("ORA-01722: invalid number", outcome.message);
  EXPECT_EQ(2, list.RowCount());
  EXPECT_TRUE(outcome.recorded);
}

TEST_F(ExecuteTest, ReadAllAnsweredNoOnOneStatementShowsTheRowsRead) {
  source.script["SELECT A FROM BIG"] = NumberedQuery(1200);
  list.answers = {false};
  const ExecutionOutcome outcome = Run("SELECT A FROM BIG");
  EXPECT_EQ("Rows 500", outcome.message);
  EXPECT_EQ(std::vector<int>{500}, list.rowsAtQuestion);
  EXPECT_TRUE(outcome.recorded);
}

TEST_F(ExecuteTest, ScriptHeadingsGrowToTheWidestQuery) {
  source.script["SELECT 2 COLUMNS"] = NumberedQuery(2, 2);
  source.script["SELECT 4 COLUMNS"] = NumberedQuery(1, 4);
  source.script["SELECT 3 COLUMNS"] = NumberedQuery(1, 3);
  const std::string text = "SELECT 2 COLUMNS;\r\nSELECT 4 COLUMNS;\r\nSELECT 3 COLUMNS;\r\n";
  const ExecutionOutcome outcome = Run(text);
  ExpectColumns({"Column 1", "Column 2", "Column 3", "Column 4"}, 70);
  EXPECT_EQ((Rows{{"r0c0", "r0c1"}, {"r1c0", "r1c1"}, {"r0c0", "r0c1", "r0c2", "r0c3"}, {"r0c0", "r0c1", "r0c2"}}),
            list.rows);
  EXPECT_EQ("Rows 4", outcome.message);
  EXPECT_EQ(text, outcome.historyText);
}

TEST_F(ExecuteTest, ScriptOfChangesShowsNoRowCounts) {
  source.script["INSERT A"] = Change(1);
  source.script["DELETE B"] = Change(7);
  const ExecutionOutcome outcome = Run("INSERT A;\r\nDELETE B;");
  EXPECT_EQ("Rows 0", outcome.message);
  ExpectColumns({"Column 1"}, 70);
  EXPECT_TRUE(outcome.recorded);
}

TEST_F(ExecuteTest, ScriptStopsAtTheThirdStatementAndSelectsIt) {
  source.script["SELECT A"] = NumberedQuery(2);
  source.script["UPDATE B"] = Change(1);
  source.script["SELEC C"] = Failure("ORA-00900: invalid SQL statement", 5);
  source.script["SELECT D"] = NumberedQuery(1);
  const std::string text = "SELECT A;\r\nUPDATE B;\r\nSELEC C;\r\nSELECT D;";
  const ExecutionOutcome outcome = Run(text);
  EXPECT_EQ((Texts{"SELECT A", "UPDATE B", "SELEC C"}), source.executed);
  EXPECT_EQ(2, list.RowCount()) << "earlier rows stay";
  EXPECT_EQ("ORA-00900: invalid SQL statement, approx. offset in selected area 5", outcome.message);
  EXPECT_TRUE(outcome.mark.placed);
  EXPECT_EQ(text.find("SELEC C"), outcome.mark.start);
  EXPECT_EQ(7u, outcome.mark.length);
  EXPECT_FALSE(outcome.recorded);
}

TEST_F(ExecuteTest, ScriptSelectsTheFirstOccurrenceOfTheFailingText) {
  source.script["SELECT 'BAD' FROM DUAL"] = NumberedQuery(1);
  source.script["BAD"] = Failure("ORA-00900: invalid SQL statement", 0);
  const ExecutionOutcome outcome = Run("SELECT 'BAD' FROM DUAL;\r\nBAD;");
  EXPECT_EQ(8u, outcome.mark.start) << "inside the first statement's literal";
  EXPECT_EQ(3u, outcome.mark.length);
}

TEST_F(ExecuteTest, ScriptSelectsTheFirstOccurrenceEvenWhenTheSecondFailed) {
  source.script["UPDATE T SET A = 1"] = Change(1);
  source.script["UPDATE T SET A = 1"].failsFromRun = 2;
  source.script["COMMIT"] = Change(0);
  const ExecutionOutcome outcome = Run("UPDATE T SET A = 1;\r\nCOMMIT;\r\nUPDATE T SET A = 1;");
  EXPECT_EQ(3u, source.executed.size());
  EXPECT_EQ(0u, outcome.mark.start);
  EXPECT_EQ(18u, outcome.mark.length);
}

TEST_F(ExecuteTest, ScriptRunFromASelectionRecordsTheWholeText) {
  source.script["A"] = Change(1);
  source.script["B"] = Change(1);
  const std::string text = "X;\r\nA;\r\nB;";
  const ExecutionOutcome outcome = Run(text, 4, text.size());
  EXPECT_EQ((Texts{"A", "B"}), source.executed);
  EXPECT_EQ(text, outcome.historyText);
}

TEST_F(ExecuteTest, ScriptAsksOnceAcrossQueriesAfterTheFiveHundredthRow) {
  source.script["Q1"] = NumberedQuery(400);
  source.script["Q2"] = NumberedQuery(400);
  list.answers = {true};
  const ExecutionOutcome outcome = Run("Q1;\r\nQ2;");
  EXPECT_EQ(std::vector<int>{500}, list.rowsAtQuestion);
  EXPECT_EQ("Rows 800", outcome.message);
}

TEST_F(ExecuteTest, ScriptAsksAgainAfterANoOnTheNextQuerysFirstRow) {
  source.script["Q1"] = NumberedQuery(400);
  source.script["Q2"] = NumberedQuery(400);
  source.script["Q3"] = NumberedQuery(400);
  const ExecutionOutcome outcome = Run("Q1;\r\nQ2;\r\nQ3;");
  EXPECT_EQ((std::vector<int>{500, 501}), list.rowsAtQuestion);
  EXPECT_EQ("Rows 501", outcome.message);
  EXPECT_TRUE(outcome.recorded);
}

TEST_F(ExecuteTest, ScriptDescribeOrFetchFailureSelectsTheStatement) {
  for (bool describeFails : {true, false}) {
    SCOPED_TRACE(describeFails ? "describe" : "fetch");
    FakeStatements fresh;
    ScriptedStatement query = NumberedQuery(3);
    query.error = "ORA-01722: invalid number";
    if (describeFails) {
      query.describe = DB_ERROR;
    } else {
      query.fetchFailsAfter = 1;
    }
    fresh.script["OK"] = Change(0);
    fresh.script["Q"] = query;
    ExecuteRequest request;
    request.sqlText = "OK;\r\nQ;\r\nOK;";
    request.sqlSeparator = ";";
    const ExecutionOutcome outcome = ExecuteText(request, fresh, list);
    EXPECT_EQ("ORA-01722: invalid number", outcome.message);
    EXPECT_EQ(5u, outcome.mark.start);
    EXPECT_EQ(1u, outcome.mark.length);
    EXPECT_EQ(2u, fresh.executed.size());
    EXPECT_EQ(describeFails ? 0 : 1, list.RowCount());
    EXPECT_FALSE(outcome.recorded);
  }
}

class QueryIntoListTest : public ExecuteTest {};

TEST_F(QueryIntoListTest, ShowsNamedColumnsOneHundredPixelsWide) {
  list.rows = {{"stale"}};
  source.script["SELECT TABLE_NAME FROM USER_TABLES"] = NumberedQuery(3, 2);
  const ExecutionOutcome outcome = QueryIntoList("SELECT TABLE_NAME FROM USER_TABLES", source, list);
  ExpectColumns({"C1", "C2"}, 100);
  EXPECT_EQ(3, list.RowCount());
  EXPECT_EQ("Rows 3", outcome.message);
  EXPECT_FALSE(outcome.recorded);
  EXPECT_FALSE(outcome.mark.placed);
}

TEST_F(QueryIntoListTest, AsksAfterTheThousandthRow) {
  source.script["Q"] = NumberedQuery(1500);
  list.answers = {false};
  const ExecutionOutcome outcome = QueryIntoList("Q", source, list);
  EXPECT_EQ(std::vector<int>{1000}, list.rowsAtQuestion);
  EXPECT_EQ("You have read 1000 rows do you want to read all?", list.questions.at(0));
  EXPECT_EQ("Rows 1000", outcome.message);
}

TEST_F(QueryIntoListTest, FailureLeavesAnEmptyListAndNoOffset) {
  list.columns = {{"OLD", 100}};
  list.rows = {{"old"}};
  const ExecutionOutcome outcome = QueryIntoList("SELECT * FROM NOWHERE", source, list);
  EXPECT_EQ("ORA-00942: table or view does not exist", outcome.message);
  EXPECT_TRUE(list.columns.empty());
  EXPECT_TRUE(list.rows.empty());
  EXPECT_FALSE(outcome.recorded);
}

TEST_F(QueryIntoListTest, NonQueryReportsRowsChanged) {
  source.script["DELETE FROM T"] = Change(4);
  EXPECT_EQ("Execute succeeded! Rows changed 4", QueryIntoList("DELETE FROM T", source, list).message);
}

TEST_F(QueryIntoListTest, RunsTheStatementUnsplit) {
  source.script["SELECT 1 FROM DUAL; SELECT 2 FROM DUAL"] = NumberedQuery(1);
  EXPECT_EQ("Rows 1", QueryIntoList("SELECT 1 FROM DUAL; SELECT 2 FROM DUAL", source, list).message);
}

}  // namespace
