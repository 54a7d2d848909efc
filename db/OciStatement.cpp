// OciConnection's statement side: executing, describing the select list, fetching rows.
#include <new>

#include "OciConnection.h"
#include "TextBuffer.h"

namespace {

DbResult Map(sword status) { return OciBinding::MapOciStatus(status); }

const char kNullText[] = "NULL";
constexpr sb2 kCutLongerThanIndicator = -2;

}  // namespace

template <typename Value>
sword OciConnection::GetAttribute(const void* handle, ub4 handleType, Value& value, ub4 attribute) {
  return Oci().OCIAttrGet(handle, handleType, &value, nullptr, attribute, error_);
}

DbResult OciConnection::Execute(const char* statement, size_t length, int& isQuery, int& columnCount, int& rowCount,
                                int& errorOffset) {
  isQuery = columnCount = rowCount = errorOffset = 0;
  DbResult result = RequireSession();
  if (result != DB_OK) return result;
  OCIStmt* handle = nullptr;
  AllocateHandle(handle, OCI_HTYPE_STMT);
  sword status = Oci().OCIStmtPrepare(handle, error_, reinterpret_cast<const OraText*>(statement),
                                      static_cast<ub4>(length), OCI_NTV_SYNTAX, OCI_DEFAULT);
  if (status != OCI_SUCCESS) {
    FreeHandle(handle, OCI_HTYPE_STMT);
    return Map(status);
  }
  isQuery = IsSelect(handle) ? 1 : 0;
  if (isQuery) return ExecuteQuery(handle, columnCount, rowCount, errorOffset);
  return ExecuteNonQuery(handle, rowCount, errorOffset);
}

// A statement whose type cannot be read runs as a non-query.
bool OciConnection::IsSelect(OCIStmt* statement) {
  ub2 type = 0;
  return GetAttribute(statement, OCI_HTYPE_STMT, type, OCI_ATTR_STMT_TYPE) == OCI_SUCCESS && type == OCI_STMT_SELECT;
}

int OciConnection::ReadErrorOffset(OCIStmt* statement) {
  ub2 offset = 0;
  GetAttribute(statement, OCI_HTYPE_STMT, offset, OCI_ATTR_PARSE_ERROR_OFFSET);
  return offset;
}

DbResult OciConnection::ExecuteNonQuery(OCIStmt* statement, int& rowCount, int& errorOffset) {
  ub4 mode = manualCommit_ ? OCI_DEFAULT : OCI_COMMIT_ON_SUCCESS;
  sword status = Oci().OCIStmtExecute(serviceContext_, statement, error_, 1, 0, nullptr, nullptr, mode);
  if (status == OCI_SUCCESS) {
    ub4 rows = 0;
    GetAttribute(statement, OCI_HTYPE_STMT, rows, OCI_ATTR_ROW_COUNT);
    rowCount = static_cast<int>(rows);
  } else {
    errorOffset = ReadErrorOffset(statement);
  }
  FreeHandle(statement, OCI_HTYPE_STMT);
  return Map(status);
}

// The query becomes current even when its execute fails; the next query or Disconnect
// releases it. A query never commits.
DbResult OciConnection::ExecuteQuery(OCIStmt* statement, int& columnCount, int& rowCount, int& errorOffset) {
  CloseQuery();
  query_ = statement;
  valuesCut_ = 0;
  AskForPrefetch(statement);
  sword status = Oci().OCIStmtExecute(serviceContext_, statement, error_, 0, 0, nullptr, nullptr, OCI_DEFAULT);
  if (status != OCI_SUCCESS) {
    errorOffset = ReadErrorOffset(statement);
    return Map(status);
  }
  ub4 columns = 0;
  sword counted = GetAttribute(statement, OCI_HTYPE_STMT, columns, OCI_ATTR_PARAM_COUNT);
  columnCount = static_cast<int>(columns);
  ub4 rows = 0;
  GetAttribute(statement, OCI_HTYPE_STMT, rows, OCI_ATTR_ROW_COUNT);
  rowCount = static_cast<int>(rows);
  return Map(counted);
}

// One row per fetch would cost one round trip to the server per row. A library that refuses
// the attribute runs the query without prefetching.
void OciConnection::AskForPrefetch(OCIStmt* statement) {
  ub4 rows = kPrefetchRows;
  Oci().OCIAttrSet(statement, OCI_HTYPE_STMT, &rows, sizeof rows, OCI_ATTR_PREFETCH_ROWS, error_);
}

DbResult OciConnection::CloseQuery() {
  DbResult result = RequireSession();
  if (result != DB_OK) return result;
  if (query_) {
    result = Map(Oci().OCIHandleFree(query_, OCI_HTYPE_STMT));
    query_ = nullptr;
  }
  ReleaseColumnBuffers();
  return result;
}

DbResult OciConnection::DescribeColumns(int columnCount, std::vector<std::string>& names) {
  names.clear();
  DbResult result = RequireSession();
  if (result != DB_OK) return result;
  ReleaseColumnBuffers();
  if (columnCount > 0 && !query_) return DB_INVALID_HANDLE;
  const int maxBytesPerCharacter = columnCount > 0 ? ClientMaxBytesPerCharacter() : 0;
  for (int index = 0; index < columnCount && result == DB_OK; ++index)
    result = DescribeColumn(index, maxBytesPerCharacter, names);
  return result;
}

// Text grows when the client's character set needs more bytes per character than the
// database's; a set that cannot be read counts as the widest.
int OciConnection::ClientMaxBytesPerCharacter() {
  ub4 id = 0;
  sword status = GetAttribute(environment_, OCI_HTYPE_ENV, id, OCI_ATTR_ENV_CHARSET_ID);
  return MaxBytesPerCharacter(status == OCI_SUCCESS ? static_cast<ub2>(id) : 0);
}

// Widths of these attributes differ between client versions: each is read into a zeroed
// 32-bit variable and narrowed to its documented width.
sword OciConnection::ReadNarrowed(void* parameter, ub4 attribute, ub2& value) {
  ub4 wide = 0;
  sword status = GetAttribute(parameter, OCI_DTYPE_PARAM, wide, attribute);
  value = static_cast<ub2>(wide);
  return status;
}

sword OciConnection::ReadColumnType(void* parameter, ColumnType& type) {
  ub2 dataType = 0, dataSize = 0, charSize = 0, displaySize = 0;
  sword status = ReadNarrowed(parameter, OCI_ATTR_DATA_TYPE, dataType);
  if (status == OCI_SUCCESS) status = ReadNarrowed(parameter, OCI_ATTR_DATA_SIZE, dataSize);
  if (status == OCI_SUCCESS) status = ReadNarrowed(parameter, OCI_ATTR_CHAR_SIZE, charSize);
  if (status == OCI_SUCCESS && SizedByDisplaySize(dataType))
    status = GetAttribute(parameter, OCI_DTYPE_PARAM, displaySize, OCI_ATTR_DISP_SIZE);
  type = {dataType, dataSize, charSize, displaySize};
  return status;
}

DbResult OciConnection::DescribeColumn(int index, int maxBytesPerCharacter, std::vector<std::string>& names) {
  void* parameter = nullptr;
  sword status = Oci().OCIParamGet(query_, OCI_HTYPE_STMT, error_, &parameter, static_cast<ub4>(index + 1));
  if (status != OCI_SUCCESS) return Map(status);
  OraText* name = nullptr;
  ub4 nameLength = 0;
  status = Oci().OCIAttrGet(parameter, OCI_DTYPE_PARAM, &name, &nameLength, OCI_ATTR_NAME, error_);
  if (status != OCI_SUCCESS) return Map(status);
  ColumnType type;
  status = ReadColumnType(parameter, type);
  if (status != OCI_SUCCESS) return Map(status);
  names.emplace_back(name ? reinterpret_cast<const char*>(name) : "", name ? nameLength : 0);
  if (index >= kMaxColumns) return DB_ERROR;
  ColumnBuffer buffer;
  buffer.size = ColumnBufferBytes(type, maxBytesPerCharacter);
  buffer.cutShowsHashes = CutShowsHashes(type.dataType);
  buffer.text.reset(new (std::nothrow) char[buffer.size]());
  if (!buffer.text) return DB_ERROR;
  char* text = buffer.text.get();
  columnBuffers_.push_back(std::move(buffer));
  status = Oci().OCIDefineByPos(query_, &defines_[index], error_, static_cast<ub4>(index + 1), text,
                                static_cast<sb4>(columnBuffers_.back().size), SQLT_STR, &indicators_[index], nullptr,
                                nullptr, OCI_DEFAULT);
  return Map(status);
}

// Asking for more columns than were described would read buffers that do not exist. A
// warning (an aggregate that skipped a NULL, a value cut to fit) comes with its row.
DbResult OciConnection::FetchRow(int columnCount, std::vector<std::string>& values) {
  values.clear();
  DbResult result = RequireSession();
  if (result != DB_OK) return result;
  if (!query_) return DB_INVALID_HANDLE;
  if (columnCount > static_cast<int>(columnBuffers_.size())) return DB_ERROR;
  sword status = Oci().OCIStmtFetch(query_, error_, 1, OCI_FETCH_NEXT, OCI_DEFAULT);
  if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO) return Map(status);
  for (int index = 0; index < columnCount; ++index) values.push_back(ValueText(index));
  return DB_OK;
}

// The indicator tells a NULL (-1) and a value cut short: its full length, or -2 when that
// is too long for the indicator.
std::string OciConnection::ValueText(int index) {
  const ColumnBuffer& buffer = columnBuffers_[index];
  const sb2 indicator = indicators_[index];
  if (indicator == OCI_IND_NULL) return kNullText;
  std::string text = TextUpToZero(buffer.text.get(), buffer.size);
  if (indicator <= 0 && indicator != kCutLongerThanIndicator) return text;
  ++valuesCut_;
  return CutValueText(text, buffer.cutShowsHashes);
}
