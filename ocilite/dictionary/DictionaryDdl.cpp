#include "dictionary/DictionaryDdl.h"

#include "dictionary/DdlParser.h"
#include "oracle/OracleDate.h"
#include "sql/DdlHead.h"
#include "storage/SqliteFiles.h"

namespace ocilite {

namespace {

// The schema an object goes into; a user reaches another schema only as a DBA, PUBLIC likewise.
bool ResolveOwner(Session& session, ObjectName& name, bool isPublic, bool creating, OraError& error) {
  const UserAccount& user = session.User();
  if (isPublic) name.owner = "PUBLIC";
  if (name.owner.empty()) name.owner = user.name;
  bool allowed = (name.owner == user.name || user.isDba) && (!creating || user.canCreate);
  if (!allowed) error = MakeOraError(1031);
  return allowed;
}

// An INSERT that fails on a duplicate key with `duplicateCode` instead of ORA-00001.
bool Insert(Session& session, const char* sql, const std::vector<SqlValue>& values, int duplicateCode,
            OraError& error) {
  if (RunBound(session.Db(), sql, values, error)) return true;
  if (error.code == 1) error = MakeOraError(duplicateCode, "");
  return false;
}

bool Delete(Session& session, const char* sql, const std::vector<SqlValue>& values, const OraError& missing,
            OraError& error) {
  int changes = 0;
  if (!RunBound(session.Db(), sql, values, error, &changes)) return false;
  if (changes == 0) error = missing;
  return changes > 0;
}

bool CreateSequence(Session& session, const std::vector<Token>& t, OraError& error) {
  SequenceDefinition definition;
  if (!ParseCreateSequence(t, definition, error) || !ResolveOwner(session, definition.name, false, true, error))
    return false;
  return Insert(session, "INSERT INTO main.ZQ$SEQUENCES VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {definition.name.owner, definition.name.name, definition.minValue, definition.maxValue,
                 definition.increment, definition.start, std::string(definition.cycle ? "Y" : "N"),
                 std::string(definition.order ? "Y" : "N"), definition.cache},
                955, error);
}

bool CreateSynonym(Session& session, const std::vector<Token>& t, OraError& error) {
  SynonymDefinition definition;
  if (!ParseCreateSynonym(t, definition, error) ||
      !ResolveOwner(session, definition.name, definition.isPublic, true, error))
    return false;
  if (definition.target.owner.empty()) definition.target.owner = session.User().name;
  const char* sql = ReadDdlHead(t).orReplace ? "INSERT OR REPLACE INTO main.ZQ$SYNONYMS VALUES (?, ?, ?, ?, ?)"
                                             : "INSERT INTO main.ZQ$SYNONYMS VALUES (?, ?, ?, ?, ?)";
  SqlValue link = definition.dbLink.empty() ? SqlValue(nullptr) : SqlValue(definition.dbLink);
  if (!Insert(session, sql,
              {definition.name.owner, definition.name.name, definition.target.owner, definition.target.name, link}, 955,
              error)) {
    return false;
  }
  if (definition.dbLink.empty())
    session.ExposeSynonym(definition.name.name, definition.target.owner, definition.target.name);
  return true;
}

bool CreateDbLink(Session& session, const std::vector<Token>& t, OraError& error) {
  DbLinkDefinition definition;
  ObjectName owner;
  if (!ParseCreateDbLink(t, definition, error) || !ResolveOwner(session, owner, definition.isPublic, true, error))
    return false;
  return Insert(session, "INSERT INTO main.ZQ$DB_LINKS VALUES (?, ?, ?, ?, ?)",
                {owner.owner, definition.name, definition.user, definition.host, LocalTimestamp()}, 2011, error);
}

bool CreateUnit(Session& session, const std::vector<Token>& t, const std::string& text, OraError& error) {
  UnitDefinition definition;
  if (!ParseCreateUnit(t, definition, error) || !ResolveOwner(session, definition.name, false, true, error))
    return false;
  size_t typeAt = ReadDdlHead(t).orReplace ? 3 : 1;
  std::string source = text.substr(t[typeAt].offset);
  const TriggerDefinition& trigger = definition.trigger;
  bool isTrigger = definition.type == "TRIGGER";
  auto triggerValue = [isTrigger](const std::string& value) { return isTrigger ? SqlValue(value) : SqlValue(nullptr); };
  std::string triggerType = trigger.timing + (trigger.forEachRow ? " EACH ROW" : " STATEMENT");
  std::string tableOwner = trigger.table.owner.empty() ? definition.name.owner : trigger.table.owner;
  std::string description = definition.name.name + " " + trigger.timing + " " + trigger.events + " ON " +
                            trigger.table.name + (trigger.forEachRow ? " FOR EACH ROW" : "");
  const char* sql = ReadDdlHead(t).orReplace
                        ? "INSERT OR REPLACE INTO main.ZQ$UNITS VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                        : "INSERT INTO main.ZQ$UNITS VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
  SqlValue when = trigger.whenClause.empty() ? SqlValue(nullptr) : SqlValue(trigger.whenClause);
  return Insert(session, sql,
                {definition.name.owner, definition.name.name, definition.type, source, LocalTimestamp(),
                 triggerValue(triggerType), triggerValue(trigger.events), triggerValue(tableOwner),
                 triggerValue(trigger.table.name), when, triggerValue(description)},
                955, error);
}

bool Drop(Session& session, const std::vector<Token>& t, OraError& error) {
  DropDefinition definition;
  if (!ParseDrop(t, definition, error) || !ResolveOwner(session, definition.name, definition.isPublic, false, error))
    return false;
  const std::string& owner = definition.name.owner;
  const std::string& name = definition.name.name;
  if (definition.type == "SEQUENCE") {
    return Delete(session, "DELETE FROM main.ZQ$SEQUENCES WHERE OWNER = ? AND NAME = ?", {owner, name},
                  MakeOraError(2289), error);
  }
  if (definition.type == "SYNONYM") {
    bool dropped = Delete(session, "DELETE FROM main.ZQ$SYNONYMS WHERE OWNER = ? AND NAME = ?", {owner, name},
                          MakeOraError(definition.isPublic ? 1980 : 1434, owner + "." + name), error);
    if (dropped) session.HideSynonym(name);
    return dropped;
  }
  if (definition.type == "DATABASE LINK") {
    return Delete(session, "DELETE FROM main.ZQ$DB_LINKS WHERE OWNER = ? AND DB_LINK = ?", {owner, name},
                  MakeOraError(2024), error);
  }
  return Delete(session, "DELETE FROM main.ZQ$UNITS WHERE OWNER = ? AND NAME = ? AND TYPE = ?",
                {owner, name, definition.type}, MakeOraError(4043, name), error);
}

}  // namespace

bool RecordDdl(Session& session, Route route, const std::vector<Token>& t, const std::string& text, OraError& error) {
  // DDL commits what is pending, as in Oracle.
  if (!session.Commit(error)) return false;
  Session::Trusted trusted(session);
  switch (route) {
    case Route::CreateSequence: return CreateSequence(session, t, error);
    case Route::CreateSynonym: return CreateSynonym(session, t, error);
    case Route::CreateDbLink: return CreateDbLink(session, t, error);
    case Route::CreateUnit: return CreateUnit(session, t, text, error);
    default: return Drop(session, t, error);
  }
}

}  // namespace ocilite
