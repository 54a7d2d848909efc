#include <gtest/gtest.h>

#include "FakeStatements.h"
#include "ResultFiller.h"

namespace {

struct FillCase {
  const char* name;
  int rows;
  int limit;
  std::vector<bool> answers;
  std::vector<int> askedAt;  // rows in the list at each question
  int rowsShown;
  FillEnd end;
};

const FillCase kFillCases[] = {
    {"BelowTheLimitNoQuestion", 499, 500, {}, {}, 499, FillEnd::AllRead},
    {"ExactlyTheLimitAsksOnce", 500, 500, {true}, {500}, 500, FillEnd::AllRead},
    {"NoStopsAtTheLimit", 1200, 500, {false}, {500}, 500, FillEnd::Declined},
    {"YesReadsEveryRowAndAsksOnce", 1200, 500, {true}, {500}, 1200, FillEnd::AllRead},
    {"ListLimitBelow", 999, 1000, {}, {}, 999, FillEnd::AllRead},
    {"ListLimitAsksAfterTheThousandth", 1001, 1000, {false}, {1000}, 1000, FillEnd::Declined},
    {"NoRows", 0, 500, {}, {}, 0, FillEnd::AllRead},
};

class FillRowsTable : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillRowsTable, AsksAtTheLimitAndStopsOnNo) {
  const FillCase& c = GetParam();
  FakeStatements source;
  source.script["q"] = NumberedQuery(c.rows, 2);
  FakeResultList list;
  list.answers = c.answers;
  int isQuery, columns, changed, offset;
  ASSERT_EQ(DB_OK, source.Execute("q", isQuery, columns, changed, offset));

  ReadAllQuestion question(c.limit);
  EXPECT_EQ(c.end, FillRows(source, columns, list, question));
  EXPECT_EQ(c.askedAt, list.rowsAtQuestion);
  ASSERT_EQ(c.rowsShown, list.RowCount());
  if (c.rowsShown > 0) {
    const std::string last = "r" + std::to_string(c.rowsShown - 1);
    EXPECT_EQ((Row{last + "c0", last + "c1"}), list.rows.back()) << "rows arrive in fetch order";
  }
  for (const std::string& text : list.questions) {
    EXPECT_EQ("You have read " + std::to_string(c.limit) + " rows do you want to read all?", text);
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, FillRowsTable, ::testing::ValuesIn(kFillCases),
                         [](const ::testing::TestParamInfo<FillCase>& info) { return info.param.name; });

TEST(FillRows, DoesNotDrawWhileRowsArriveButShowsThemBehindTheQuestionAndAtTheEnd) {
  FakeStatements source;
  source.script["q"] = NumberedQuery(1200);
  FakeResultList list;
  list.answers = {true};
  int isQuery, columns, changed, offset;
  source.Execute("q", isQuery, columns, changed, offset);
  ReadAllQuestion question(500);
  FillRows(source, columns, list, question);
  EXPECT_EQ(0, list.rowsAddedWhileDrawing);
  EXPECT_EQ(std::vector<bool>{true}, list.redrawAtQuestion);
  EXPECT_TRUE(list.redraw);
  EXPECT_FALSE(question.ask) << "Yes is never asked again in the same execution";
}

TEST(FillRows, FailureKeepsTheRowsAndDrawsAgain) {
  FakeStatements source;
  ScriptedStatement query = NumberedQuery(10);
  query.fetchFailsAfter = 4;
  source.script["q"] = query;
  FakeResultList list;
  int isQuery, columns, changed, offset;
  source.Execute("q", isQuery, columns, changed, offset);
  ReadAllQuestion question(500);
  EXPECT_EQ(FillEnd::Failed, FillRows(source, columns, list, question));
  EXPECT_EQ(4, list.RowCount());
  EXPECT_TRUE(list.redraw);
}

TEST(FillRows, AnAnsweredQuestionIsNotAskedAgainOnALaterQuery) {
  FakeStatements source;
  source.script["a"] = NumberedQuery(600);
  source.script["b"] = NumberedQuery(600);
  FakeResultList list;
  list.answers = {true};
  ReadAllQuestion question(500);
  int isQuery, columns, changed, offset;
  for (const char* statement : {"a", "b"}) {
    source.Execute(statement, isQuery, columns, changed, offset);
    EXPECT_EQ(FillEnd::AllRead, FillRows(source, columns, list, question));
  }
  EXPECT_EQ(1u, list.questions.size());
  EXPECT_EQ(1200, list.RowCount());
}

}  // namespace
