#include "storage/DemoDatabase.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

#include "sql/DdlRewriter.h"
#include "sql/SqlLexer.h"
#include "sqlite3.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace fs = std::filesystem;

const char kDemoAlias[] = "DEMO";

namespace {

// The seed script's first part makes the dictionary and the users; its second part, run
// once every user's schema is attached, fills the schemas.
const char kSchemasMarker[] = "-- ocilite: attach schemas\n";

std::string ScratchFolderName(const DatabaseLocation& target) {
  auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  return target.folder + "/.seeding-" + target.alias + "-" + std::to_string(tick);
}

bool SetWal(sqlite3* db, const std::string& schema, OraError& error) {
  return RunScript(db, ("PRAGMA \"" + schema + "\".journal_mode = WAL").c_str(), error);
}

// The schemas' tables are made through the library's own DDL path, so that they are
// constrained exactly as a user's tables are; the rest of the script is SQLite's dialect.
bool RunSchemaScript(sqlite3* db, const std::string& script, OraError& error) {
  size_t from = 0;
  for (const Token& token : Tokenize(script)) {
    if (!token.IsSymbol(';')) continue;
    std::string statement = script.substr(from, token.offset - from);
    from = token.offset + 1;
    std::vector<Token> words = SignificantTokens(statement);
    Translation translation;
    translation.sql = statement;
    bool isTable = words.size() > 1 && words[0].IsWord("CREATE") && words[1].IsWord("TABLE");
    if (isTable && !RewriteDdl(statement, {"", true}, translation, error)) return false;
    if (!RunScript(db, translation.sql.c_str(), error)) return false;
  }
  return RunScript(db, script.substr(from).c_str(), error);
}

bool Seed(sqlite3* db, const DatabaseLocation& location, OraError& error) {
  std::string script = kDemoSeedScript;
  size_t marker = script.find(kSchemasMarker);
  if (marker == std::string::npos) {
    error = MakeOraError(600, "seed script has no schema marker");
    return false;
  }
  std::string dictionary = script.substr(0, marker);
  std::string schemas = script.substr(marker);
  if (!RunScript(db, dictionary.c_str(), error) || !SetWal(db, "main", error)) return false;
  for (const std::string& user : ListUsers(db)) {
    if (!AttachSchema(db, location, user, error) || !SetWal(db, user, error)) return false;
  }
  if (!RunScript(db, "BEGIN", error)) return false;
  if (RunSchemaScript(db, schemas, error)) return RunScript(db, "COMMIT", error);
  OraError ignored;
  RunScript(db, "ROLLBACK", ignored);
  return false;
}

bool BuildInto(const DatabaseLocation& scratch, OraError& error) {
  sqlite3* db = OpenDatabaseFile(scratch.MainFile(), true, error);
  if (!db) return false;
  bool seeded = Seed(db, scratch, error);
  sqlite3_close_v2(db);
  return seeded;
}

// Schema files first and the main file last: the main file's arrival is what makes the
// alias resolve. A database another process published meanwhile wins.
bool Publish(const DatabaseLocation& scratch, const DatabaseLocation& target, OraError& error) {
  std::error_code failure;
  if (fs::exists(target.MainFile(), failure)) return true;
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch.folder, failure)) {
    std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".dbs") continue;
    std::string destination = target.folder + "/" + name;
    fs::remove(destination + "-wal", failure);
    fs::remove(destination + "-shm", failure);
    fs::rename(entry.path(), destination, failure);
    if (failure) break;
  }
  if (!failure) fs::rename(scratch.MainFile(), target.MainFile(), failure);
  std::error_code ignored;
  if (failure && !fs::exists(target.MainFile(), ignored)) {
    error = MakeOraError(600, "cannot create the demo database in " + target.folder + ": " + failure.message());
    return false;
  }
  return true;
}

}  // namespace

bool CreateDemoDatabase(const DatabaseLocation& target, OraError& error) {
  DatabaseLocation scratch{ScratchFolderName(target), target.alias};
  std::error_code failure;
  fs::create_directories(scratch.folder, failure);
  if (failure) {
    error = MakeOraError(600, "cannot create " + scratch.folder + ": " + failure.message());
    return false;
  }
  bool created = BuildInto(scratch, error) && Publish(scratch, target, error);
  fs::remove_all(scratch.folder, failure);
  return created;
}

}  // namespace ocilite
