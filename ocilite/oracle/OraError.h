// An Oracle-style error: the ORA number, the whole message text as the client shows it, and
// the byte position in the statement the error points at.
#ifndef ZENQUILL_OCILITE_ORAERROR_H
#define ZENQUILL_OCILITE_ORAERROR_H

#include <cstddef>
#include <string>

namespace ocilite {

struct OraError {
  int code = 0;
  std::string text;
  size_t offset = 0;
};

// "ORA-00942: table or view does not exist" and friends, by number; `detail` fills the
// message's one variable part where it has one (an identifier, a constraint, ...).
OraError MakeOraError(int code, const std::string& detail = std::string(), size_t offset = 0);

// Turns an SQLite failure into the Oracle error a user of the real client would see.
OraError OraErrorFromSqlite(int sqliteCode, const std::string& sqliteMessage, size_t offset);

}  // namespace ocilite

#endif
