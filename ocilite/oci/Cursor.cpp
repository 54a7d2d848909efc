#include "oci/Cursor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "OciApi.h"
#include "oracle/NumberText.h"
#include "oracle/OracleType.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

constexpr int kLongestVarchar2 = 4000;

}  // namespace

std::unique_ptr<Cursor> Cursor::Open(std::shared_ptr<Session> session, sqlite3_stmt* statement, OraError& error) {
  std::unique_ptr<Cursor> cursor(new Cursor(std::move(session), statement));
  if (!cursor->Step(error)) return nullptr;
  cursor->Describe();
  return cursor;
}

Cursor::Cursor(std::shared_ptr<Session> session, sqlite3_stmt* statement)
    : session_(std::move(session)), statement_(statement) {}

// An expression has no declared type: the server would know it, here its first value tells.
// Text longer than a VARCHAR2 can hold is a CLOB.
void Cursor::Describe() {
  for (int i = 0; i < sqlite3_column_count(statement_); ++i) {
    const char* declared = sqlite3_column_decltype(statement_, i);
    std::string type = declared ? declared : "";
    if (!declared && rowPending_) {
      switch (sqlite3_column_type(statement_, i)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT: type = "NUMBER"; break;
        case SQLITE_BLOB: type = "RAW(2000)"; break;
        case SQLITE_TEXT: type = sqlite3_column_bytes(statement_, i) > kLongestVarchar2 ? "CLOB" : ""; break;
        default: break;
      }
    }
    columns_.push_back({sqlite3_column_name(statement_, i), DescribeForOci(type)});
  }
}

Cursor::~Cursor() { sqlite3_finalize(statement_); }

void Cursor::ShowAsDates(std::vector<bool> dateColumns) {
  dateColumns_ = std::move(dateColumns);
  dateFormat_.Compile(session_->NlsDateFormat());  // the session only ever keeps a valid model
}

bool Cursor::Step(OraError& error) {
  const uint64_t nullsBefore = session_->AggregateNullsSkipped();
  int rc = sqlite3_step(statement_);
  nullSkipped_ = session_->AggregateNullsSkipped() != nullsBefore;
  rowPending_ = rc == SQLITE_ROW;
  exhausted_ = rc == SQLITE_DONE;
  if (rowPending_ || exhausted_) return true;
  error = OraErrorFromSqlite(sqlite3_extended_errcode(session_->Db()), sqlite3_errmsg(session_->Db()), 0);
  return false;
}

int Cursor::Fetch(const std::vector<ColumnTarget>& targets, OraError& error) {
  if (!session_->IsOpen()) {
    error = MakeOraError(3114);
    return OCI_ERROR;
  }
  if (prefetched_.TakeOne()) session_->RoundTrip();
  if (session_->Broken()) {
    error = MakeOraError(1013);
    return OCI_ERROR;
  }
  if (!rowPending_ && !exhausted_ && !Step(error)) return OCI_ERROR;
  if (exhausted_) {
    error = MakeOraError(1403);
    return OCI_NO_DATA;
  }
  bool complete = true;
  for (const ColumnTarget& target : targets) {
    if (target.position >= 1 && target.position <= columns_.size()) complete = Deliver(target, error) && complete;
  }
  ++rowsFetched_;
  rowPending_ = false;
  if (!complete && error.code == 1405) return OCI_ERROR;
  if (complete && nullSkipped_) error = MakeOraError(24347);
  return complete && !nullSkipped_ ? OCI_SUCCESS : OCI_SUCCESS_WITH_INFO;
}

// Writes one value as terminated text; false when it is null without an indicator or cut short.
bool Cursor::Deliver(const ColumnTarget& target, OraError& error) {
  int column = static_cast<int>(target.position) - 1;
  int type = sqlite3_column_type(statement_, column);
  if (target.size > 0) target.buffer[0] = '\0';
  if (target.code) *target.code = 0;
  if (target.length) *target.length = 0;
  if (type == SQLITE_NULL) {
    if (target.indicator) *target.indicator = OCI_IND_NULL;
    if (!target.indicator) error = MakeOraError(1405);
    return target.indicator != nullptr;
  }
  std::string number;
  const char* text = nullptr;
  size_t length = 0;
  if (type == SQLITE_FLOAT) {
    number = OracleNumberText(sqlite3_column_double(statement_, column));
    text = number.c_str();
    length = number.size();
  } else if (static_cast<size_t>(column) < dateColumns_.size() && dateColumns_[column] &&
             dateFormat_.WriteStored(reinterpret_cast<const char*>(sqlite3_column_text(statement_, column)), number)) {
    text = number.c_str();
    length = number.size();
  } else {
    text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    length = static_cast<size_t>(sqlite3_column_bytes(statement_, column));
  }
  std::string converted;
  if (charset_.ToClient(std::string_view(text, length), converted)) {
    text = converted.c_str();
    length = converted.size();
  }
  size_t room = target.size > 0 ? static_cast<size_t>(target.size) - 1 : 0;
  size_t copied = length < room ? length : room;
  if (target.size > 0) {
    std::memcpy(target.buffer, text, copied);
    target.buffer[copied] = '\0';
  }
  if (target.length) *target.length = static_cast<uint16_t>(copied);
  bool fits = copied == length;
  if (target.indicator) *target.indicator = fits ? 0 : static_cast<int16_t>(length <= 32767 ? length : -2);
  if (fits) return true;
  if (target.code) *target.code = 1406;
  error = MakeOraError(1406);
  return false;
}

}  // namespace ocilite
