// Runs statements through the real DatabaseDocument against a fresh copy of the demo
// database, and collects what the program would show.
#ifndef ZENQUILL_TESTS_OCILITE_DEMOSESSION_H
#define ZENQUILL_TESTS_OCILITE_DEMOSESSION_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseDocument.h"

// What one statement gave back, as the statement runner sees it.
struct Outcome {
  DbResult result = DB_ERROR;
  int isQuery = 0;
  int columnCount = 0;
  int rowCount = 0;
  int errorOffset = 0;
  std::string error;  // GetErrorText when result is not DB_OK
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  DbResult fetchEnd = DB_OK;  // the FetchRow result that ended the rows
};

Outcome RunSql(DatabaseDocument& document, const std::string& sql);

// A column of a query's rows, by heading.
std::vector<std::string> ColumnValues(const Outcome& outcome, const std::string& heading);

class DemoSessionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void ConnectAs(DatabaseDocument& document, const std::string& user, const std::string& password,
                 int loginType = LOGIN_NORMAL);

  DatabaseDocument scott_;
};

#endif
