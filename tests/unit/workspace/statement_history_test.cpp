#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatementHistory.h"

namespace {

// One step of a walk through the history and what the view would see after it.
enum class Step { Add, Back, Forward };
struct Move {
  Step step;
  std::string added;     // for Add
  std::string shown;     // for Back and Forward: the text handed out
  int position;
  bool canGoBack;
  bool canGoForward;
};

void Walk(const std::vector<Move>& moves) {
  StatementHistory history;
  for (size_t k = 0; k < moves.size(); ++k) {
    const Move& m = moves[k];
    SCOPED_TRACE("move " + std::to_string(k));
    std::string text = "untouched";
    switch (m.step) {
      case Step::Add:
        history.AddToHistory(m.added);
        break;
      case Step::Back:
        EXPECT_TRUE(history.Back(text));
        EXPECT_EQ(m.shown, text);
        break;
      case Step::Forward:
        EXPECT_TRUE(history.Forward(text));
        EXPECT_EQ(m.shown, text);
        break;
    }
    EXPECT_EQ(m.position, history.Position());
    EXPECT_EQ(m.canGoBack, history.CanGoBack());
    EXPECT_EQ(m.canGoForward, history.CanGoForward());
  }
}

TEST(StatementHistory, EmptyHistoryDisablesBothAndDoesNothing) {
  StatementHistory history;
  std::string text = "editor text";
  EXPECT_FALSE(history.CanGoBack());
  EXPECT_FALSE(history.CanGoForward());
  EXPECT_FALSE(history.Back(text));
  EXPECT_FALSE(history.Forward(text));
  EXPECT_EQ("editor text", text);
  EXPECT_EQ(-1, history.Position());
  EXPECT_TRUE(history.Entries().empty());
}

TEST(StatementHistory, OneExecutionShowsItselfOnBack) {
  Walk({
      {Step::Add, "A", "", 1, true, false},
      {Step::Back, "", "A", 1, true, false},
      {Step::Back, "", "A", 1, true, false},
      {Step::Forward, "", "A", 1, true, false},
  });
}

TEST(StatementHistory, BackStopsAtFirstAndForwardAtLast) {
  Walk({
      {Step::Add, "A", "", 1, true, false},
      {Step::Add, "B", "", 2, true, false},
      {Step::Add, "C", "", 3, true, false},
      {Step::Back, "", "B", 2, true, true},
      {Step::Back, "", "A", 1, true, true},
      {Step::Back, "", "A", 1, true, true},
      {Step::Forward, "", "B", 2, true, true},
      {Step::Forward, "", "C", 3, true, false},
      {Step::Forward, "", "C", 3, true, false},
  });
}

TEST(StatementHistory, AddingAfterBackAppendsAndCutsNothingOff) {
  StatementHistory history;
  for (const char* text : {"A", "B", "C"}) history.AddToHistory(text);
  std::string shown;
  history.Back(shown);
  history.Back(shown);
  ASSERT_EQ("A", shown);
  history.AddToHistory("A");
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C", "A"}), history.Entries());
  EXPECT_EQ(4, history.Position());
  EXPECT_FALSE(history.CanGoForward());
  EXPECT_TRUE(history.Back(shown));
  EXPECT_EQ("C", shown);
}

TEST(StatementHistory, IdenticalAndEmptyTextsAreRecordedEachTime) {
  StatementHistory history;
  history.AddToHistory("");
  history.AddToHistory("");
  EXPECT_EQ(2u, history.Entries().size());
  EXPECT_EQ(2, history.Position());
}

}  // namespace
