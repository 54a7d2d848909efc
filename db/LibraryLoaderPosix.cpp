#include "LibraryLoader.h"

#include <dlfcn.h>

const char* const kClientLibraryPath = "./oci.dll";

LibraryHandle OpenLibrary(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }

SymbolAddress FindSymbol(LibraryHandle library, const char* name) {
  return reinterpret_cast<SymbolAddress>(dlsym(library, name));
}

void CloseLibrary(LibraryHandle library) { dlclose(library); }
