// Rewrites the DDL that SQLite does not take as it is (queries and DML go through the front
// end of SqlFrontEnd.h): unquoted names to upper case, SYSDATE, USER, DATE literals and
// seq.NEXTVAL in defaults and checks, Oracle's column limits as CHECKs, and the names of
// created and dropped objects into the logged-in schema. Keeps a map from the rewritten text back to the
// original, so that SQLite's error positions point into what the user wrote.
#ifndef ZENQUILL_OCILITE_SQLTRANSLATOR_H
#define ZENQUILL_OCILITE_SQLTRANSLATOR_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "OraError.h"

namespace ocilite {

struct TranslateOptions {
  TranslateOptions(std::string schemaName = std::string(), bool dba = false,
                   std::function<std::string()> nameConstraint = nullptr)
      : schema(std::move(schemaName)), isDba(dba), constraintName(std::move(nameConstraint)) {}

  std::string schema;  // where unqualified CREATE/DROP/ALTER names go
  bool isDba = false;  // whether DBA_ views may be named
  // The name for a constraint CREATE TABLE leaves unnamed (Oracle's SYS_Cn); none: left unnamed.
  std::function<std::string()> constraintName;
};

struct Translation {
  struct Anchor {
    size_t output;
    size_t source;
    size_t sourceLength;
  };
  std::string sql;
  std::vector<Anchor> anchors;
  // For text of several statements: whether each one's changed rows count towards the
  // statement's row count. Empty: only the last one's do.
  std::vector<bool> counted;

  // The byte of the original text that `outputOffset` of the rewritten text came from.
  size_t SourceOffset(size_t outputOffset) const;
};

// Whether a name is kept from users: our bookkeeping tables, and DBA_ views for all but a DBA.
bool IsHiddenName(const std::string& upperName, bool isDba);

// False, with `error` set (its offset in the original text), for text that cannot be run.
bool TranslateSql(std::string_view oracleSql, const TranslateOptions& options, Translation& out, OraError& error);

}  // namespace ocilite

#endif
