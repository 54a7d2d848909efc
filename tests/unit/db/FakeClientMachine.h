// A made-up machine for the rules that search the environment, the registry and files.
#ifndef ZENQUILL_TESTS_UNIT_DB_FAKECLIENTMACHINE_H
#define ZENQUILL_TESTS_UNIT_DB_FAKECLIENTMACHINE_H

#include <map>
#include <string>
#include <vector>

#include "ClientMachine.h"

class FakeClientMachine : public ClientMachine {
 public:
  std::map<std::string, std::string> environment;
  // Key path -> value name -> text; a key's subkeys are the keys one level below it.
  std::map<std::string, std::map<std::string, std::string>> registry;
  std::map<std::string, std::string> files;  // path -> contents

  std::string Environment(const char* name) const override {
    auto found = environment.find(name);
    return found == environment.end() ? "" : found->second;
  }
  bool RegistryText(const std::string& subkey, const char* valueName, std::string& value) const override {
    auto key = registry.find(subkey);
    if (key == registry.end() || !key->second.count(valueName)) return false;
    value = key->second.at(valueName);
    return true;
  }
  std::vector<std::string> RegistrySubkeys(const std::string& subkey) const override {
    std::vector<std::string> names;
    const std::string prefix = subkey + "\\";
    for (const auto& key : registry) {
      const std::string& path = key.first;
      if (path.compare(0, prefix.size(), prefix) == 0 && path.find('\\', prefix.size()) == std::string::npos)
        names.push_back(path.substr(prefix.size()));
    }
    return names;
  }
  bool Exists(const std::string& path) const override { return files.count(path) > 0; }
  bool ReadFile(const std::string& path, std::string& text) const override {
    if (!Exists(path)) return false;
    text = files.at(path);
    return true;
  }
};

#endif
