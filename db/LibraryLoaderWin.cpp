#include "LibraryLoader.h"

#include <windows.h>

const char* const kClientLibraryPath = ".\\oci.dll";

std::string ClientLibraryFile() {
  char path[MAX_PATH] = {};
  HMODULE loaded = GetModuleHandleA("oci.dll");
  DWORD length = loaded ? GetModuleFileNameA(loaded, path, MAX_PATH)
                        : SearchPathA(nullptr, kClientLibraryPath, nullptr, MAX_PATH, path, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

LibraryHandle OpenLibrary(const char* path) { return LoadLibraryA(path); }

SymbolAddress FindSymbol(LibraryHandle library, const char* name) {
  return reinterpret_cast<SymbolAddress>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(LibraryHandle library) { FreeLibrary(static_cast<HMODULE>(library)); }
