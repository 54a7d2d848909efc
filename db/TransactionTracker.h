// Whether the session has a transaction open, told from the statements the program ran
// since the last COMMIT or ROLLBACK: the answer for a server that cannot be asked.
#ifndef ZENQUILL_DB_TRANSACTIONTRACKER_H
#define ZENQUILL_DB_TRANSACTIONTRACKER_H

#include <string>

enum class TransactionEffect { kNone, kOpens, kCloses };

// What a statement that succeeded does to the transaction under manual commit: a non-query
// opens it, and so does SELECT ... FOR UPDATE; COMMIT, ROLLBACK without TO and DDL close it.
TransactionEffect EffectOnTransaction(const std::string& statement, bool isQuery);

class TransactionTracker {
 public:
  // A statement that succeeded. Under autocommit every non-query commits on success.
  void Note(const std::string& statement, bool isQuery, bool manualCommit);
  // A session begun or ended has nothing open.
  void Reset() { open_ = false; }
  bool Open() const { return open_; }

 private:
  bool open_ = false;
};

#endif
