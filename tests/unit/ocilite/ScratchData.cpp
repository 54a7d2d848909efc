#include "ScratchData.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv((name + "=" + value).c_str());
#else
  if (value.empty()) {
    unsetenv(name.c_str());
  } else {
    setenv(name.c_str(), value.c_str(), 1);
  }
#endif
}

void UseFreshDemoCopy(const std::string& programName, void (*seed)()) {
  fs::path root = fs::current_path() / ("scratch-" + programName);
  fs::path pristine = root / "pristine";
  fs::path copy = root / "case";
  static bool seeded = false;
  if (!seeded) {
    fs::remove_all(root);
    fs::create_directories(pristine);
    SetEnvironment("OCILITE_DATA", pristine.string());
    seed();
    seeded = true;
  }
  fs::remove_all(copy);
  fs::create_directories(copy);
  for (const fs::directory_entry& entry : fs::directory_iterator(pristine)) {
    if (entry.is_regular_file()) fs::copy_file(entry.path(), copy / entry.path().filename());
  }
  SetEnvironment("OCILITE_DATA", copy.string());
}
