#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "ClientMachine.h"
#include "LocalMachineSeam.h"

namespace {

class LocalMachine : public ClientMachine {
 public:
  std::string Environment(const char* name) const override { return ProcessEnvironment(name); }
  bool RegistryText(const std::string& subkey, const char* valueName, std::string& value) const override {
    std::string read;
    if (!LookupLocalMachineText(subkey.c_str(), valueName, read)) return false;
    value = read;
    return true;
  }
  std::vector<std::string> RegistrySubkeys(const std::string& subkey) const override {
    return LocalMachineSubkeys(subkey.c_str());
  }
  bool Exists(const std::string& path) const override {
    struct stat status;
    return stat(path.c_str(), &status) == 0;
  }
  bool ReadFile(const std::string& path, std::string& text) const override {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return true;
  }
};

}  // namespace

const ClientMachine& LocalClientMachine() {
  static const LocalMachine machine;
  return machine;
}
