#include "FakeOciState.h"

namespace fakeoci {

State& TheState() {
  static State state;
  return state;
}

sword Record(const std::string& call) {
  State& state = TheState();
  state.calls.push_back(call);
  for (Script& script : state.scripts) {
    if (call.compare(0, script.prefix.size(), script.prefix) != 0) continue;
    ++script.seen;
    if (script.occurrence == 0 || script.occurrence == script.seen) return script.status;
  }
  return OCI_SUCCESS;
}

Handle* Find(const void* pointer, ub4 type) {
  State& state = TheState();
  Handle* found = nullptr;
  auto top = state.handles.find(pointer);
  if (top != state.handles.end()) found = top->second.get();
  auto owned = state.ownedHandles.find(pointer);
  if (owned != state.ownedHandles.end()) found = owned->second;
  if (found && found->type == type) return found;
  ++state.invalidHandleUses;
  return nullptr;
}

Handle* Allocate(ub4 type) {
  auto handle = std::make_unique<Handle>();
  handle->type = type;
  Handle* pointer = handle.get();
  TheState().handles[pointer] = std::move(handle);
  return pointer;
}

Handle* AllocateOwned(Handle& statement, ub4 type) {
  statement.owned.push_back(std::make_unique<Handle>());
  Handle* pointer = statement.owned.back().get();
  pointer->type = type;
  TheState().ownedHandles[pointer] = pointer;
  return pointer;
}

bool Free(const void* pointer, ub4 type) {
  State& state = TheState();
  auto found = state.handles.find(pointer);
  if (found == state.handles.end() || found->second->type != type) {
    ++state.invalidHandleUses;
    return false;
  }
  for (const auto& owned : found->second->owned) state.ownedHandles.erase(owned.get());
  state.handles.erase(found);
  return true;
}

}  // namespace fakeoci
