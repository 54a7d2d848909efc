#include "functions/FunctionArguments.h"
#include "dictionary/TableDefinition.h"
#include "functions/FunctionRegistry.h"
#include "oci/Session.h"
#include "oracle/OracleDate.h"
#include "oracle/OracleType.h"
#include "sql/SqlFrontEnd.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

std::string TextArgument(sqlite3_value* value) {
  const unsigned char* text = sqlite3_value_text(value);
  return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

void ResultText(sqlite3_context* context, const std::string& text) {
  sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void ResultError(sqlite3_context* context, const OraError& error) {
  sqlite3_result_error(context, error.text.c_str(), static_cast<int>(error.text.size()));
}

void User(sqlite3_context* context, int, sqlite3_value**) { ResultText(context, SessionOf(context)->User().name); }

void IsDba(sqlite3_context* context, int, sqlite3_value**) {
  sqlite3_result_int(context, SessionOf(context)->User().isDba ? 1 : 0);
}

void TransactionId(sqlite3_context* context, int, sqlite3_value**) {
  const std::string id = SessionOf(context)->TransactionId();
  if (id.empty()) {
    sqlite3_result_null(context);
  } else {
    ResultText(context, id);
  }
}

void Sysdate(sqlite3_context* context, int, sqlite3_value**) { ResultText(context, LocalTimestamp()); }

void SequenceValue(sqlite3_context* context, sqlite3_value** argv, bool next) {
  Session* session = SessionOf(context);
  int64_t value = 0;
  OraError error;
  std::string owner = TextArgument(argv[0]);
  std::string name = TextArgument(argv[1]);
  bool ok = next ? session->NextValue(owner, name, value, error) : session->CurrentValue(owner, name, value, error);
  if (ok) {
    sqlite3_result_int64(context, value);
  } else {
    ResultError(context, error);
  }
}

void NextVal(sqlite3_context* context, int, sqlite3_value** argv) { SequenceValue(context, argv, true); }
void CurrVal(sqlite3_context* context, int, sqlite3_value** argv) { SequenceValue(context, argv, false); }

void Nvl(sqlite3_context* context, int, sqlite3_value** argv) {
  sqlite3_result_value(context, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

// DECODE(expr, search1, result1, ..., [default]); NULL matches NULL, as in Oracle.
void Decode(sqlite3_context* context, int argc, sqlite3_value** argv) {
  for (int i = 1; i + 1 < argc; i += 2) {
    bool bothNull = sqlite3_value_type(argv[0]) == SQLITE_NULL && sqlite3_value_type(argv[i]) == SQLITE_NULL;
    bool equal = sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_type(argv[i]) != SQLITE_NULL &&
                 TextArgument(argv[0]) == TextArgument(argv[i]);
    if (bothNull || equal) {
      sqlite3_result_value(context, argv[i + 1]);
      return;
    }
  }
  if (argc % 2 == 0) {
    sqlite3_result_value(context, argv[argc - 1]);
  } else {
    sqlite3_result_null(context);
  }
}

void TypeName(sqlite3_context* context, int, sqlite3_value** argv) {
  ResultText(context, ParseDeclaredType(TextArgument(argv[0])).name);
}

void TypeLength(sqlite3_context* context, int, sqlite3_value** argv) {
  sqlite3_result_int(context, ParseDeclaredType(TextArgument(argv[0])).length);
}

void ResultOptional(sqlite3_context* context, int value) {
  if (value < 0) {
    sqlite3_result_null(context);
  } else {
    sqlite3_result_int(context, value);
  }
}

void TypePrecision(sqlite3_context* context, int, sqlite3_value** argv) {
  ResultOptional(context, ParseDeclaredType(TextArgument(argv[0])).precision);
}

void TypeScale(sqlite3_context* context, int, sqlite3_value** argv) {
  ResultOptional(context, ParseDeclaredType(TextArgument(argv[0])).scale);
}

void ViewText(sqlite3_context* context, int, sqlite3_value** argv) {
  ResultText(context, ViewQueryText(TextArgument(argv[0])));
}

void Constraints(sqlite3_context* context, int, sqlite3_value** argv) {
  ResultText(context, ConstraintsJson(TextArgument(argv[0])));
}

void IndexNameOf(sqlite3_context* context, int, sqlite3_value** argv) {
  ResultText(context, IndexName(TextArgument(argv[0]), TextArgument(argv[1]), TextArgument(argv[2])));
}

const FunctionEntry kFunctions[] = {
    {"ZQ_USER", 0, true, User},
    {"ZQ_IS_DBA", 0, true, IsDba},
    {"ZQ_SYSDATE", 0, false, Sysdate},
    {"ZQ_TRANSACTION_ID", 0, false, TransactionId},
    {"ZQ_NEXTVAL", 2, false, NextVal},
    {"ZQ_CURRVAL", 2, false, CurrVal},
    {"NVL", 2, true, Nvl},
    {"DECODE", -1, true, Decode},
    {"ZQ_TYPE_NAME", 1, true, TypeName},
    {"ZQ_TYPE_LENGTH", 1, true, TypeLength},
    {"ZQ_TYPE_PRECISION", 1, true, TypePrecision},
    {"ZQ_TYPE_SCALE", 1, true, TypeScale},
    {"ZQ_VIEW_TEXT", 1, true, ViewText},
    {"ZQ_CONSTRAINTS", 1, true, Constraints},
    {"ZQ_INDEX_NAME", 3, true, IndexNameOf},
};

}  // namespace

FunctionFamily SessionFunctions() { return Family(kFunctions); }

}  // namespace ocilite
