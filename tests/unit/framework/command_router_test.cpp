#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "CommandRouter.h"

namespace {

// Handles a set of commands, records what reached it, and enables or disables the
// commands it has update handlers for.
class Target : public fw::CmdTarget {
 public:
  Target(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

  Target& Handles(unsigned id) {
    handled_.insert(id);
    return *this;
  }
  Target& Updates(unsigned id, bool enabled, bool checked = false) {
    updates_[id] = {enabled, checked};
    return *this;
  }

  bool OnCommand(unsigned id) override {
    if (!handled_.count(id)) return false;
    log_.push_back(name_ + ":" + std::to_string(id));
    return true;
  }
  bool OnUpdateCommand(fw::CmdUI& ui) override {
    auto it = updates_.find(ui.id);
    if (it == updates_.end()) return false;
    ui.enabled = it->second.first;
    ui.checked = it->second.second;
    return true;
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
  std::set<unsigned> handled_;
  std::map<unsigned, std::pair<bool, bool>> updates_;
};

struct Chain : ::testing::Test {
  std::vector<std::string> log;
  Target view{"view", log};
  Target frame{"frame", log};
  Target app{"app", log};
};

TEST_F(Chain, CommandGoesToTheFirstTargetThatHandlesIt) {
  view.Handles(32772);
  frame.Handles(32772).Handles(59392);
  app.Handles(59392).Handles(57664);
  EXPECT_TRUE(fw::RouteCommand({&view, &frame, &app}, 32772));
  EXPECT_TRUE(fw::RouteCommand({&view, &frame, &app}, 59392));
  EXPECT_TRUE(fw::RouteCommand({&view, &frame, &app}, 57664));
  EXPECT_EQ((std::vector<std::string>{"view:32772", "frame:59392", "app:57664"}), log);
}

TEST_F(Chain, UnhandledCommandReportsFalseAndReachesNobody) {
  view.Handles(1);
  EXPECT_FALSE(fw::RouteCommand({&view, &frame, &app}, 57680));
  EXPECT_TRUE(log.empty());
}

TEST_F(Chain, NullTargetsAreSkipped) {
  app.Handles(57665);
  EXPECT_TRUE(fw::RouteCommand({nullptr, &frame, nullptr, &app}, 57665));
  EXPECT_EQ(std::vector<std::string>{"app:57665"}, log);
}

TEST_F(Chain, FirstUpdateHandlerDecides) {
  view.Updates(32773, false);
  frame.Updates(32773, true, true);
  const fw::CmdUI ui = fw::QueryCommand({&view, &frame, &app}, 32773);
  EXPECT_EQ(32773u, ui.id);
  EXPECT_FALSE(ui.enabled);
  EXPECT_FALSE(ui.checked);
}

TEST_F(Chain, LaterTargetDecidesWhenEarlierOnesHaveNoHandler) {
  frame.Updates(59392, true, true);
  const fw::CmdUI ui = fw::QueryCommand({&view, &frame, &app}, 59392);
  EXPECT_TRUE(ui.enabled);
  EXPECT_TRUE(ui.checked);
}

TEST_F(Chain, CommandsWithoutUpdateHandlerAreEnabledAndUnchecked) {
  view.Updates(32773, false);
  const fw::CmdUI ui = fw::QueryCommand({&view, &frame, &app}, 32780);
  EXPECT_TRUE(ui.enabled);
  EXPECT_FALSE(ui.checked);
}

}  // namespace
