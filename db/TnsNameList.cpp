#include "TnsNameList.h"

#include "ClientMachine.h"
#include "LibraryLoader.h"
#include "TnsNames.h"

TnsNameList::TnsNameList() {
  const ClientMachine& machine = LocalClientMachine();
  const std::string file = FindTnsNamesFile(machine, ClientLibraryFile());
  if (!file.empty()) names_ = ReadTnsNamesFile(file, machine);
}
