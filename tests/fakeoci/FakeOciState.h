// Everything the test double remembers between calls.
#ifndef ZENQUILL_TESTS_FAKEOCISTATE_H
#define ZENQUILL_TESTS_FAKEOCISTATE_H

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "OciApi.h"

namespace fakeoci {

struct Define {
  char* buffer = nullptr;
  sb4 size = 0;
  sb2* indicator = nullptr;
};

struct Column {
  std::string name;
  ub2 displaySize = 0;
  std::map<ub4, ub2> attributes;  // data type, sizes: 0 unless scripted
};

using Row = std::vector<std::optional<std::string>>;

// One object behind every handle or descriptor the double gives out.
struct Handle {
  ub4 type = 0;
  Handle* server = nullptr;                        // service context: the attached server
  Handle* session = nullptr;                       // service context: the begun session
  bool prepared = false, executedAsQuery = false;  // statement
  size_t fetchedRows = 0;
  std::map<ub4, Define> defines;               // statement: by position
  ub4 position = 0;                            // parameter descriptor
  std::vector<std::unique_ptr<Handle>> owned;  // statement: its descriptors and defines
};

struct Script {
  std::string prefix;
  int occurrence = 0;
  sword status = OCI_SUCCESS;
  int seen = 0;
};

struct State {
  std::vector<std::string> calls;
  std::vector<Script> scripts;
  std::map<ub4, ub4> attributes;
  std::vector<Column> columns;
  std::vector<Row> rows;
  std::optional<std::string> errorText;
  std::map<const void*, std::unique_ptr<Handle>> handles;  // allocated by the caller
  std::map<const void*, Handle*> ownedHandles;             // owned by a statement
  int invalidHandleUses = 0;
};

State& TheState();

// Records the call and returns its scripted status, OCI_SUCCESS when none applies.
sword Record(const std::string& call);
// The live handle of that type, or null (and one more invalid use).
Handle* Find(const void* pointer, ub4 type);
Handle* Allocate(ub4 type);
Handle* AllocateOwned(Handle& statement, ub4 type);
bool Free(const void* pointer, ub4 type);

// Succeeded, or succeeded with a warning: the call's effect happens.
inline bool Proceeds(sword status) { return status == OCI_SUCCESS || status == OCI_SUCCESS_WITH_INFO; }

}  // namespace fakeoci

#endif
