#include "ContextMenuRules.h"

#include "resource.h"

bool GreyedInContextMenu(unsigned commandId, bool connected) {
  switch (commandId) {
    case ID_REFRESH:
    case ID_VIEW_DATA:
    case ID_DATABASE_DISCONNECT:
      return !connected;
    case ID_DATABASE_CONNECT:
      return connected;
  }
  return false;
}
