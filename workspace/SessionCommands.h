// The SQL*Plus command lines of a script that change how the rest of it runs: DEFINE,
// UNDEFINE and ACCEPT set substitution variables, SET DEFINE, CONCAT and ESCAPE the
// substitution rules, WHENEVER SQLERROR whether a failing statement stops the script.
// Every other command line changes nothing here.
#ifndef ZENQUILL_WORKSPACE_SESSIONCOMMANDS_H
#define ZENQUILL_WORKSPACE_SESSIONCOMMANDS_H

#include <string>

#include "Substitution.h"

enum class SqlErrorAction { Unchanged, Continue, Exit };

struct SessionCommandOutcome {
  bool complete = true;     // false when an ask was cancelled
  std::string missingName;  // then: the variable asked for
  SqlErrorAction onSqlError = SqlErrorAction::Unchanged;
};

// Acts on one command line as the script holds it (continued lines included); the
// substitution variables of a line it acts on are replaced first, as SQL*Plus does.
SessionCommandOutcome ApplySessionCommand(const std::string& line, SubstitutionSession& session,
                                          const SubstitutionAsker& ask);

#endif
