#include "DemoSession.h"

#include "ScratchData.h"

Outcome RunSql(DatabaseDocument& document, const std::string& sql) {
  Outcome outcome;
  outcome.result = document.Execute(sql, outcome.isQuery, outcome.columnCount, outcome.rowCount, outcome.errorOffset);
  if (outcome.result != DB_OK) {
    outcome.error = document.GetErrorText();
    return outcome;
  }
  if (!outcome.isQuery) return outcome;
  document.DescribeColumns(outcome.columnCount, outcome.columns);
  std::vector<std::string> values;
  while ((outcome.fetchEnd = document.FetchRow(outcome.columnCount, values)) == DB_OK) outcome.rows.push_back(values);
  if (outcome.fetchEnd != DB_NO_DATA) outcome.error = document.GetErrorText();
  return outcome;
}

std::vector<std::string> ColumnValues(const Outcome& outcome, const std::string& heading) {
  std::vector<std::string> values;
  for (size_t i = 0; i < outcome.columns.size(); ++i) {
    if (outcome.columns[i] != heading) continue;
    for (const std::vector<std::string>& row : outcome.rows) values.push_back(row[i]);
  }
  return values;
}

namespace {

void SeedDemo() {
  DatabaseDocument document;
  ASSERT_EQ(DB_OK, document.Connect("DEMO", "SCOTT", "tiger", LOGIN_NORMAL)) << document.GetErrorText();
  document.Disconnect();
}

}  // namespace

void DemoSessionTest::SetUp() {
  UseFreshDemoCopy(OCILITE_TEST_PROGRAM, SeedDemo);
  ConnectAs(scott_, "SCOTT", "tiger");
}

void DemoSessionTest::ConnectAs(DatabaseDocument& document, const std::string& user, const std::string& password,
                                int loginType) {
  ASSERT_EQ(DB_OK, document.Connect("DEMO", user, password, loginType)) << document.GetErrorText();
}
