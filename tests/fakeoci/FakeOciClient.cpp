#include "FakeOciClient.h"

FakeOciClient::FakeOciClient() : library_(OpenLibrary(kClientLibraryPath)) {
  if (!library_) return;
  bool complete = true;
#define ZQ_RESOLVE_CONTROL(name)                                           \
  name = reinterpret_cast<decltype(&::name)>(FindSymbol(library_, #name)); \
  complete = complete && name != nullptr;
  ZQ_FAKE_OCI_CONTROLS(ZQ_RESOLVE_CONTROL)
#undef ZQ_RESOLVE_CONTROL
  if (complete) return;
  CloseLibrary(library_);
  library_ = nullptr;
}

FakeOciClient::~FakeOciClient() {
  if (library_) CloseLibrary(library_);
}

std::vector<std::string> FakeOciClient::Calls(const std::string& prefix) const {
  std::vector<std::string> calls;
  for (int index = 0; index < FakeOciCallCount(); ++index) {
    std::string call = FakeOciCall(index);
    if (call.compare(0, prefix.size(), prefix) == 0) calls.push_back(call);
  }
  return calls;
}
