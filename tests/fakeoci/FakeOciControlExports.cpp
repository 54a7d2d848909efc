#include "FakeOciControl.h"
#include "FakeOciState.h"

using namespace fakeoci;

OCI_EXPORT void FakeOciReset(void) { TheState() = State(); }

OCI_EXPORT int FakeOciCallCount(void) { return static_cast<int>(TheState().calls.size()); }

OCI_EXPORT const char* FakeOciCall(int index) {
  const std::vector<std::string>& calls = TheState().calls;
  if (index < 0 || static_cast<size_t>(index) >= calls.size()) return "";
  return calls[index].c_str();
}

OCI_EXPORT void FakeOciScriptStatus(const char* callPrefix, int occurrence, int status) {
  TheState().scripts.push_back({callPrefix, occurrence, status, 0});
}

OCI_EXPORT void FakeOciSetAttribute(unsigned attribute, unsigned value) { TheState().attributes[attribute] = value; }

OCI_EXPORT void FakeOciAddColumn(const char* name, unsigned displaySize) {
  TheState().columns.push_back({name, static_cast<ub2>(displaySize), {}});
}

OCI_EXPORT void FakeOciSetColumnAttribute(unsigned attribute, unsigned value) {
  if (!TheState().columns.empty()) TheState().columns.back().attributes[attribute] = static_cast<ub2>(value);
}

OCI_EXPORT void FakeOciAddRow(int count, const char* const* values) {
  Row row;
  for (int i = 0; i < count; ++i) row.push_back(values[i] ? std::optional<std::string>(values[i]) : std::nullopt);
  TheState().rows.push_back(row);
}

OCI_EXPORT void FakeOciSetErrorText(const char* text) { TheState().errorText = text; }

OCI_EXPORT int FakeOciLiveHandles(void) { return static_cast<int>(TheState().handles.size()); }

OCI_EXPORT int FakeOciInvalidHandleUses(void) { return TheState().invalidHandleUses; }
