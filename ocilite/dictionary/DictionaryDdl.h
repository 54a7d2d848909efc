// Carries out the DDL that only the dictionary records: sequences, synonyms, database
// links and PL/SQL units, and their DROP statements.
#ifndef ZENQUILL_OCILITE_DICTIONARYDDL_H
#define ZENQUILL_OCILITE_DICTIONARYDDL_H

#include <string>
#include <vector>

#include "oci/Session.h"
#include "oci/StatementKind.h"
#include "oracle/OraError.h"
#include "sql/SqlLexer.h"

namespace ocilite {

// False, with `error` set, when the statement is malformed, not allowed or names nothing.
bool RecordDdl(Session& session, Route route, const std::vector<Token>& t, const std::string& text, OraError& error);

}  // namespace ocilite

#endif
