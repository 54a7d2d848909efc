// Fuzz target for ocilite's statement entry: up to four statements, separated by zero
// bytes, are prepared, executed, described and fetched through the OCI entry points, the
// way the session does it. Every failure must leave a readable "ORA-nnnnn: " text and an
// error offset inside the statement, and every fetched value must be terminated inside its
// buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "OciliteScratch.h"

namespace {

const int kMostStatements = 4;
const int kMostRows = 50;

void Fail(const std::string& what, const std::string& statement) {
  std::fprintf(stderr, "ocilite property broken: %s\nstatement: %s\n", what.c_str(), statement.c_str());
  std::abort();
}

bool IsOraText(const char* text) {
  if (std::strncmp(text, "ORA-", 4) != 0) return false;
  for (int k = 4; k < 9; ++k)
    if (text[k] < '0' || text[k] > '9') return false;
  return text[9] == ':' && text[10] == ' ';
}

// The offset becomes a caret position in the editor: it must point into the statement.
void ExpectErrorOffset(OciliteScratch& db, OCIStmt* statement, const std::string& text) {
  ub2 offset = 0;
  if (OCIAttrGet(statement, OCI_HTYPE_STMT, &offset, nullptr, OCI_ATTR_PARSE_ERROR_OFFSET, db.Err()) == OCI_SUCCESS &&
      offset > text.size())
    Fail("error offset " + std::to_string(offset) + " lies past the statement", text);
}

void ExpectErrorText(OciliteScratch& db, const std::string& statement) {
  char text[4096];
  sb4 code = 0;
  std::memset(text, 'x', sizeof text);
  if (OCIErrorGet(db.Err(), 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR) !=
      OCI_SUCCESS)
    Fail("a failure left no error to read", statement);
  if (!std::memchr(text, 0, sizeof text)) Fail("the error text is not terminated", statement);
  if (code <= 0 || !IsOraText(text)) Fail(std::string("unclear error text: ") + text, statement);
}

struct Column {
  std::vector<char> buffer;
  sb2 indicator = 0;
};

void FetchRows(OciliteScratch& db, OCIStmt* statement, const std::string& text) {
  ub4 count = 0;
  if (OCIAttrGet(statement, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_PARAM_COUNT, db.Err()) != OCI_SUCCESS)
    Fail("a query without a column count", text);
  std::vector<Column> columns(count);
  for (ub4 position = 1; position <= count; ++position) {
    void* param = nullptr;
    OraText* name = nullptr;
    ub4 nameLength = 0;
    ub2 size = 0;
    if (OCIParamGet(statement, OCI_HTYPE_STMT, db.Err(), &param, position) != OCI_SUCCESS ||
        OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &nameLength, OCI_ATTR_NAME, db.Err()) != OCI_SUCCESS ||
        OCIAttrGet(param, OCI_DTYPE_PARAM, &size, nullptr, OCI_ATTR_DISP_SIZE, db.Err()) != OCI_SUCCESS)
      Fail("a described column cannot be read", text);
    Column& column = columns[position - 1];
    column.buffer.assign(size + 1u, 'x');
    OCIDefine* define = nullptr;
    if (OCIDefineByPos(statement, &define, db.Err(), position, column.buffer.data(), size + 1, SQLT_STR,
                       &column.indicator, nullptr, nullptr, OCI_DEFAULT) != OCI_SUCCESS)
      Fail("a column cannot be defined", text);
  }
  for (int row = 0; row < kMostRows; ++row) {
    const sword status = OCIStmtFetch(statement, db.Err(), 1, OCI_FETCH_NEXT, OCI_DEFAULT);
    if (status == OCI_NO_DATA) return;
    if (status != OCI_SUCCESS) return ExpectErrorText(db, text);
    for (const Column& column : columns)
      if (!std::memchr(column.buffer.data(), 0, column.buffer.size())) Fail("a value is not terminated", text);
  }
}

void Run(OciliteScratch& db, const std::string& text) {
  void* handle = nullptr;
  OCIHandleAlloc(db.Env(), &handle, OCI_HTYPE_STMT, 0, nullptr);
  OCIStmt* statement = static_cast<OCIStmt*>(handle);
  ub2 type = 0;
  if (OCIStmtPrepare(statement, db.Err(), reinterpret_cast<const OraText*>(text.data()), static_cast<ub4>(text.size()),
                     OCI_NTV_SYNTAX, OCI_DEFAULT) != OCI_SUCCESS) {
    ExpectErrorText(db, text);
  } else {
    OCIAttrGet(statement, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, db.Err());
    const bool isQuery = type == OCI_STMT_SELECT;
    const sword executed =
        OCIStmtExecute(db.Svc(), statement, db.Err(), isQuery ? 0 : 1, 0, nullptr, nullptr, OCI_DEFAULT);
    if (executed != OCI_SUCCESS) {
      ExpectErrorText(db, text);
      ExpectErrorOffset(db, statement, text);
    } else if (isQuery) {
      FetchRows(db, statement, text);
    }
  }
  OCIHandleFree(statement, OCI_HTYPE_STMT);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static OciliteScratch db;
  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  for (int k = 0; k < kMostStatements && start <= input.size(); ++k) {
    size_t end = input.find('\0', start);
    if (end == std::string::npos) end = input.size();
    Run(db, input.substr(start, end - start));
    start = end + 1;
  }
  db.Reset();
  return 0;
}
