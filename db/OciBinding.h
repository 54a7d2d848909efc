// The Oracle client library, loaded at run time from ".\oci.dll", its eighteen entry
// points and the optional ones, each typed by its prototype in OciApi.h.
#ifndef ZENQUILL_DB_OCIBINDING_H
#define ZENQUILL_DB_OCIBINDING_H

#include "DbResult.h"
#include "LibraryLoader.h"
#include "OciApi.h"

// Every entry point the system resolves, in the order they are looked up.
// clang-format off
#define ZQ_OCI_ENTRY_POINTS(X) \
  X(OCIInitialize)             \
  X(OCIEnvInit)                \
  X(OCIHandleAlloc)            \
  X(OCIServerAttach)           \
  X(OCIAttrSet)                \
  X(OCIAttrGet)                \
  X(OCIBindByPos)              \
  X(OCIHandleFree)             \
  X(OCISessionBegin)           \
  X(OCISessionEnd)             \
  X(OCIStmtExecute)            \
  X(OCIStmtPrepare)            \
  X(OCIStmtFetch)              \
  X(OCIDefineByPos)            \
  X(OCIErrorGet)               \
  X(OCIParamGet)               \
  X(OCIServerDetach)           \
  X(OCITerminate)

// Entry points a client library may lack: without them it still loads, and a running call
// cannot be cancelled.
#define ZQ_OCI_OPTIONAL_ENTRY_POINTS(X) \
  X(OCIBreak)                           \
  X(OCIReset)
// clang-format on

struct OciEntryPoints {
#define ZQ_DECLARE_ENTRY_POINT(name) decltype(&::name) name = nullptr;
  ZQ_OCI_ENTRY_POINTS(ZQ_DECLARE_ENTRY_POINT)
  ZQ_OCI_OPTIONAL_ENTRY_POINTS(ZQ_DECLARE_ENTRY_POINT)
#undef ZQ_DECLARE_ENTRY_POINT
};

class OciBinding {
 public:
  OciBinding() = default;
  ~OciBinding();
  OciBinding(const OciBinding&) = delete;
  OciBinding& operator=(const OciBinding&) = delete;

  // Loads the library and resolves every entry point; a failure is reported through
  // ReportLoadFailure and leaves the binding not loaded.
  void LoadClient();
  bool IsLoaded() const { return module_ != nullptr; }
  // Whether the library can break a running call and reset the session after it.
  bool CanBreak() const { return entryPoints_.OCIBreak && entryPoints_.OCIReset; }
  void Unload();
  const OciEntryPoints& EntryPoints() const { return entryPoints_; }

  static DbResult MapOciStatus(sword status);

 private:
  bool ResolveEntryPoints();

  LibraryHandle module_ = nullptr;
  OciEntryPoints entryPoints_;
};

#endif
