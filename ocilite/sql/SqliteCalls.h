// The SQLite text that stands for Oracle's pseudo-columns, written the same way by the SQL
// generator and the DDL rewriter: SYSDATE and SYSTIMESTAMP, USER, the transaction id and
// sequence.NEXTVAL/CURRVAL become calls of the library's own functions.
#ifndef ZENQUILL_OCILITE_SQLITECALLS_H
#define ZENQUILL_OCILITE_SQLITECALLS_H

#include <string>

namespace ocilite {

// `text` as an SQL string literal, its quotes doubled.
std::string QuoteText(const std::string& text);

// The call for an upper-cased USER, kTransactionIdName, SYSDATE or SYSTIMESTAMP.
std::string PseudoColumnCall(const std::string& name);

// The call for [owner.]sequence.NEXTVAL (`next`) or .CURRVAL; an empty owner is the user.
std::string SequenceCall(bool next, const std::string& owner, const std::string& sequence);

}  // namespace ocilite

#endif
