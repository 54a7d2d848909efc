#include "oci/Handles.h"

#include <mutex>
#include <unordered_map>

namespace ocilite {

namespace {

struct Registry {
  std::mutex lock;
  std::unordered_map<const void*, std::unique_ptr<Handle>> handles;
};

// Handles still alive when the library unloads are freed with it: sessions roll back.
Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

void Erase(Registry& registry, Handle* handle) {
  std::unique_ptr<Handle> owned;
  {
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.handles.find(handle);
    if (found == registry.handles.end()) return;
    owned = std::move(found->second);
    registry.handles.erase(found);
  }
}

}  // namespace

Handle* RegisterHandle(std::unique_ptr<Handle> handle) {
  Registry& registry = TheRegistry();
  Handle* raw = handle.get();
  std::lock_guard<std::mutex> guard(registry.lock);
  registry.handles[raw] = std::move(handle);
  return raw;
}

void ReleaseParams(StmtHandle& statement) {
  for (auto& entry : statement.params) Erase(TheRegistry(), entry.second);
  statement.params.clear();
}

void ReleaseHandle(Handle* handle) {
  if (handle->type == OCI_HTYPE_STMT) {
    StmtHandle* statement = static_cast<StmtHandle*>(handle);
    ReleaseParams(*statement);
    for (auto& entry : statement->defines) Erase(TheRegistry(), entry.second);
    statement->defines.clear();
  }
  Erase(TheRegistry(), handle);
}

Handle* FindHandle(const void* pointer, ub4 type) {
  if (!pointer) return nullptr;
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  auto found = registry.handles.find(pointer);
  return found != registry.handles.end() && found->second->type == type ? found->second.get() : nullptr;
}

}  // namespace ocilite
