// Reads the DDL that SQLite does not run and the dictionary records instead: sequences,
// synonyms, database links, PL/SQL units (recorded, never run) and their DROP statements.
#ifndef ZENQUILL_OCILITE_DDLPARSER_H
#define ZENQUILL_OCILITE_DDLPARSER_H

#include <cstdint>
#include <string>
#include <vector>

#include "oracle/OraError.h"
#include "sql/SqlLexer.h"

namespace ocilite {

struct ObjectName {
  std::string owner;  // empty: the logged-in user's
  std::string name;
};

struct SequenceDefinition {
  ObjectName name;
  int64_t start = 1;
  bool startGiven = false;
  int64_t increment = 1;
  int64_t minValue = 1;
  int64_t maxValue = INT64_MAX;
  bool cycle = false;
  bool order = false;
  int64_t cache = 20;
};

struct SynonymDefinition {
  bool isPublic = false;
  ObjectName name;
  ObjectName target;
  std::string dbLink;
};

struct DbLinkDefinition {
  bool isPublic = false;
  std::string name;
  std::string user;
  std::string host;
};

struct TriggerDefinition {
  std::string timing;  // BEFORE, AFTER, INSTEAD OF
  std::string events;  // INSERT OR UPDATE ...
  ObjectName table;
  bool forEachRow = false;
  std::string whenClause;
};

struct UnitDefinition {
  std::string type;  // PROCEDURE, FUNCTION, PACKAGE, PACKAGE BODY, TRIGGER, TYPE, TYPE BODY
  ObjectName name;
  TriggerDefinition trigger;
};

struct DropDefinition {
  std::string type;  // SEQUENCE, SYNONYM, DATABASE LINK or a unit type
  bool isPublic = false;
  ObjectName name;
};

// Each takes the statement's significant tokens; false with `error` set when they do not
// make the statement it expects.
bool ParseCreateSequence(const std::vector<Token>& t, SequenceDefinition& definition, OraError& error);
bool ParseCreateSynonym(const std::vector<Token>& t, SynonymDefinition& definition, OraError& error);
bool ParseCreateDbLink(const std::vector<Token>& t, DbLinkDefinition& definition, OraError& error);
bool ParseCreateUnit(const std::vector<Token>& t, UnitDefinition& definition, OraError& error);
bool ParseDrop(const std::vector<Token>& t, DropDefinition& definition, OraError& error);

}  // namespace ocilite

#endif
