// Seam over the platform's dynamic loader, so the binding stays pure logic.
#ifndef ZENQUILL_DB_LIBRARYLOADER_H
#define ZENQUILL_DB_LIBRARYLOADER_H

#include <string>

using LibraryHandle = void*;
// The generic function pointer type; callers cast it to the real prototype.
using SymbolAddress = void (*)();

// The client library's name relative to the working directory (".\oci.dll" on Windows).
extern const char* const kClientLibraryPath;

// The full path of the client library the program uses: the loaded one, else the file the
// loader would load for kClientLibraryPath; empty when there is none. Never loads it.
std::string ClientLibraryFile();

// Null when the library cannot be loaded.
LibraryHandle OpenLibrary(const char* path);
// Null when the library has no such export.
SymbolAddress FindSymbol(LibraryHandle library, const char* name);
void CloseLibrary(LibraryHandle library);

#endif
