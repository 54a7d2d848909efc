#include "oci/StatementKind.h"

#include <string>

#include "OciApi.h"
#include "sql/DdlHead.h"

namespace ocilite {

namespace {

bool IsUnitWord(const Token& token) {
  return token.IsWord("PROCEDURE") || token.IsWord("FUNCTION") || token.IsWord("PACKAGE") || token.IsWord("TRIGGER") ||
         token.IsWord("TYPE");
}

Route DdlRoute(const Token& object, Route sqlRoute, Route unit, Route sequence, Route synonym, Route dbLink) {
  if (IsSqlObjectWord(object)) return sqlRoute;
  if (IsUnitWord(object)) return unit;
  if (object.IsWord("SEQUENCE")) return sequence;
  if (object.IsWord("SYNONYM")) return synonym;
  if (object.IsWord("DATABASE")) return dbLink;
  return Route::Unsupported;
}

StatementKind ClassifyDdl(const std::vector<Token>& t) {
  size_t objectIndex = ReadDdlHead(t).objectAt;
  if (objectIndex >= t.size()) return {t[0].IsWord("CREATE") ? OCI_STMT_CREATE : OCI_STMT_DROP, Route::Invalid};
  const Token& object = t[objectIndex];
  if (t[0].IsWord("CREATE")) {
    return {OCI_STMT_CREATE, DdlRoute(object, Route::Sql, Route::CreateUnit, Route::CreateSequence,
                                      Route::CreateSynonym, Route::CreateDbLink)};
  }
  return {OCI_STMT_DROP,
          DdlRoute(object, Route::Sql, Route::DropUnit, Route::DropSequence, Route::DropSynonym, Route::DropDbLink)};
}

Category CategoryOf(const StatementKind& kind) {
  switch (kind.route) {
    case Route::Commit:
    case Route::Rollback:
    case Route::Savepoint: return Category::Transaction;
    case Route::AlterSession: return Category::Session;
    case Route::AnonymousBlock: return Category::PlSql;
    case Route::Unsupported:
    case Route::Invalid: return Category::Unknown;
    default: break;
  }
  if (kind.ociType == OCI_STMT_SELECT) return Category::Query;
  bool ddl = kind.ociType == OCI_STMT_CREATE || kind.ociType == OCI_STMT_DROP || kind.ociType == OCI_STMT_ALTER ||
             kind.ociType == kTruncateType;
  return ddl ? Category::Ddl : Category::Dml;
}

StatementKind Classify(const std::vector<Token>& t) {
  if (t.empty()) return {0, Route::Invalid};
  const Token& first = t[0];
  if (first.IsWord("SELECT") || first.IsWord("WITH") || first.IsSymbol('(')) return {OCI_STMT_SELECT, Route::Sql};
  if (first.IsWord("UPDATE")) return {OCI_STMT_UPDATE, Route::Sql};
  if (first.IsWord("DELETE")) return {OCI_STMT_DELETE, Route::Sql};
  if (first.IsWord("INSERT")) return {OCI_STMT_INSERT, Route::Sql};
  if (first.IsWord("TRUNCATE")) return {kTruncateType, Route::Sql};
  if (first.IsWord("MERGE")) return {kMergeType, Route::Sql};
  if (first.IsWord("CREATE") || first.IsWord("DROP")) return ClassifyDdl(t);
  if (first.IsWord("ALTER")) {
    bool session = t.size() > 1 && t[1].IsWord("SESSION");
    bool table = t.size() > 1 && t[1].IsWord("TABLE");
    return {OCI_STMT_ALTER, session ? Route::AlterSession : table ? Route::AlterTable : Route::Sql};
  }
  if (first.IsWord("BEGIN")) return {OCI_STMT_BEGIN, Route::AnonymousBlock};
  if (first.IsWord("DECLARE")) return {OCI_STMT_DECLARE, Route::AnonymousBlock};
  if (first.IsWord("COMMIT")) return {0, Route::Commit};
  if (first.IsWord("ROLLBACK")) return {0, Route::Rollback};
  if (first.IsWord("SAVEPOINT")) return {0, Route::Savepoint};
  static const char* const kKnownElsewhere[] = {"GRANT", "REVOKE", "RENAME",  "LOCK",    "EXPLAIN",
                                                "CALL",  "AUDIT",  "ANALYZE", "COMMENT", "SET"};
  for (const char* word : kKnownElsewhere) {
    if (first.IsWord(word)) return {0, Route::Unsupported};
  }
  return {0, Route::Invalid};
}

}  // namespace

StatementKind ClassifyStatement(const std::vector<Token>& t) {
  StatementKind kind = Classify(t);
  kind.category = CategoryOf(kind);
  return kind;
}

bool IsNullOnlyBlock(const std::vector<Token>& t) {
  size_t i = 0;
  if (i < t.size() && t[i].IsWord("DECLARE")) ++i;
  if (i >= t.size() || !t[i].IsWord("BEGIN")) return false;
  ++i;
  size_t statements = 0;
  while (i + 1 < t.size() && t[i].IsWord("NULL") && t[i + 1].IsSymbol(';')) {
    i += 2;
    ++statements;
  }
  if (statements == 0 || i >= t.size() || !t[i].IsWord("END")) return false;
  ++i;
  if (i < t.size() && t[i].kind == TokenKind::Word) ++i;  // END label
  if (i < t.size() && t[i].IsSymbol(';')) ++i;
  return i == t.size();
}

}  // namespace ocilite
