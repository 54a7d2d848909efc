// Rewrites the DDL that SQLite does not take as it is (queries and DML go through the front
// end of SqlFrontEnd.h): unquoted names to upper case, SYSDATE, USER, DATE literals and
// seq.NEXTVAL in defaults and checks, Oracle's column limits as CHECKs, and the names of
// created and dropped objects into the logged-in schema, with anchors back into the original.
#ifndef ZENQUILL_OCILITE_DDLREWRITER_H
#define ZENQUILL_OCILITE_DDLREWRITER_H

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "oracle/OraError.h"
#include "sql/SqlLexer.h"
#include "sql/Translation.h"

namespace ocilite {

struct DdlRewriteOptions {
  DdlRewriteOptions(std::string schemaName = std::string(), bool dba = false,
                    std::function<std::string()> nameConstraint = nullptr)
      : schema(std::move(schemaName)), isDba(dba), constraintName(std::move(nameConstraint)) {}

  std::string schema;  // where unqualified CREATE/DROP/ALTER names go
  bool isDba = false;  // whether DBA_ views may be named
  // The name for a constraint CREATE TABLE leaves unnamed (Oracle's SYS_Cn); none: left unnamed.
  std::function<std::string()> constraintName;
};

// False, with `error` set (its offset in the original text), for text that cannot be run.
// The statement's tokens before byte `end` (a CREATE ... AS query goes to the front end).
bool RewriteDdl(const LexedText& lexed, size_t end, const DdlRewriteOptions& options, Translation& out,
                OraError& error);
// DDL text of our own making: the demo seed's, a rebuilt table's.
bool RewriteDdl(std::string_view oracleSql, const DdlRewriteOptions& options, Translation& out, OraError& error);

}  // namespace ocilite

#endif
