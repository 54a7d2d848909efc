#include "OciBinding.h"

#include <string>

#include "LoadFailureReport.h"

namespace {

struct EntryPointSlot {
  const char* name;
  bool required;
  void (*store)(OciEntryPoints& entryPoints, SymbolAddress address);
};

#define ZQ_ENTRY_POINT_SLOT(name, required)                                  \
  {#name, required, [](OciEntryPoints& entryPoints, SymbolAddress address) { \
     entryPoints.name = reinterpret_cast<decltype(&::name)>(address);        \
   }},
#define ZQ_REQUIRED_SLOT(name) ZQ_ENTRY_POINT_SLOT(name, true)
#define ZQ_OPTIONAL_SLOT(name) ZQ_ENTRY_POINT_SLOT(name, false)
const EntryPointSlot kEntryPointSlots[] = {ZQ_OCI_ENTRY_POINTS(ZQ_REQUIRED_SLOT)
                                               ZQ_OCI_OPTIONAL_ENTRY_POINTS(ZQ_OPTIONAL_SLOT)};
#undef ZQ_OPTIONAL_SLOT
#undef ZQ_REQUIRED_SLOT
#undef ZQ_ENTRY_POINT_SLOT

}  // namespace

OciBinding::~OciBinding() { Unload(); }

void OciBinding::LoadClient() {
  Unload();
  module_ = OpenLibrary(kClientLibraryPath);
  if (!module_) {
    ReportLoadFailure("Failed to load oci.dll!");
    return;
  }
  if (!ResolveEntryPoints()) Unload();
}

bool OciBinding::ResolveEntryPoints() {
  for (const EntryPointSlot& slot : kEntryPointSlots) {
    SymbolAddress address = FindSymbol(module_, slot.name);
    if (!address && !slot.required) continue;
    if (!address) {
      ReportLoadFailure(("Failed to find " + std::string(slot.name) + "(...)in oci.dll!").c_str());
      return false;
    }
    slot.store(entryPoints_, address);
  }
  return true;
}

void OciBinding::Unload() {
  if (module_) CloseLibrary(module_);
  module_ = nullptr;
  entryPoints_ = OciEntryPoints();
}

DbResult OciBinding::MapOciStatus(sword status) {
  switch (status) {
    case OCI_SUCCESS: return DB_OK;
    case OCI_SUCCESS_WITH_INFO: return DB_SUCCESS_WITH_INFO;
    case OCI_NEED_DATA: return DB_NEED_DATA;
    case OCI_NO_DATA: return DB_NO_DATA;
    case OCI_STILL_EXECUTING: return DB_STILL_EXECUTING;
    case OCI_INVALID_HANDLE: return DB_INVALID_HANDLE;
    case OCI_CONTINUE: return DB_CONTINUE;
    default: return DB_ERROR;
  }
}
