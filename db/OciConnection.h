// The one database session: connects, runs statements, fetches rows as text and reads the
// last error, all through the loaded OCI entry points. Owns its OCI handles, the current
// query and the column buffers the query's values are fetched into.
#ifndef ZENQUILL_DB_OCICONNECTION_H
#define ZENQUILL_DB_OCICONNECTION_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "ColumnBuffers.h"
#include "DbResult.h"
#include "OciBinding.h"

class OciConnection {
 public:
  static constexpr int kMaxColumns = 4096;
  // Rows the client library brings per round trip to the server.
  static constexpr ub4 kPrefetchRows = 500;

  // Loads the client library; a failure leaves every operation answering DB_NOT_LOADED.
  OciConnection();
  ~OciConnection();
  OciConnection(const OciConnection&) = delete;
  OciConnection& operator=(const OciConnection&) = delete;

  DbResult Connect(const char* database, size_t databaseLength, const char* user, size_t userLength,
                   const char* password, size_t passwordLength, int loginType);
  DbResult Disconnect();
  DbResult SetManualCommit(int manual);
  DbResult GetErrorText(char* buffer, size_t size, int& errorCode);

  DbResult Execute(const char* statement, size_t length, int& isQuery, int& columnCount, int& rowCount,
                   int& errorOffset);
  DbResult DescribeColumns(int columnCount, std::vector<std::string>& names);
  DbResult FetchRow(int columnCount, std::vector<std::string>& values);
  DbResult CloseQuery();
  // Whether a running call can be cancelled: the client library has the entry points.
  bool CanBreak() const { return binding_.CanBreak(); }
  // From another thread while a call of the session runs: that call returns ORA-01013.
  DbResult Break();
  // Once the interrupted call has returned: the session takes calls again.
  DbResult Reset();
  // Values of the current query shown cut short so far (they did not fit their buffers).
  int ValuesCut() const { return valuesCut_; }

 private:
  // How far the last Connect got; tells what a release has to undo.
  enum class Stage { kNone, kInitialized, kAttached, kSessionBegun, kConnected };

  struct ColumnBuffer {
    std::unique_ptr<char[]> text;
    size_t size = 0;
    bool cutShowsHashes = false;
  };

  const OciEntryPoints& Oci() const { return binding_.EntryPoints(); }
  DbResult RequireSession() const;

  DbResult AttachServer(const char* database, size_t databaseLength);
  DbResult BeginSession(const char* user, size_t userLength, const char* password, size_t passwordLength,
                        int loginType);
  ub4 SetCredentials(const char* user, size_t userLength, const char* password, size_t passwordLength);
  void ReleaseSession();

  bool IsSelect(OCIStmt* statement);
  DbResult ExecuteNonQuery(OCIStmt* statement, int& rowCount, int& errorOffset);
  DbResult ExecuteQuery(OCIStmt* statement, int& columnCount, int& rowCount, int& errorOffset);
  int ReadErrorOffset(OCIStmt* statement);
  void AskForPrefetch(OCIStmt* statement);
  int ClientMaxBytesPerCharacter();
  sword ReadColumnType(void* parameter, ColumnType& type);
  sword ReadNarrowed(void* parameter, ub4 attribute, ub2& value);
  DbResult DescribeColumn(int index, int maxBytesPerCharacter, std::vector<std::string>& names);
  std::string ValueText(int index);
  void ReleaseColumnBuffers() { columnBuffers_.clear(); }

  template <typename Handle>
  void AllocateHandle(Handle*& handle, ub4 type) {
    void* allocated = nullptr;
    Oci().OCIHandleAlloc(environment_, &allocated, type, 0, nullptr);
    handle = static_cast<Handle*>(allocated);
  }
  template <typename Handle>
  void FreeHandle(Handle*& handle, ub4 type) {
    if (handle) Oci().OCIHandleFree(handle, type);
    handle = nullptr;
  }
  template <typename Value>
  sword GetAttribute(const void* handle, ub4 handleType, Value& value, ub4 attribute);

  int manualCommit_ = 0;
  OCIEnv* environment_ = nullptr;
  OCIError* error_ = nullptr;
  // The break's own, made at the first break: error_ belongs to the call it interrupts.
  OCIError* breakError_ = nullptr;
  OCIServer* server_ = nullptr;
  OCISvcCtx* serviceContext_ = nullptr;
  OCISession* session_ = nullptr;
  OCIStmt* query_ = nullptr;
  OCIDefine* defines_[kMaxColumns] = {};
  sb2 indicators_[kMaxColumns] = {};
  Stage stage_ = Stage::kNone;
  std::vector<ColumnBuffer> columnBuffers_;
  int valuesCut_ = 0;
  OciBinding binding_;
};

#endif
