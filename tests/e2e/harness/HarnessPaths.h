// Paths the harness hands to Windows. The build records paths as the host sees them; under
// Wine a host path "/a/b" is the Windows path "Z:\a\b".
#ifndef ZENQUILL_TESTS_E2E_HARNESS_HARNESSPATHS_H
#define ZENQUILL_TESTS_E2E_HARNESS_HARNESSPATHS_H

#include <string>

namespace e2e {

// "/a/b" -> "Z:\a\b"; a path that is already a Windows path comes back unchanged.
std::string WindowsPath(const std::string& path);

// "<build>/artifacts/<fileName>" (the folder beside the build trees), creating the folder.
std::string ArtifactPath(const std::string& fileName);

// The helper library the harness loads into a program to read its menus.
std::string ProbeLibraryPath();

}  // namespace e2e

#endif
