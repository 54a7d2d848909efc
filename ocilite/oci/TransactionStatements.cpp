#include "oci/TransactionStatements.h"

namespace ocilite {

namespace {

bool IsName(const Token& token) { return token.kind == TokenKind::Word || token.kind == TokenKind::Quoted; }

// The savepoint name at `at`, the statement's last token: ORA-00905 where it is missing,
// ORA-00933 where the text goes on after it.
bool SavepointName(const std::vector<Token>& t, size_t at, std::string& name, OraError& error) {
  if (at >= t.size() || !IsName(t[at])) {
    error = MakeOraError(905, "", at < t.size() ? t[at].offset : t.back().offset + t.back().length);
    return false;
  }
  if (at + 1 < t.size()) {
    error = MakeOraError(933, "", t[at + 1].offset);
    return false;
  }
  name = IdentifierName(t[at]);
  return true;
}

// ROLLBACK [WORK] [TO [SAVEPOINT] name]; without TO the whole transaction goes.
bool Rollback(Session& session, const std::vector<Token>& t, OraError& error) {
  size_t at = 1;
  if (at < t.size() && t[at].IsWord("WORK")) ++at;
  if (at >= t.size()) return session.Rollback(error);
  if (!t[at].IsWord("TO")) {
    error = MakeOraError(933, "", t[at].offset);
    return false;
  }
  ++at;
  if (at < t.size() && t[at].IsWord("SAVEPOINT")) ++at;
  std::string name;
  return SavepointName(t, at, name, error) && session.RollbackTo(name, error);
}

}  // namespace

bool RunTransactionStatement(Session& session, Route route, const std::vector<Token>& t, OraError& error) {
  std::string name;
  switch (route) {
    case Route::Commit: return session.Commit(error);
    case Route::Rollback: return Rollback(session, t, error);
    default: return SavepointName(t, 1, name, error) && session.Savepoint(name, error);
  }
}

}  // namespace ocilite
