#include "LibraryLoader.h"

#include <windows.h>

const char* const kClientLibraryPath = ".\\oci.dll";

LibraryHandle OpenLibrary(const char* path) { return LoadLibraryA(path); }

SymbolAddress FindSymbol(LibraryHandle library, const char* name) {
  return reinterpret_cast<SymbolAddress>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(LibraryHandle library) { FreeLibrary(static_cast<HMODULE>(library)); }
