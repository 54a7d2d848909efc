#include "DatabaseDocument.h"

#include <algorithm>

#include "TextBuffer.h"

namespace {

const char kNoMessageText[] = "No message! Are you connected to the database?";
const size_t kErrorTextSize = 4096;
const char kTransactionQuery[] = "SELECT DBMS_TRANSACTION.LOCAL_TRANSACTION_ID FROM DUAL";

// Trailing line feeds go, inner ones become blanks: the message line shows one line.
std::string OneLine(std::string text) {
  text.erase(text.find_last_not_of('\n') + 1);
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

}  // namespace

DbResult DatabaseDocument::Connect(const std::string& database, const std::string& user, const std::string& password,
                                   int loginType) {
  transaction_.Reset();
  return connection_.Connect(database.data(), database.size(), user.data(), user.size(), password.data(),
                             password.size(), loginType);
}

DbResult DatabaseDocument::Disconnect() {
  transaction_.Reset();
  return connection_.Disconnect();
}

DbResult DatabaseDocument::SetManualCommit(bool manual) {
  manualCommit_ = manual;
  return connection_.SetManualCommit(manual ? 1 : 0);
}

DbResult DatabaseDocument::Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                                   int& errorOffset) {
  std::string text = statement;
  std::replace(text.begin(), text.end(), '\r', ' ');
  const DbResult result = connection_.Execute(text.data(), text.size(), isQuery, columnCount, rowCount, errorOffset);
  if (result == DB_OK) transaction_.Note(text, isQuery != 0, manualCommit_);
  return result;
}

DbResult DatabaseDocument::DescribeColumns(int columnCount, std::vector<std::string>& names) {
  return connection_.DescribeColumns(columnCount, names);
}

DbResult DatabaseDocument::FetchRow(int columnCount, std::vector<std::string>& values) {
  return connection_.FetchRow(columnCount, values);
}

std::string DatabaseDocument::GetErrorText() {
  std::vector<char> buffer(kErrorTextSize, 0);
  int errorCode = 0;
  if (connection_.GetErrorText(buffer.data(), buffer.size(), errorCode) != DB_OK) return kNoMessageText;
  return OneLine(TextUpToZero(buffer.data(), buffer.size()));
}

DbResult DatabaseDocument::CloseQuery() { return connection_.CloseQuery(); }

bool DatabaseDocument::HasPendingChanges() {
  if (!manualCommit_) return false;
  int isQuery = 0, columnCount = 0, rowCount = 0, errorOffset = 0;
  std::vector<std::string> names;
  std::vector<std::string> id;
  const bool answered = connection_.Execute(kTransactionQuery, sizeof kTransactionQuery - 1, isQuery, columnCount,
                                            rowCount, errorOffset) == DB_OK &&
                        isQuery && columnCount == 1 && connection_.DescribeColumns(1, names) == DB_OK &&
                        connection_.FetchRow(1, id) == DB_OK && id.size() == 1;
  connection_.CloseQuery();
  return answered ? id[0] != "NULL" : transaction_.Open();
}
