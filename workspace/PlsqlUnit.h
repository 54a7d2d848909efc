// Which statements run up to the PL/SQL separator: they hold SQL separators of their own.
#ifndef ZENQUILL_WORKSPACE_PLSQLUNIT_H
#define ZENQUILL_WORKSPACE_PLSQLUNIT_H

#include <cstddef>
#include <string>

enum class UnitKind {
  None,   // an ordinary statement, ended by the SQL separator
  Plsql,  // a block or stored unit: its literals and comments hide separators
  Java    // Java source: only the separator line counts, Java's own quoting is not SQL's
};

// The kind of the statement whose first word stands at `head`:
//   DECLARE | BEGIN ...
//   CREATE [OR REPLACE] [EDITIONABLE | NONEDITIONABLE | EDITIONING]
//          PROCEDURE | FUNCTION | PACKAGE | TRIGGER | TYPE | LIBRARY ...
//   CREATE [OR REPLACE] [AND COMPILE | RESOLVE] [NOFORCE] JAVA SOURCE | RESOURCE | CLASS ...
//   WITH FUNCTION | PROCEDURE ...
// Words may be apart by blanks and comments. `body` gets where the last keyword read ends.
UnitKind UnitAt(const std::string& text, std::size_t head, std::size_t& body);

#endif
