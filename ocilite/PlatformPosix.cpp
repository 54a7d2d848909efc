#include <dlfcn.h>
#include <pwd.h>
#include <unistd.h>

#include "Platform.h"

namespace ocilite {

std::string LibraryFolder() {
  Dl_info info = {};
  if (!dladdr(reinterpret_cast<void*>(&LibraryFolder), &info) || !info.dli_fname) return ".";
  std::string file = info.dli_fname;
  size_t slash = file.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

std::string OperatingSystemUser() {
  const passwd* entry = getpwuid(geteuid());
  return entry && entry->pw_name ? std::string(entry->pw_name) : std::string();
}

}  // namespace ocilite
