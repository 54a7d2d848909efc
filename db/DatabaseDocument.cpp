#include "DatabaseDocument.h"

#include <algorithm>

#include "TextBuffer.h"

namespace {

const char kNoMessageText[] = "No message! Are you connected to the database?";
const size_t kErrorTextSize = 4096;

// Trailing line feeds go, inner ones become blanks: the message line shows one line.
std::string OneLine(std::string text) {
  text.erase(text.find_last_not_of('\n') + 1);
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

}  // namespace

DbResult DatabaseDocument::Connect(const std::string& database, const std::string& user, const std::string& password,
                                   int loginType) {
  return connection_.Connect(database.data(), database.size(), user.data(), user.size(), password.data(),
                             password.size(), loginType);
}

DbResult DatabaseDocument::Disconnect() { return connection_.Disconnect(); }

DbResult DatabaseDocument::SetManualCommit(bool manual) { return connection_.SetManualCommit(manual ? 1 : 0); }

DbResult DatabaseDocument::Execute(const std::string& statement, int& isQuery, int& columnCount, int& rowCount,
                                   int& errorOffset) {
  std::string text = statement;
  std::replace(text.begin(), text.end(), '\r', ' ');
  return connection_.Execute(text.data(), text.size(), isQuery, columnCount, rowCount, errorOffset);
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
