#include "ScriptFile.h"

#include <cstring>

#include "File.h"
#include "SafeSave.h"

bool ReadScriptFile(const std::string& path, std::string& text) {
  fw::File file;
  if (!file.Open(path, fw::File::Mode::Read)) return false;
  std::string bytes;
  char buffer[65536];
  std::int64_t read;
  while ((read = file.Read(buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<std::size_t>(read));
  if (read < 0) return false;
  text = bytes.substr(0, std::strlen(bytes.c_str()));
  return true;
}

std::string ScriptSavingPath(const std::string& path) { return SavingPathFor(path); }

bool WriteScriptFile(const std::string& path, const std::string& text) {
  return SaveThroughTemporaryFile(path, [&](const std::string& saving) {
    fw::File file;
    const bool written = file.Open(saving, fw::File::Mode::Create) && file.Write(text.data(), text.size());
    file.Close();
    return written;
  });
}
