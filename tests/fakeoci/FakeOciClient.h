// A test's handle on the test double: opens the same "oci.dll" the binding loads from the
// working directory, so the double's state outlives the binding's loads and unloads.
#ifndef ZENQUILL_TESTS_FAKEOCICLIENT_H
#define ZENQUILL_TESTS_FAKEOCICLIENT_H

#include <string>
#include <vector>

#include "FakeOciControl.h"
#include "LibraryLoader.h"

class FakeOciClient {
 public:
  FakeOciClient();
  ~FakeOciClient();
  FakeOciClient(const FakeOciClient&) = delete;
  FakeOciClient& operator=(const FakeOciClient&) = delete;

  bool IsOpen() const { return library_ != nullptr; }
  // The recorded calls whose line starts with prefix, in call order.
  std::vector<std::string> Calls(const std::string& prefix = "") const;

#define ZQ_DECLARE_CONTROL(name) decltype(&::name) name = nullptr;
  ZQ_FAKE_OCI_CONTROLS(ZQ_DECLARE_CONTROL)
#undef ZQ_DECLARE_CONTROL

 private:
  LibraryHandle library_ = nullptr;
};

#endif
