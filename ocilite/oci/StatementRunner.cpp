#include "oci/StatementRunner.h"

#include "dictionary/AlterTable.h"
#include "dictionary/DictionaryDdl.h"
#include "dictionary/SystemNames.h"
#include "dictionary/ViolationErrors.h"
#include "oci/StatementKind.h"
#include "oci/TransactionStatements.h"
#include "OciApi.h"
#include "oracle/OracleDate.h"
#include "sql/DdlRewriter.h"
#include "sql/SqlFrontEnd.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

// Where SQLite cannot tell the position: the first use of the name the message names
// ("no such table: X"), or the end of the text for an unfinished statement.
size_t GuessOffset(const std::string& message, const LexedText& source) {
  if (message.find("incomplete input") != std::string::npos) return source.text.size();
  size_t colon = message.rfind(": ");
  if (colon == std::string::npos) return 0;
  std::string name = message.substr(colon + 2);
  name = name.substr(name.rfind('.') == std::string::npos ? 0 : name.rfind('.') + 1);
  for (const Token& token : source.significant) {
    if (IdentifierName(token) == ToUpper(name)) return token.offset;
  }
  return 0;
}

// SQLite's failure as the Oracle error, pointing into the original text.
OraError TranslatedError(Session& session, const Translation& translation, size_t statementStart,
                         const LexedText& source) {
  sqlite3* db = session.Db();
  int code = sqlite3_extended_errcode(db);
  int at = sqlite3_error_offset(db);
  size_t offset = at >= 0 ? translation.SourceOffset(statementStart + static_cast<size_t>(at))
                          : GuessOffset(sqlite3_errmsg(db), source);
  if ((code & 0xff) == SQLITE_AUTH) return MakeOraError(session.DenialCode(), "", offset);
  return OraErrorFromSqlite(code, sqlite3_errmsg(db), offset);
}

// Runs every statement of the translated text (one, or two for CREATE OR REPLACE VIEW).
bool RunTranslated(Session& session, const Translation& translation, const LexedText& source, uint32_t& changes,
                   OraError& error) {
  const char* start = translation.sql.c_str();
  const char* next = start;
  changes = 0;
  for (size_t index = 0; *next; ++index) {
    sqlite3_stmt* statement = nullptr;
    size_t at = static_cast<size_t>(next - start);
    if (sqlite3_prepare_v2(session.Db(), next, -1, &statement, &next) != SQLITE_OK) {
      error = TranslatedError(session, translation, at, source);
      return false;
    }
    if (!statement) break;  // only blanks or comments were left
    int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
      error = TranslatedError(session, translation, at, source);
      return false;
    }
    uint32_t changed = static_cast<uint32_t>(sqlite3_changes(session.Db()));
    if (translation.counted.empty()) {
      changes = changed;
    } else if (index < translation.counted.size() && translation.counted[index]) {
      changes += changed;
    }
  }
  return true;
}

// ALTER SESSION: NLS_DATE_FORMAT is kept for the session; the other settings change nothing here.
bool AlterSession(Session& session, const std::vector<Token>& t, OraError& error) {
  for (size_t k = 0; k + 2 < t.size(); ++k) {
    if (!t[k].IsWord("NLS_DATE_FORMAT") || !t[k + 1].IsSymbol('=') || t[k + 2].kind != TokenKind::String) continue;
    std::string format(t[k + 2].text.substr(1, t[k + 2].text.size() - 2));
    std::string ignored;
    if (!FormatDate(DateTime(), format, ignored)) {
      error = MakeOraError(1821, "", t[k + 2].offset);
      return false;
    }
    session.SetNlsDateFormat(format);
  }
  return true;
}

int OpenQuery(const std::shared_ptr<Session>& session, const Translation& translation, const LexedText& source,
              const std::vector<SqlType>& types, bool commit, Execution& result, OraError& error) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(session->Db(), translation.sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    error = TranslatedError(*session, translation, 0, source);
    return OCI_ERROR;
  }
  if (!statement) {
    error = MakeOraError(900);
    return OCI_ERROR;
  }
  result.cursor = Cursor::Open(session, statement, error);
  if (!result.cursor) return OCI_ERROR;
  std::vector<bool> dates;
  for (SqlType type : types) dates.push_back(type == SqlType::Date);
  result.cursor->ShowAsDates(dates);
  return commit && !session->Commit(error) ? OCI_ERROR : OCI_SUCCESS;
}

int RunSql(const std::shared_ptr<Session>& session, const ExecuteRequest& request, Execution& result, OraError& error) {
  const StatementKind& kind = request.statement.kind;
  Translation translation;
  std::vector<SqlType> types;
  bool isDdl = kind.category == Category::Ddl;
  bool isDml = !isDdl || kind.ociType == kTruncateType;  // TRUNCATE reads as DML, commits as DDL
  DdlRewriteOptions ddl{session->User().name, session->User().isDba,
                        [&session] { return NextConstraintName(*session); }};
  const LexedText& lexed = request.statement.lexed;
  bool translated = isDml ? TranslateDml(session->Db(), lexed, session->User().isDba, translation, types, error)
                          : TranslateDdl(session->Db(), lexed, ddl, translation, error);
  if (!translated) return OCI_ERROR;
  if (kind.category == Category::Query) {
    return OpenQuery(session, translation, lexed, types, request.commit, result, error);
  }
  if (!isDdl && request.iterations == 0) {
    error = MakeOraError(24333);
    return OCI_ERROR;
  }
  // DDL commits what is pending, as in Oracle; DML joins the session's transaction.
  auto run = [&](OraError& failure) { return RunTranslated(*session, translation, lexed, result.rowCount, failure); };
  bool ran = isDdl ? session->Commit(error) && run(error) : session->RunAtomically(run, error);
  if (!ran) {
    ExplainViolation(session->Db(), session->User().name, lexed, kind.ociType, error);
    return OCI_ERROR;
  }
  if (isDdl) result.rowCount = 0;
  return request.commit && !session->Commit(error) ? OCI_ERROR : OCI_SUCCESS;
}

}  // namespace

void PreparedStatement::Prepare(std::string statementText) {
  text = std::move(statementText);
  lexed = Lex(text);
  kind = ClassifyStatement(lexed.significant);
}

int RunStatement(const std::shared_ptr<Session>& session, const ExecuteRequest& request, Execution& result,
                 OraError& error) {
  const std::vector<Token>& tokens = request.statement.lexed.significant;
  const std::string& text = request.statement.text;
  StatementKind kind = request.statement.kind;
  bool ok = true;
  switch (kind.route) {
    case Route::Sql:
      if (!ReleaseDroppedTable(*session, tokens, error)) return OCI_ERROR;
      return RunSql(session, request, result, error);
    case Route::AlterTable: ok = AlterTable(*session, tokens, text, error); break;
    case Route::Commit:
    case Route::Rollback:
    case Route::Savepoint: ok = RunTransactionStatement(*session, kind.route, tokens, error); break;
    case Route::AlterSession: ok = AlterSession(*session, tokens, error); break;
    case Route::AnonymousBlock:
      ok = IsNullOnlyBlock(tokens);
      if (!ok)
        error = MakeOraError(6550,
                             "this client library records PL/SQL but does not execute it; "
                             "only blocks of NULL; statements run");
      break;
    case Route::Unsupported:
      ok = false;
      error = MakeOraError(3001, ToUpper(tokens[0].text), tokens[0].offset);
      break;
    case Route::Invalid:
      ok = false;
      error = MakeOraError(900, "", tokens.empty() ? 0 : tokens[0].offset);
      break;
    default: ok = RecordDdl(*session, kind.route, tokens, text, error);
  }
  return ok ? OCI_SUCCESS : OCI_ERROR;
}

}  // namespace ocilite
