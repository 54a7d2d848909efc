#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatementHistory.h"

namespace {

// One step of a walk: add a text ('+'), Back ('<') or Forward ('>'), then what the view sees.
struct Move {
  char step;
  std::string text;  // added, or expected to be shown
  int position;
  bool canGoBack, canGoForward;
};

void Walk(StatementHistory& history, const std::vector<Move>& moves) {
  for (const Move& m : moves) {
    SCOPED_TRACE(std::string(1, m.step) + m.text + " to " + std::to_string(m.position));
    std::string shown;
    bool moved = true;
    switch (m.step) {
      case '+':
        history.AddToHistory(m.text);
        shown = m.text;
        break;
      case '<': moved = history.Back(shown); break;
      default: moved = history.Forward(shown); break;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(m.text, shown);
    EXPECT_EQ(m.position, history.Position());
    EXPECT_EQ(m.canGoBack, history.CanGoBack());
    EXPECT_EQ(m.canGoForward, history.CanGoForward());
  }
}

TEST(StatementHistory, EmptyHistoryDisablesBothAndDoesNothing) {
  StatementHistory history;
  std::string text = "editor";
  EXPECT_FALSE(history.CanGoBack() || history.CanGoForward());
  EXPECT_FALSE(history.Back(text) || history.Forward(text));
  EXPECT_EQ("editor", text);
  EXPECT_EQ(-1, history.Position());
}

TEST(StatementHistory, OneExecutionShowsItselfOnBack) {
  StatementHistory history;
  Walk(history, {{'+', "A", 1, true, false}, {'<', "A", 1, true, false}, {'>', "A", 1, true, false}});
}

TEST(StatementHistory, BackStopsAtFirstForwardAtLastAndAddingCutsNothingOff) {
  StatementHistory history;
  Walk(history, {{'+', "A", 1, true, false},
                 {'+', "B", 2, true, false},
                 {'+', "C", 3, true, false},
                 {'<', "B", 2, true, true},
                 {'<', "A", 1, true, true},
                 {'<', "A", 1, true, true},
                 {'>', "B", 2, true, true},
                 {'>', "C", 3, true, false},
                 {'<', "B", 2, true, true},
                 {'<', "A", 1, true, true},
                 {'+', "A", 4, true, false},
                 {'<', "C", 3, true, true}});
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C", "A"}), history.Entries());
}

// Texts cross the ends of the blocks they are kept in, and one is longer than a block.
TEST(StatementHistory, ManyAndLongTextsComeBackWhole) {
  StatementHistory history;
  std::vector<std::string> added;
  for (int i = 0; i < 3000; ++i) {
    added.push_back(i == 1500 ? std::string(100000, 'x') + "end" : i == 7 ? "" : "SELECT " + std::to_string(i) + " FROM DUAL");
    history.AddToHistory(added.back());
  }
  EXPECT_EQ(added, history.Entries());
  std::string shown;
  while (history.Position() > 1501) history.Back(shown);
  EXPECT_EQ(added[1500], shown);
}

}  // namespace
