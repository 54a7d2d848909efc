#include <gtest/gtest.h>

#include "Execution.h"
#include "FakeStatements.h"
#include "ResultFiller.h"

// Beside EditorMark, so that the test framework finds them.
std::ostream& operator<<(std::ostream& out, const EditorMark& m) {
  return out << (m.placed ? "" : "no ") << "mark " << m.start << "+" << m.length;
}
bool operator==(const EditorMark& a, const EditorMark& b) {
  return a.placed == b.placed && a.start == b.start && a.length == b.length;
}

namespace {

ExecutionOutcome RunText(FakeStatements& source, FakeResultList& list, const std::string& text,
                         std::size_t selStart = 0, std::size_t selEnd = 0, const std::string& sqlSeparator = ";",
                         const std::string& plsqlSeparator = "/") {
  return ExecuteText({text, selStart, selEnd, sqlSeparator, plsqlSeparator}, source, list);
}

Scripted With(Scripted s, void (*change)(Scripted&)) {
  change(s);
  return s;
}

struct RunCase {
  const char* name;
  std::map<std::string, Scripted> script;
  std::string text;
  std::size_t selStart, selEnd;
  std::string message;
  const char* recorded;  // null: nothing goes into the history
  EditorMark mark;
  Texts headings;
  int rows;
};

// Names the case when a check fails, instead of dumping the struct's bytes (padding included).
void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

const char kScript3[] = "SELECT A;\r\nUPDATE B;\r\nSELEC C;\r\nSELECT D;";
const RunCase kRuns[] = {
    // One statement: real column names, rows changed, the caret at an error.
    {"Query",
     {{"SELECT * FROM T", Query(3, 2)}},
     "SELECT * FROM T;\r\n",
     0,
     0,
     "Rows 3",
     "SELECT * FROM T;\r\n",
     {},
     {"C1", "C2"},
     3},
    {"Update", {{"UPDATE T", Change(3)}}, "UPDATE T", 0, 0, "Execute succeeded! Rows changed 3", "UPDATE T", {}, {}, 0},
    {"CaretAtError",
     {{"SELECT X", Failure(7)}},
     "SELECT X",
     0,
     0,
     "ORA-00900: SELECT X, approx. offset 7",
     nullptr,
     {true, 7, 0},
     {},
     0},
    {"CaretCountsTheTrimmedStart",
     {{"SELECT X", Failure(7)}},
     "\r\n  SELECT X;",
     0,
     0,
     "ORA-00900: SELECT X, approx. offset 7",
     nullptr,
     {true, 11, 0},
     {},
     0},
    {"CaretCountsTheSelectionStart",
     {{"SELECT X", Failure(7)}},
     "SELECT 1;\r\n\r\nSELECT X;",
     9,
     22,
     "ORA-00900: SELECT X, approx. offset 7",
     nullptr,
     {true, 20, 0},
     {},
     0},
    {"EmptySelectionRunsEverything",
     {{"SELECT X", Failure(2)}},
     "SELECT X",
     5,
     5,
     "ORA-00900: SELECT X, approx. offset 2",
     nullptr,
     {true, 2, 0},
     {},
     0},
    {"NegativeOffsetIsTheStatement",
     {{"SELECT X", Failure(-1)}},
     "\r\nSELECT X;",
     0,
     0,
     "ORA-00900: SELECT X, approx. offset -1",
     nullptr,
     {true, 2, 0},
     {},
     0},
    {"DescribeFailureIsNotRecorded",
     {{"SELECT A", With(Query(2), [](Scripted& s) { s.describeFails = true; })}},
     "SELECT A",
     0,
     0,
     "ORA-00900: SELECT A",
     nullptr,
     {},
     {},
     0},
    {"FetchFailureKeepsRowsAndIsRecorded",
     {{"SELECT A", With(Query(5), [](Scripted& s) { s.fetchFailsAfter = 2; })}},
     "SELECT A",
     0,
     0,
     "ORA-00900: SELECT A",
     "SELECT A",
     {},
     {"C1"},
     2},
    {"CutValuesAreCounted",
     {{"SELECT A", With(Query(2), [](Scripted& s) { s.valuesCut = 3; })}},
     "SELECT A",
     0,
     0,
     "Rows 2, 3 values cut",
     "SELECT A",
     {},
     {"C1"},
     2},
    {"SelectionIsRunAndRecorded",
     {{"SELECT 2", Query(1)}},
     "SELECT 1;\r\nSELECT 2;",
     11,
     99,
     "Rows 1",
     "SELECT 2;",
     {},
     {"C1"},
     1},
    // Scripts: generic headings, every query's rows, the failing statement selected.
    {"EmptyEditor", {}, "", 0, 0, "Rows 0", "", {}, {"Column 1"}, 0},
    {"HeadingsGrowToTheWidestQuery",
     {{"A", Query(2, 2)}, {"B", Query(1, 4)}, {"C", Query(1, 3)}},
     "A;\r\nB;\r\nC;",
     0,
     0,
     "Rows 4",
     "A;\r\nB;\r\nC;",
     {},
     {"Column 1", "Column 2", "Column 3", "Column 4"},
     4},
    {"ScriptAddsEveryQuerysCutValues",
     {{"A", With(Query(1), [](Scripted& s) { s.valuesCut = 1; })},
      {"B", With(Query(1), [](Scripted& s) { s.valuesCut = 2; })}},
     "A;B;",
     0,
     0,
     "Rows 2, 3 values cut",
     "A;B;",
     {},
     {"Column 1"},
     2},
    {"ChangesShowNoCounts", {{"A", Change(1)}, {"B", Change(7)}}, "A;B;", 0, 0, "Rows 0", "A;B;", {}, {"Column 1"}, 0},
    {"StopsAtTheThirdStatement",
     {{"SELECT A", Query(2)}, {"UPDATE B", Change(1)}, {"SELEC C", Failure(5)}},
     kScript3,
     0,
     0,
     "ORA-00900: SELEC C, approx. offset in selected area 5",
     nullptr,
     {true, 22, 7},
     {"Column 1"},
     2},
    {"SelectsTheFirstOccurrence",
     {{"SELECT 'BAD' FROM DUAL", Query(1)}, {"BAD", Failure(0)}},
     "SELECT 'BAD' FROM DUAL;\r\nBAD;",
     0,
     0,
     "ORA-00900: BAD, approx. offset in selected area 0",
     nullptr,
     {true, 8, 3},
     {"Column 1"},
     1},
    {"SelectsTheFirstOccurrenceWhenTheSecondFailed",
     {{"UPDATE T", With(Change(1), [](Scripted& s) { s.failsFromRun = 2; })}, {"COMMIT", Change(0)}},
     "UPDATE T;\r\nCOMMIT;\r\nUPDATE T;",
     0,
     0,
     "ORA-00900: UPDATE T, approx. offset in selected area 0",
     nullptr,
     {true, 0, 8},
     {"Column 1"},
     0},
    {"DescribeFailureStops",
     {{"OK", Change(0)}, {"Q", With(Query(3), [](Scripted& s) { s.describeFails = true; })}},
     "OK;\r\nQ;\r\nOK;",
     0,
     0,
     "ORA-00900: Q",
     nullptr,
     {true, 5, 1},
     {"Column 1"},
     0},
    {"FetchFailureStops",
     {{"OK", Change(0)}, {"Q", With(Query(3), [](Scripted& s) { s.fetchFailsAfter = 1; })}},
     "OK;\r\nQ;\r\nOK;",
     0,
     0,
     "ORA-00900: Q",
     nullptr,
     {true, 5, 1},
     {"Column 1"},
     1},
    {"SelectionRecordsTheWholeText",
     {{"A", Change(1)}, {"B", Change(1)}},
     "X;\r\nA;\r\nB;",
     4,
     10,
     "Rows 0",
     "X;\r\nA;\r\nB;",
     {},
     {"Column 1"},
     0},
    // SQL*Plus command lines: counted on the message line; EXECUTE runs as a block.
    {"SkippedCommandsOnOnePath",
     {{"SELECT * FROM T", Query(3, 2)}},
     "SET ECHO ON\r\nSELECT * FROM T;\r\nPROMPT x\r\n",
     0,
     0,
     "Rows 3 (2 SQL*Plus commands skipped)",
     "SET ECHO ON\r\nSELECT * FROM T;\r\nPROMPT x\r\n",
     {},
     {"C1", "C2"},
     3},
    {"SkippedCommandsOnAFailingScript",
     {{"A", Change(1)}, {"B", Failure(1)}},
     "REM it's\r\nA;\r\nB;",
     0,
     0,
     "ORA-00900: B, approx. offset in selected area 1 (1 SQL*Plus commands skipped)",
     nullptr,
     {true, 14, 1},
     {"Column 1"},
     0},
    {"ExecuteCaretCountsFromTheCommandText",
     {{"BEGIN p(x); END;", Failure(8)}},
     "EXEC p(x);",
     0,
     0,
     "ORA-00900: BEGIN p(x); END;, approx. offset 8",
     nullptr,
     {true, 7, 0},
     {},
     0},
    {"FailingExecuteSelectsTheCommandText",
     {{"A", Change(1)}, {"BEGIN p(x); END;", Failure(8)}},
     "A;\r\nEXECUTE p(x)",
     0,
     0,
     "ORA-00900: BEGIN p(x); END;, approx. offset in selected area 8",
     nullptr,
     {true, 12, 4},
     {"Column 1"},
     0},
    // WHENEVER SQLERROR: CONTINUE goes on and shows the first failure at the end.
    {"WheneverContinue",
     {{"A", Failure(1)}, {"B", Query(1)}, {"C", Failure(0)}},
     "WHENEVER SQLERROR CONTINUE NONE\r\nA;\r\nB;\r\nC;",
     0,
     0,
     "ORA-00900: A, approx. offset in selected area 1 (2 of 3 statements failed) (1 SQL*Plus commands skipped)",
     nullptr,
     {true, 33, 1},
     {"Column 1"},
     1},
    {"WheneverExitStopsAgain",
     {{"A", Failure(1)}, {"B", Failure(2)}, {"C", Query(1)}},
     "WHENEVER SQLERROR CONTINUE\r\nA;\r\nWHENEVER SQLERROR EXIT FAILURE\r\nB;\r\nC;",
     0,
     0,
     "ORA-00900: B, approx. offset in selected area 2 (2 SQL*Plus commands skipped)",
     nullptr,
     {true, 64, 1},
     {"Column 1"},
     0},
    // Substitution: the typed text is recorded, an error's caret lands in the typed text.
    {"DefinedVariableIsSentTypedTextRecorded",
     {{"SELECT * FROM T", Query(1)}},
     "DEFINE t = T\r\nSELECT * FROM &t;",
     0,
     0,
     "Rows 1 (1 SQL*Plus commands skipped)",
     "DEFINE t = T\r\nSELECT * FROM &t;",
     {},
     {"C1"},
     1},
    {"CaretAfterAValue",
     {{"SELECT EMPLOYEES X", Failure(17)}},
     "DEFINE t = EMPLOYEES\r\nSELECT &t X",
     0,
     0,
     "ORA-00900: SELECT EMPLOYEES X, approx. offset 17 (1 SQL*Plus commands skipped)",
     nullptr,
     {true, 32, 0},
     {},
     0},
    {"CaretInsideAValueIsTheStatementsStart",
     {{"SELECT EMPLOYEES X", Failure(9)}},
     "DEFINE t = EMPLOYEES\r\nSELECT &t X",
     0,
     0,
     "ORA-00900: SELECT EMPLOYEES X, approx. offset 9 (1 SQL*Plus commands skipped)",
     nullptr,
     {true, 22, 0},
     {},
     0},
    {"CancelStopsBeforeTheStatement",
     {{"A", Change(1)}},
     "SET ECHO ON\r\nA;\r\nSELECT &x;\r\nA;",
     0,
     0,
     "Stopped: no value for substitution variable x",
     nullptr,
     {},
     {"Column 1"},
     0},
};

class Runs : public ::testing::TestWithParam<RunCase> {};

TEST_P(Runs, MessageHistoryEditorAndList) {
  const RunCase& c = GetParam();
  FakeStatements source;
  source.script = c.script;
  FakeResultList list;
  list.rows = {{"stale"}};
  const ExecutionOutcome outcome = RunText(source, list, c.text, c.selStart, c.selEnd);
  EXPECT_EQ(c.message, outcome.message);
  EXPECT_EQ(c.recorded != nullptr, outcome.recorded);
  EXPECT_EQ(c.recorded ? c.recorded : "", outcome.recorded ? outcome.historyText : "");
  EXPECT_EQ(c.mark, outcome.mark);
  EXPECT_EQ(c.headings, list.headings);
  EXPECT_EQ(std::vector<int>(c.headings.size(), 70), list.widths);
  EXPECT_EQ(c.rows, list.RowCount());
  EXPECT_TRUE(list.redraw);
}

INSTANTIATE_TEST_SUITE_P(Execute, Runs, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<RunCase>& info) { return info.param.name; });

TEST(Execute, RowsKeepFetchOrderAndEachQueryFillsItsOwnColumns) {
  FakeStatements source;
  source.script = {{"A", Query(1, 1)}, {"B", Query(2, 3)}};
  FakeResultList list;
  RunText(source, list, "A;\r\nB;");
  EXPECT_EQ((Rows{{"r0c0"}, {"r0c0", "r0c1", "r0c2"}, {"r1c0", "r1c1", "r1c2"}}), list.rows);
  EXPECT_EQ((Texts{"execute", "describe", "fetch", "fetch", "execute", "describe", "fetch", "fetch", "fetch"}),
            source.calls);
}

TEST(Execute, WithoutSeparatorsTheWholeTextIsOneStatement) {
  FakeStatements source;
  source.script = {{"", Change(0)}, {"A;\r\nB;", Change(2)}};
  FakeResultList list;
  EXPECT_EQ("Execute succeeded! Rows changed 0", RunText(source, list, "", 0, 0, "", "").message);
  EXPECT_EQ("Execute succeeded! Rows changed 2", RunText(source, list, "A;\r\nB;", 0, 0, "", "").message);
  EXPECT_EQ((Texts{"", "A;\r\nB;"}), source.executed);
}

TEST(Execute, VariablesAndSettingsOutlastTheRun) {
  FakeStatements source;
  source.script = {{"SELECT 'AT&T', 1", Query(1)}};
  FakeResultList list;
  list.values = {"1"};
  SubstitutionSession session;
  ExecuteText({"ACCEPT n NUMBER\r\nSET DEFINE ~", 0, 0, ";", "/", &session}, source, list);
  EXPECT_EQ("Rows 1", ExecuteText({"SELECT 'AT&T', ~n;", 0, 0, ";", "/", &session}, source, list).message);
  EXPECT_EQ((Texts{"SELECT 'AT&T', 1"}), source.executed);
  EXPECT_EQ(1u, list.asks.size());
}

struct ReadAllCase {
  const char* name;
  std::map<std::string, Scripted> script;
  std::string text;
  bool intoList;  // QueryIntoList instead of Execute
  std::vector<bool> answers;
  std::vector<int> askedAt;
  std::string message;
};

void PrintTo(const ReadAllCase& c, std::ostream* os) { *os << c.name; }

const ReadAllCase kReadAll[] = {
    {"BelowTheLimit", {{"Q", Query(499)}}, "Q", false, {}, {}, "Rows 499"},
    {"AtTheLimit", {{"Q", Query(500)}}, "Q", false, {true}, {500}, "Rows 500"},
    {"No", {{"Q", Query(1200)}}, "Q", false, {false}, {500}, "Rows 500"},
    {"Yes", {{"Q", Query(1200)}}, "Q", false, {true}, {500}, "Rows 1200"},
    {"ScriptAsksInTheSecondQuery", {{"A", Query(400)}, {"B", Query(400)}}, "A;B;", false, {true}, {500}, "Rows 800"},
    {"ScriptAsksAgainAfterNo",
     {{"A", Query(400)}, {"B", Query(400)}, {"C", Query(400)}},
     "A;B;C;",
     false,
     {},
     {500, 501},
     "Rows 501"},
    {"ScriptYesHoldsForLaterQueries",
     {{"A", Query(600)}, {"B", Query(600)}},
     "A;B;",
     false,
     {true},
     {500},
     "Rows 1200"},
    {"ListBelowItsLimit", {{"Q", Query(999)}}, "Q", true, {}, {}, "Rows 999"},
    {"ListAsksAfterTheThousandth", {{"Q", Query(1001)}}, "Q", true, {false}, {1000}, "Rows 1000"},
};

class ReadAll : public ::testing::TestWithParam<ReadAllCase> {};

TEST_P(ReadAll, AsksOnceAtTheLimitAndStopsOnNo) {
  const ReadAllCase& c = GetParam();
  FakeStatements source;
  source.script = c.script;
  FakeResultList list;
  list.answers = c.answers;
  const ExecutionOutcome outcome = c.intoList ? QueryIntoList(c.text, source, list) : RunText(source, list, c.text);
  EXPECT_EQ(c.message, outcome.message);
  EXPECT_EQ(c.askedAt, list.askedAt);
  const std::string limit = c.intoList ? "1000" : "500";
  for (const std::string& question : list.questions)
    EXPECT_EQ("You have read " + limit + " rows do you want to read all?", question);
  EXPECT_EQ(std::vector<bool>(list.questions.size(), true), list.drawnAtQuestion) << "rows read so far are shown";
  EXPECT_EQ(0, list.rowsAddedWhileDrawing);
  EXPECT_TRUE(list.redraw);
}

INSTANTIATE_TEST_SUITE_P(Questions, ReadAll, ::testing::ValuesIn(kReadAll),
                         [](const ::testing::TestParamInfo<ReadAllCase>& info) { return info.param.name; });

// Running out of memory, in the fetch (std::bad_alloc) or in the list (a row it cannot take).
struct MemoryCase {
  const char* name;
  Scripted query;  // the statement Q
  int capacity;    // rows the list can take
  std::string text;
  bool intoList;  // QueryIntoList instead of Execute
  int rows;
  EditorMark mark;
  bool recorded;
};

void PrintTo(const MemoryCase& c, std::ostream* os) { *os << c.name; }

const Scripted kThrowsAfterThree = With(Query(9), [](Scripted& s) { s.fetchThrowsAfter = 3; });
const MemoryCase kMemory[] = {
    {"FetchThrows", kThrowsAfterThree, -1, "Q", false, 3, {}, true},
    {"ListIsFull", Query(9), 2, "Q", false, 2, {}, true},
    {"ScriptStopsAtTheStatement", kThrowsAfterThree, -1, "OK;\r\nQ;\r\nNEVER;", false, 3, {true, 5, 1}, false},
    {"ScriptListIsFull", Query(9), 4, "Q;\r\nNEVER;", false, 4, {true, 0, 1}, false},
    {"IntoListFetchThrows", kThrowsAfterThree, -1, "Q", true, 3, {}, false},
    {"IntoListIsFull", Query(9), 0, "Q", true, 0, {}, false},
};

class OutOfMemory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(OutOfMemory, KeepsTheRowsClosesTheQueryAndTheNextStatementRuns) {
  const MemoryCase& c = GetParam();
  FakeStatements source;
  source.script = {{"Q", c.query}, {"OK", Change(0)}, {"NEXT", Query(2)}};
  FakeResultList list;
  list.capacity = c.capacity;
  const ExecutionOutcome outcome = c.intoList ? QueryIntoList(c.text, source, list) : RunText(source, list, c.text);
  EXPECT_EQ("Not enough memory: read " + std::to_string(c.rows) + " rows", outcome.message);
  EXPECT_EQ(c.rows, list.RowCount());
  EXPECT_EQ("close", source.calls.back());
  EXPECT_EQ(c.mark, outcome.mark);
  EXPECT_EQ(c.recorded, outcome.recorded);
  EXPECT_TRUE(list.redraw);
  list.capacity = -1;
  EXPECT_EQ("Rows 2", RunText(source, list, "NEXT").message);
}

INSTANTIATE_TEST_SUITE_P(Fill, OutOfMemory, ::testing::ValuesIn(kMemory),
                         [](const ::testing::TestParamInfo<MemoryCase>& info) { return info.param.name; });

TEST(QueryIntoList, NamedColumnsOfOneHundredPixelsAndNothingRecorded) {
  FakeStatements source;
  source.script = {{"Q; R", Query(2, 2)}, {"DELETE FROM T", Change(4)}};
  FakeResultList list;
  const ExecutionOutcome query = QueryIntoList("Q; R", source, list);
  EXPECT_EQ("Rows 2", query.message) << "the statement is not split";
  EXPECT_EQ((Texts{"C1", "C2"}), list.headings);
  EXPECT_EQ((std::vector<int>{100, 100}), list.widths);
  EXPECT_FALSE(query.recorded || query.mark.placed);
  EXPECT_EQ("Execute succeeded! Rows changed 4", QueryIntoList("DELETE FROM T", source, list).message);
  const ExecutionOutcome failure = QueryIntoList("SELECT * FROM NOWHERE", source, list);
  EXPECT_EQ("ORA-00900: SELECT * FROM NOWHERE", failure.message) << "no offset";
  EXPECT_TRUE(list.headings.empty() && list.rows.empty());
}

}  // namespace

namespace {

struct AtCaretCase {
  const char* name;
  std::string text;
  std::size_t selStart, selEnd;  // equal: the caret
  std::string executed;          // the one statement sent ("" when none)
  const char* recorded;
  EditorMark mark;
};

void PrintTo(const AtCaretCase& c, std::ostream* os) { *os << c.name; }

const char kTwo[] = "SELECT A;\r\n\r\n-- the second\r\nSELECT B;\r\n\r\n";
const char kBlock[] = "BEGIN\r\n  NULL;\r\nEND;\r\n/\r\nSELECT A;";
const AtCaretCase kAtCaret[] = {
    {"InsideTheFirst", kTwo, 3, 3, "SELECT A", "SELECT A", {}},
    {"AtTheStartOfTheText", kTwo, 0, 0, "SELECT A", "SELECT A", {}},
    {"BehindItsSeparatorOnItsLine", kTwo, 9, 9, "SELECT A", "SELECT A", {}},
    {"BlankLineTakesTheNext", kTwo, 11, 11, "-- the second\r\nSELECT B", "-- the second\r\nSELECT B", {}},
    {"InItsCommentLine", kTwo, 16, 16, "-- the second\r\nSELECT B", "-- the second\r\nSELECT B", {}},
    {"EndOfTheTextTakesTheLast", kTwo, 41, 41, "-- the second\r\nSELECT B", "-- the second\r\nSELECT B", {}},
    {"BlockIsOneStatement", kBlock, 9, 9, "BEGIN\r\n  NULL;\r\nEND;", "BEGIN\r\n  NULL;\r\nEND;", {}},
    {"OnTheBlocksSeparatorLine", kBlock, 23, 23, "BEGIN\r\n  NULL;\r\nEND;", "BEGIN\r\n  NULL;\r\nEND;", {}},
    {"LineAfterTheBlock", kBlock, 25, 25, "SELECT A", "SELECT A", {}},
    {"TrimmedRemainder", "SELECT A; SELECT B", 10, 10, "SELECT B", "SELECT B", {}},
    {"ErrorCaretCountsTheStatementsPlace", "SELECT A;\r\nSELEC X;", 12, 12, "SELEC X", nullptr, {true, 15, 0}},
    {"SelectionIsExactlyExecute", kTwo, 0, 19, "SELECT A", "SELECT A;\r\n\r\n-- the", {}},
    {"NoStatementRunsTheEmptyScript", "\r\n-- nothing\r\n", 2, 2, "", "\r\n-- nothing\r\n", {}},
};

class AtCaret : public ::testing::TestWithParam<AtCaretCase> {};

TEST_P(AtCaret, RunsTheStatementThatHoldsTheCaret) {
  const AtCaretCase& c = GetParam();
  FakeStatements source;
  source.script = {{"SELECT A", Query(1)},
                   {"-- the second\r\nSELECT B", Query(1)},
                   {"BEGIN\r\n  NULL;\r\nEND;", Change(0)},
                   {"SELECT B", Query(1)},
                   {"SELEC X", Failure(4)}};
  FakeResultList list;
  const ExecutionOutcome outcome = ExecuteStatementAtCaret({c.text, c.selStart, c.selEnd, ";", "/"}, source, list);
  EXPECT_EQ(c.executed.empty() ? Texts{} : Texts{c.executed}, source.executed);
  EXPECT_EQ(c.recorded != nullptr, outcome.recorded);
  EXPECT_EQ(c.recorded ? c.recorded : "", outcome.recorded ? outcome.historyText : "");
  EXPECT_EQ(c.mark, outcome.mark);
}

INSTANTIATE_TEST_SUITE_P(ExecuteStatement, AtCaret, ::testing::ValuesIn(kAtCaret),
                         [](const ::testing::TestParamInfo<AtCaretCase>& info) { return info.param.name; });

}  // namespace
