// SUM, AVG, MIN and MAX in place of SQLite's own, alike in result, that note in their
// session every NULL they skip: Oracle warns of that (ORA-24347) on the fetch of the row.
// They work as window functions too.
#ifndef ZENQUILL_OCILITE_NULLNOTINGAGGREGATES_H
#define ZENQUILL_OCILITE_NULLNOTINGAGGREGATES_H

struct sqlite3;

namespace ocilite {
class Session;

void RegisterNullNotingAggregates(sqlite3* db, Session* session);

}  // namespace ocilite

#endif
