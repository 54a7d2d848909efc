// A logged-in SCOTT session on a scratch copy of the demo database, for fuzzing the
// library's statement entry through its OCI entry points. Statements run without commit;
// when an input still changed the database files (DDL, COMMIT), the copy is restored.
#ifndef ZENQUILL_TESTS_FUZZ_OCILITESCRATCH_H
#define ZENQUILL_TESTS_FUZZ_OCILITESCRATCH_H

#include <string>

#include "OciApi.h"

class OciliteScratch {
 public:
  // Seeds the demo database once into a pristine folder below the working directory.
  OciliteScratch();
  ~OciliteScratch();
  OciliteScratch(const OciliteScratch&) = delete;
  OciliteScratch& operator=(const OciliteScratch&) = delete;

  OCIEnv* Env() const { return env_; }
  OCIError* Err() const { return err_; }
  OCISvcCtx* Svc() const { return svc_; }

  // Rolls back and, when the files changed since the last call, restores the copy.
  void Reset();

 private:
  void Connect();
  void Disconnect();
  std::string FileState() const;

  std::string pristine_;
  std::string live_;
  std::string lastState_;
  OCIEnv* env_ = nullptr;
  OCIError* err_ = nullptr;
  OCIServer* srv_ = nullptr;
  OCISvcCtx* svc_ = nullptr;
  OCISession* sess_ = nullptr;
};

#endif
