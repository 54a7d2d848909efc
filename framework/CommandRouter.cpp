#include "CommandRouter.h"

namespace fw {

bool RouteCommand(std::initializer_list<CmdTarget*> chain, unsigned id) {
  for (CmdTarget* target : chain) {
    if (target && target->OnCommand(id)) return true;
  }
  return false;
}

CmdUI QueryCommand(std::initializer_list<CmdTarget*> chain, unsigned id) {
  CmdUI ui;
  ui.id = id;
  for (CmdTarget* target : chain) {
    if (target && target->OnUpdateCommand(ui)) break;
  }
  return ui;
}

}  // namespace fw
