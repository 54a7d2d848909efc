// One logged-in session: its own SQLite connection to the alias's database with every
// schema attached (the user's first), the dictionary views, our SQL functions, and an
// authorizer that keeps the user to what the user's privileges allow.
#ifndef ZENQUILL_OCILITE_SESSION_H
#define ZENQUILL_OCILITE_SESSION_H

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "oci/RoundTrips.h"
#include "oracle/OraError.h"
#include "storage/DataFiles.h"

struct sqlite3;

namespace ocilite {

struct LoginRequest {
  std::string user;
  std::string password;
  bool external = false;  // operating-system authentication
  unsigned mode = 0;      // OCI_SYSDBA, OCI_SYSOPER bits
};

struct UserAccount {
  std::string name;
  bool isDba = false;
  bool canCreate = false;
};

class Session {
 public:
  // Null, with `error` set, when the login fails. A login that succeeds with a warning
  // (the password expires soon) sets `warning`.
  static std::shared_ptr<Session> Begin(const DatabaseLocation& location, const LoginRequest& request, OraError& error,
                                        OraError& warning);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Rolls back what is pending and closes the connection; statements still open fail later.
  // OCISessionEnd commits first, as Oracle's client does.
  void End();
  bool IsOpen() const { return db_ != nullptr; }
  sqlite3* Db() const { return db_; }
  const UserAccount& User() const { return user_; }
  const DatabaseLocation& Location() const { return location_; }

  bool InTransaction() const;
  bool BeginTransaction(OraError& error);
  bool Commit(OraError& error);
  bool Rollback(OraError& error);
  // Runs a change inside the transaction so that its failure changes nothing, as on Oracle:
  // what it did is undone, and so is a transaction it began.
  bool RunAtomically(const std::function<bool(OraError&)>& change, OraError& error);
  // Named points inside the transaction; an unknown name is ORA-01086.
  bool Savepoint(const std::string& name, OraError& error);
  bool RollbackTo(const std::string& name, OraError& error);
  // DBMS_TRANSACTION.LOCAL_TRANSACTION_ID: empty while no transaction is open.
  std::string TransactionId() const;

  // While one of these lives, statements are ours, not the user's: the authorizer lets them be.
  class Trusted {
   public:
    explicit Trusted(Session& session) : session_(session) { ++session_.trusted_; }
    ~Trusted() { --session_.trusted_; }
    Trusted(const Trusted&) = delete;
    Trusted& operator=(const Trusted&) = delete;

   private:
    Session& session_;
  };

  // One exchange with the server: counted in V$MYSTAT, and slowed by OCILITE_LATENCY_MS.
  void RoundTrip() { roundTrips_.Make(); }
  // OCIBreak, from any thread: the SQLite work under way stops at its next step and a
  // round trip's wait ends at once; every call until Reset then answers ORA-01013.
  void Break();
  void Reset() { roundTrips_.Reset(); }
  bool Broken() const { return roundTrips_.Broken(); }
  uint64_t RoundTripCount() const { return roundTrips_.Count(); }

  // Our aggregates note every NULL they skip, so that a fetch can warn as Oracle does.
  void NoteAggregateNullSkipped() { ++aggregateNullsSkipped_; }
  uint64_t AggregateNullsSkipped() const { return aggregateNullsSkipped_; }

  // Why the authorizer refused the last statement: 942 or 1031.
  int DenialCode() const { return denial_; }

  // Sequences: NEXTVAL moves the sequence at once and for good, as Oracle's do.
  bool NextValue(const std::string& owner, const std::string& name, int64_t& value, OraError& error);
  bool CurrentValue(const std::string& owner, const std::string& name, int64_t& value, OraError& error);

  // NLS_DATE_FORMAT: the model dates are written and read by; ALTER SESSION sets a valid one.
  const std::string& NlsDateFormat() const { return nlsDateFormat_; }
  void SetNlsDateFormat(const std::string& format) { nlsDateFormat_ = format; }

  // Synonyms of the user and PUBLIC answer as views of their targets for this session.
  void ExposeSynonym(const std::string& name, const std::string& targetOwner, const std::string& targetName);
  void HideSynonym(const std::string& name);

 private:
  Session(const DatabaseLocation& location, sqlite3* db, const UserAccount& user);
  bool Prepare(OraError& error);
  bool AttachSchemas(OraError& error);
  void ExposeSynonyms();
  sqlite3* SequenceDb(OraError& error);
  static int Authorize(void* self, int action, const char* first, const char* second, const char* database,
                       const char* view);
  int Authorize(int action, const char* table, const char* database, const char* view);

  DatabaseLocation location_;
  sqlite3* db_ = nullptr;
  std::mutex closing_;  // a break from another thread never meets a closed connection
  sqlite3* sequenceDb_ = nullptr;
  UserAccount user_;
  int trusted_ = 0;
  int denial_ = 0;
  uint64_t transactionNumber_ = 0;
  std::map<std::string, int64_t> currentValues_;
  RoundTrips roundTrips_;
  uint64_t aggregateNullsSkipped_ = 0;
  std::string nlsDateFormat_ = "DD-MON-RR";
};

}  // namespace ocilite

#endif
