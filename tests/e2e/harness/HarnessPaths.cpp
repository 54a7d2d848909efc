#include "HarnessPaths.h"

#include <windows.h>

namespace e2e {

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

std::string ArtifactPath(const std::string& fileName) {
  const std::string folder = WindowsPath(ZQ_E2E_ARTIFACTS);
  CreateDirectoryA(folder.c_str(), nullptr);  // already there is fine
  return folder + "\\" + fileName;
}

std::string ProbeLibraryPath() { return WindowsPath(ZQ_E2E_PROBE_DLL); }

}  // namespace e2e
