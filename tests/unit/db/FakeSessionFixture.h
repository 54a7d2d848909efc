// A document over the scripted double in the working directory, with the double reset for
// each test and checked afterwards for handles used after being freed or never allocated.
#ifndef ZENQUILL_TESTS_FAKESESSIONFIXTURE_H
#define ZENQUILL_TESTS_FAKESESSIONFIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DatabaseDocument.h"
#include "FakeOciClient.h"

struct ExecuteOutcome {
  DbResult result;
  int isQuery, columnCount, rowCount, errorOffset;
};

class FakeSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fake.IsOpen()) << "the double is not in the working directory";
    fake.FakeOciReset();
    document = std::make_unique<DatabaseDocument>();
  }
  void TearDown() override {
    document.reset();
    if (!fake.IsOpen()) return;
    EXPECT_EQ(0, fake.FakeOciLiveHandles()) << "handles left after the document was destroyed";
    EXPECT_EQ(0, fake.FakeOciInvalidHandleUses());
  }

  DbResult ConnectAsScott() { return document->Connect("ORCL", "scott", "tiger", LOGIN_NORMAL); }
  // The calls of one step: note CallsSoFar before it, read CallsSince after it.
  size_t CallsSoFar() const { return fake.Calls().size(); }
  std::vector<std::string> CallsSince(size_t start) const {
    std::vector<std::string> calls = fake.Calls();
    return std::vector<std::string>(calls.begin() + start, calls.end());
  }
  ExecuteOutcome Run(const std::string& statement) {
    ExecuteOutcome outcome{DB_OK, -1, -1, -1, -1};
    outcome.result =
        document->Execute(statement, outcome.isQuery, outcome.columnCount, outcome.rowCount, outcome.errorOffset);
    return outcome;
  }

  FakeOciClient fake;
  std::unique_ptr<DatabaseDocument> document;
};

// The same, connected as SCOTT before each test.
class FakeConnectedSession : public FakeSession {
 protected:
  void SetUp() override {
    FakeSession::SetUp();
    ASSERT_EQ(DB_OK, ConnectAsScott());
  }
};

#endif
