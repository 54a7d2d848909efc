#pragma once
// Scratch folders and whole-file reads for the XML export tests.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace xmltest {

// An empty folder of the test's own under the working directory, with a separator at the end.
inline std::string ScratchFolder(const std::string& name) {
  std::filesystem::path folder = std::filesystem::path("xml_scratch") / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return (folder / "").make_preferred().string();
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A device on which every write fails for want of space (Wine maps drive Z: to "/").
#ifdef _WIN32
inline const char* const kFullDevice = "Z:\\dev\\full";
#else
inline const char* const kFullDevice = "/dev/full";
#endif

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace xmltest
