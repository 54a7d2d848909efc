#include "oci/Session.h"

#include <atomic>
#include <cstring>
#include <vector>

#include "dictionary/DictionaryViews.h"
#include "dictionary/SessionStatistics.h"
#include "functions/FunctionRegistry.h"
#include "oci/Login.h"
#include "sqlite3.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace {

// SQLite's virtual machine steps between two looks at a break.
const int kStepsBetweenBreakChecks = 1000;

std::string Quote(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// Transactions begun in this process, by every session: numbers their ids.
std::atomic<uint64_t> transactionsBegun{0};

bool IsShared(const char* database) {
  return database && (std::strcmp(database, "main") == 0 || std::strcmp(database, "temp") == 0);
}

bool IsCreate(int action) {
  return action == SQLITE_CREATE_TABLE || action == SQLITE_CREATE_INDEX || action == SQLITE_CREATE_VIEW ||
         action == SQLITE_CREATE_TRIGGER;
}

bool IsDrop(int action) {
  return action == SQLITE_DROP_TABLE || action == SQLITE_DROP_INDEX || action == SQLITE_DROP_VIEW ||
         action == SQLITE_DROP_TRIGGER || action == SQLITE_ALTER_TABLE;
}

bool IsForbidden(int action) {
  switch (action) {
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TEMP_VIEW:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_VTABLE: return true;
    default: return false;
  }
}

}  // namespace

std::shared_ptr<Session> Session::Begin(const DatabaseLocation& location, const LoginRequest& request, OraError& error,
                                        OraError& warning) {
  sqlite3* db = OpenDatabaseFile(location.MainFile(), false, error);
  if (!db) return nullptr;
  UserAccount account;
  bool expiring = false;
  if (!Authenticate(db, request, account, error, expiring)) {
    sqlite3_close_v2(db);
    return nullptr;
  }
  std::shared_ptr<Session> session(new Session(location, db, account));
  if (!session->Prepare(error)) return nullptr;
  if (expiring) warning = MakeOraError(28002);
  return session;
}

Session::Session(const DatabaseLocation& location, sqlite3* db, const UserAccount& user)
    : location_(location), db_(db), user_(user) {}

Session::~Session() { End(); }

void Session::End() {
  if (db_) {
    OraError ignored;
    Rollback(ignored);
    std::lock_guard<std::mutex> guard(closing_);
    sqlite3_close_v2(db_);  // statements still open keep it until they are finalized
    db_ = nullptr;
  }
  sqlite3_close_v2(sequenceDb_);
  sequenceDb_ = nullptr;
}

void Session::Break() {
  roundTrips_.Break();
  std::lock_guard<std::mutex> guard(closing_);
  if (db_) sqlite3_interrupt(db_);
}

bool Session::Prepare(OraError& error) {
  Trusted trusted(*this);
  if (!RunScript(db_, "PRAGMA foreign_keys = ON", error)) return false;
  if (!AttachSchemas(error)) return false;
  RegisterFunctions(db_, this);
  // sqlite3_interrupt is lost when it comes before a statement's first step; this is not.
  sqlite3_progress_handler(
      db_, kStepsBetweenBreakChecks, [](void* session) { return static_cast<Session*>(session)->Broken() ? 1 : 0; },
      this);
  if (!CreateSessionStatistics(db_, error)) return false;
  std::vector<std::string> schemas = {user_.name};
  for (const std::string& user : ListUsers(db_)) {
    if (user != user_.name) schemas.push_back(user);
  }
  for (const std::string& statement : DictionaryViewStatements(schemas)) {
    if (!RunScript(db_, statement.c_str(), error)) return false;
  }
  ExposeSynonyms();
  sqlite3_set_authorizer(db_, &Session::Authorize, this);
  return true;
}

// The user's own schema first, so that unqualified names find the user's objects first.
bool Session::AttachSchemas(OraError& error) {
  if (!AttachSchema(db_, location_, user_.name, error)) return false;
  for (const std::string& user : ListUsers(db_)) {
    if (user != user_.name && !AttachSchema(db_, location_, user, error)) return false;
  }
  return true;
}

bool Session::InTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

bool Session::BeginTransaction(OraError& error) {
  if (InTransaction()) return true;
  transactionNumber_ = ++transactionsBegun;
  return RunScript(db_, "BEGIN", error);
}

bool Session::Commit(OraError& error) { return !InTransaction() || RunScript(db_, "COMMIT", error); }

bool Session::Rollback(OraError& error) { return !InTransaction() || RunScript(db_, "ROLLBACK", error); }

bool Session::RunAtomically(const std::function<bool(OraError&)>& change, OraError& error) {
  const bool wasOpen = InTransaction();
  if (!BeginTransaction(error) || !RunScript(db_, "SAVEPOINT zq$statement", error)) return false;
  const bool changed = change(error);
  OraError ignored;
  if (!changed) RunScript(db_, "ROLLBACK TO zq$statement", ignored);
  RunScript(db_, "RELEASE zq$statement", ignored);
  if (!changed && !wasOpen) Rollback(ignored);
  return changed;
}

bool Session::Savepoint(const std::string& name, OraError& error) {
  return BeginTransaction(error) && RunScript(db_, ("SAVEPOINT " + Quote(name)).c_str(), error);
}

// SQLite keeps the savepoint rolled back to, and drops the later ones, as Oracle does.
bool Session::RollbackTo(const std::string& name, OraError& error) {
  if (InTransaction() && RunScript(db_, ("ROLLBACK TO " + Quote(name)).c_str(), error)) return true;
  error = MakeOraError(1086, name);
  return false;
}

// In Oracle's form, undo segment.slot.sequence.
std::string Session::TransactionId() const {
  return InTransaction() ? "1.0." + std::to_string(transactionNumber_) : std::string();
}

int Session::Authorize(void* self, int action, const char* first, const char* second, const char* database,
                       const char* view) {
  (void)second;
  Session* session = static_cast<Session*>(self);
  if (session->trusted_ > 0) return SQLITE_OK;
  // ALTER TABLE names its database in the first argument.
  if (action == SQLITE_ALTER_TABLE) database = first;
  if (action == SQLITE_READ && IsShared(database) && !view && first && std::strncmp(first, "ZQ$", 3) == 0) {
    session->denial_ = 942;
    return SQLITE_DENY;
  }
  // The dictionary views read these through their table-valued functions.
  if (action == SQLITE_PRAGMA && first &&
      (std::strcmp(first, "table_info") == 0 || std::strcmp(first, "index_list") == 0 ||
       std::strcmp(first, "index_info") == 0 || std::strcmp(first, "foreign_key_list") == 0)) {
    return SQLITE_OK;
  }
  return session->Authorize(action, first, database, view);
}

// Everyone may read the shared tables and the dictionary views; a user may change only the
// user's own schema; a DBA may read and change every schema, never the dictionary itself.
int Session::Authorize(int action, const char* table, const char* database, const char* view) {
  bool own = database && user_.name == database;
  bool otherSchema = database && !own && !IsShared(database);
  int denial = 0;
  if (IsForbidden(action) || action == SQLITE_PRAGMA) {
    denial = 1031;
  } else if (action == SQLITE_READ) {
    if (otherSchema && !view && !user_.isDba) denial = 942;
  } else if (action == SQLITE_INSERT || action == SQLITE_UPDATE || action == SQLITE_DELETE) {
    if (IsShared(database) && !view) denial = 1031;
    // Creating or dropping an object writes the schema's own table: a privilege matter.
    bool catalogue = table && std::strncmp(table, "sqlite_", 7) == 0;
    if (otherSchema && !user_.isDba) denial = catalogue ? 1031 : 942;
  } else if (IsCreate(action) || IsDrop(action)) {
    if (IsShared(database) || (otherSchema && !user_.isDba) || (IsCreate(action) && !user_.canCreate)) denial = 1031;
  }
  if (denial == 0) return SQLITE_OK;
  denial_ = denial;
  return SQLITE_DENY;
}

sqlite3* Session::SequenceDb(OraError& error) {
  if (!sequenceDb_) sequenceDb_ = OpenDatabaseFile(location_.MainFile(), false, error);
  return sequenceDb_;
}

bool Session::NextValue(const std::string& owner, const std::string& name, int64_t& value, OraError& error) {
  std::string schema = owner.empty() ? user_.name : owner;
  sqlite3* db = SequenceDb(error);
  if (!db) return false;
  if (schema != user_.name && !user_.isDba) {
    error = MakeOraError(2289);
    return false;
  }
  if (!RunScript(db, "BEGIN IMMEDIATE", error)) return false;
  std::vector<SqlValue> row;
  bool found = QueryRow(db,
                        "SELECT LAST_NUMBER, INCREMENT_BY, MIN_VALUE, MAX_VALUE, CYCLE_FLAG FROM ZQ$SEQUENCES "
                        "WHERE OWNER = ? AND NAME = ?",
                        {schema, name}, row);
  if (!found) error = MakeOraError(2289);
  bool ok = found;
  if (found) {
    value = IntOf(row[0]);
    int64_t increment = IntOf(row[1]);
    bool beyond = increment > 0 ? value > IntOf(row[3]) : value < IntOf(row[2]);
    if (beyond && TextOf(row[4]) == "Y") value = increment > 0 ? IntOf(row[2]) : IntOf(row[3]);
    if (beyond && TextOf(row[4]) != "Y") {
      error = MakeOraError(8004, schema + "." + name);
      ok = false;
    }
    ok = ok && RunBound(db, "UPDATE ZQ$SEQUENCES SET LAST_NUMBER = ? WHERE OWNER = ? AND NAME = ?",
                        {value + increment, schema, name}, error);
  }
  OraError ignored;
  if (!ok) {
    RunScript(db, "ROLLBACK", ignored);
    return false;
  }
  currentValues_[schema + "." + name] = value;
  return RunScript(db, "COMMIT", error);
}

bool Session::CurrentValue(const std::string& owner, const std::string& name, int64_t& value, OraError& error) {
  std::string key = (owner.empty() ? user_.name : owner) + "." + name;
  auto found = currentValues_.find(key);
  if (found == currentValues_.end()) {
    error = MakeOraError(8002, key);
    return false;
  }
  value = found->second;
  return true;
}

void Session::ExposeSynonyms() {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db_,
                     "SELECT NAME, TABLE_OWNER, TABLE_NAME FROM main.ZQ$SYNONYMS WHERE OWNER IN (?1, 'PUBLIC') "
                     "AND DB_LINK IS NULL ORDER BY OWNER = ?1",
                     -1, &statement, nullptr);
  sqlite3_bind_text(statement, 1, user_.name.c_str(), -1, SQLITE_TRANSIENT);
  while (statement && sqlite3_step(statement) == SQLITE_ROW) {
    auto column = [statement](int i) {
      const unsigned char* text = sqlite3_column_text(statement, i);
      return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
    };
    ExposeSynonym(column(0), column(1), column(2));
  }
  sqlite3_finalize(statement);
}

void Session::ExposeSynonym(const std::string& name, const std::string& targetOwner, const std::string& targetName) {
  Trusted trusted(*this);
  OraError ignored;
  HideSynonym(name);
  RunScript(
      db_,
      ("CREATE TEMP VIEW " + Quote(name) + " AS SELECT * FROM " + Quote(targetOwner) + "." + Quote(targetName)).c_str(),
      ignored);
}

void Session::HideSynonym(const std::string& name) {
  Trusted trusted(*this);
  OraError ignored;
  RunScript(db_, ("DROP VIEW IF EXISTS temp." + Quote(name)).c_str(), ignored);
}

}  // namespace ocilite
