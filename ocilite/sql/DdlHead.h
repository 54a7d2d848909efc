// The head of a CREATE or DROP statement, read here for every stage that routes, rewrites or
// records it: CREATE [OR REPLACE] [PUBLIC|UNIQUE|GLOBAL TEMPORARY|...] <object> <name> ...
#ifndef ZENQUILL_OCILITE_DDLHEAD_H
#define ZENQUILL_OCILITE_DDLHEAD_H

#include <cstddef>
#include <vector>

#include "sql/SqlLexer.h"

namespace ocilite {

struct DdlHead {
  bool orReplace = false;
  bool isPublic = false;
  bool unique = false;
  // GLOBAL TEMPORARY: an ordinary table of the schema here, whose rows stay as any table's.
  size_t globalAt = 0;  // the index of GLOBAL, 0 when the table is no temporary one
  // BITMAP, FORCE, EDITIONABLE, TEMPORARY alone, ...: words SQLite does not take, left as written.
  bool otherModifiers = false;
  size_t objectAt = 0;  // the object word (TABLE, VIEW, SEQUENCE, DATABASE, ...); the end when missing

  bool GlobalTemporary() const { return globalAt != 0; }
};

// TABLE, VIEW or INDEX: made by SQLite, not by the dictionary.
bool IsSqlObjectWord(const Token& object);

// `t`: the significant tokens of a statement that begins with CREATE or DROP.
DdlHead ReadDdlHead(const std::vector<Token>& t);

}  // namespace ocilite

#endif
