#include "OciliteScratch.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

void UseDataFolder(const std::string& folder) { setenv("OCILITE_DATA", folder.c_str(), 1); }

template <typename Handle>
Handle* Allocate(OCIEnv* env, ub4 type) {
  void* handle = nullptr;
  OCIHandleAlloc(env, &handle, type, 0, nullptr);
  return static_cast<Handle*>(handle);
}

void Copy(const std::string& from, const std::string& to) {
  fs::remove_all(to);
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), fs::path(to) / entry.path().filename());
}

}  // namespace

OciliteScratch::OciliteScratch() {
  const fs::path root = fs::current_path() / "ocilite-fuzz-data";
  pristine_ = (root / "pristine").string();
  live_ = (root / "live").string();
  fs::remove_all(root);
  fs::create_directories(pristine_);
  UseDataFolder(pristine_);
  Connect();
  Disconnect();
  Copy(pristine_, live_);
  UseDataFolder(live_);
  Connect();
  lastState_ = FileState();
}

OciliteScratch::~OciliteScratch() { Disconnect(); }

void OciliteScratch::Connect() {
  OCIInitialize(OCI_OBJECT, nullptr, nullptr, nullptr, nullptr);
  OCIEnvInit(&env_, OCI_ENV_NO_UCB, 0, nullptr);
  err_ = Allocate<OCIError>(env_, OCI_HTYPE_ERROR);
  srv_ = Allocate<OCIServer>(env_, OCI_HTYPE_SERVER);
  svc_ = Allocate<OCISvcCtx>(env_, OCI_HTYPE_SVCCTX);
  sess_ = Allocate<OCISession>(env_, OCI_HTYPE_SESSION);
  char user[] = "SCOTT", password[] = "tiger";
  const sword attached = OCIServerAttach(srv_, err_, reinterpret_cast<const OraText*>("DEMO"), 4, OCI_DEFAULT);
  OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, srv_, 0, OCI_ATTR_SERVER, err_);
  OCIAttrSet(sess_, OCI_HTYPE_SESSION, user, 5, OCI_ATTR_USERNAME, err_);
  OCIAttrSet(sess_, OCI_HTYPE_SESSION, password, 5, OCI_ATTR_PASSWORD, err_);
  const sword begun = OCISessionBegin(svc_, err_, sess_, OCI_CRED_RDBMS, OCI_DEFAULT);
  if (attached != OCI_SUCCESS || begun != OCI_SUCCESS ||
      OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, sess_, 0, OCI_ATTR_SESSION, err_) != OCI_SUCCESS) {
    std::fprintf(stderr, "cannot log in to the scratch demo database\n");
    std::abort();
  }
}

void OciliteScratch::Disconnect() {
  OCISessionEnd(svc_, err_, sess_, OCI_DEFAULT);
  OCIHandleFree(sess_, OCI_HTYPE_SESSION);
  OCIHandleFree(svc_, OCI_HTYPE_SVCCTX);
  OCIServerDetach(srv_, err_, OCI_DEFAULT);
  OCIHandleFree(srv_, OCI_HTYPE_SERVER);
  OCIHandleFree(err_, OCI_HTYPE_ERROR);
  OCIHandleFree(env_, OCI_HTYPE_ENV);
  OCITerminate(OCI_DEFAULT);
}

// Names, sizes and modification times: SQLite touches a file only when it commits to it.
std::string OciliteScratch::FileState() const {
  std::string state;
  std::error_code gone;  // a journal may vanish between the listing and the look
  for (const fs::directory_entry& entry : fs::directory_iterator(live_)) {
    state += entry.path().filename().string() + ' ' + std::to_string(entry.file_size(gone)) + ' ' +
             std::to_string(entry.last_write_time(gone).time_since_epoch().count()) + '\n';
  }
  return state;
}

void OciliteScratch::Reset() {
  OCIStmt* rollback = Allocate<OCIStmt>(env_, OCI_HTYPE_STMT);
  OCIStmtPrepare(rollback, err_, reinterpret_cast<const OraText*>("ROLLBACK"), 8, OCI_NTV_SYNTAX, OCI_DEFAULT);
  OCIStmtExecute(svc_, rollback, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT);
  OCIHandleFree(rollback, OCI_HTYPE_STMT);
  if (FileState() == lastState_) return;
  Disconnect();
  Copy(pristine_, live_);
  Connect();
  lastState_ = FileState();
}
