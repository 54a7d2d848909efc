// The rows of one query, fetched one at a time into the caller's buffers as text.
#ifndef ZENQUILL_OCILITE_CURSOR_H
#define ZENQUILL_OCILITE_CURSOR_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "oci/ClientCharset.h"
#include "oci/RoundTrips.h"
#include "oci/Session.h"
#include "oracle/OracleDate.h"
#include "oracle/OracleType.h"
#include "oracle/OraError.h"

struct sqlite3_stmt;

namespace ocilite {

struct ColumnInfo {
  std::string name;
  OciColumnType type;
};

// Where one column's value goes: the buffer (terminated text), its size with the
// terminator, and the optional indicator, length and return code.
struct ColumnTarget {
  unsigned position;  // from 1
  char* buffer;
  int32_t size;
  int16_t* indicator;
  uint16_t* length;
  uint16_t* code;
};

class Cursor {
 public:
  // Takes the prepared statement over and runs it to its first row; null, with `error`
  // set, when that fails.
  static std::unique_ptr<Cursor> Open(std::shared_ptr<Session> session, sqlite3_stmt* statement, OraError& error);
  ~Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;

  const std::vector<ColumnInfo>& Columns() const { return columns_; }
  uint32_t RowsFetched() const { return rowsFetched_; }
  // The rows the execute's round trip brought along (OCI_ATTR_PREFETCH_ROWS; 1 by default).
  void Prefetch(uint32_t rows) { prefetched_ = PrefetchedRows(rows); }

  // OCI_SUCCESS; OCI_SUCCESS_WITH_INFO with the row when a value did not fit (ORA-01406) or
  // an aggregate skipped a NULL (ORA-24347); OCI_NO_DATA after the last row; OCI_ERROR.
  int Fetch(const std::vector<ColumnTarget>& targets, OraError& error);

  // Columns that hold dates come out in the session's date format.
  void ShowAsDates(std::vector<bool> dateColumns);
  // Text comes out in the client's character set.
  void DeliverIn(const ClientCharset& charset) { charset_ = charset; }

 private:
  Cursor(std::shared_ptr<Session> session, sqlite3_stmt* statement);
  void Describe();
  bool Step(OraError& error);
  bool Deliver(const ColumnTarget& target, OraError& error);

  std::shared_ptr<Session> session_;
  sqlite3_stmt* statement_;
  std::vector<ColumnInfo> columns_;
  bool rowPending_ = false;
  bool exhausted_ = false;
  bool nullSkipped_ = false;  // by an aggregate, while the pending row was computed
  uint32_t rowsFetched_ = 0;
  PrefetchedRows prefetched_;
  std::vector<bool> dateColumns_;
  DateFormat dateFormat_;
  ClientCharset charset_;
};

}  // namespace ocilite

#endif
