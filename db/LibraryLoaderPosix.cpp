#include <dlfcn.h>
#include <stdlib.h>

#include "LibraryLoader.h"

const char* const kClientLibraryPath = "./oci.dll";

std::string ClientLibraryFile() {
  char* fullPath = realpath(kClientLibraryPath, nullptr);
  std::string file = fullPath ? fullPath : "";
  free(fullPath);
  return file;
}

// glibc takes a library opened under the same name as already loaded, whichever directory
// that name meant then; the full path asks for the file that the name means now.
LibraryHandle OpenLibrary(const char* path) {
  char* fullPath = realpath(path, nullptr);
  if (!fullPath) return nullptr;
  LibraryHandle library = dlopen(fullPath, RTLD_NOW | RTLD_LOCAL);
  free(fullPath);
  return library;
}

SymbolAddress FindSymbol(LibraryHandle library, const char* name) {
  return reinterpret_cast<SymbolAddress>(dlsym(library, name));
}

void CloseLibrary(LibraryHandle library) { dlclose(library); }
